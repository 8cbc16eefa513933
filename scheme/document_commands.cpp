#include "scheme/document_commands.h"

#include "app/editor.h"
#include "app/error_message.h"
#include "scheme/scheme_reader.h"
#include "scheme/scheme_writer.h"
#include "scheme/undo_redo.h"

#include <QFileInfo>

namespace {

constexpr LocalisedText MissingName{"Vložte název schéma!", "Enter name scheme!",
                                    "Sie geben Schema Name ein!"};

FileDialogTexts OpenDialogTexts(Language language) {
    static constexpr LocalisedText Title{"Otevřít", "Open", "Öffnen"};
    static constexpr LocalisedText Filter{"Soubory barevného schéma (*.col)|*.col",
                                          "Files colour Scheme (*.col)|*.col",
                                          "Datei farbig Schema (*.col)|*.col"};
    return {Title.in(language), Filter.in(language)};
}

FileDialogTexts SaveDialogTexts(Language language) {
    static constexpr LocalisedText Title{"Uložit jako...", "Save As...", "Speichern als..."};
    static constexpr LocalisedText Filter{"Soubory barevného schéma (*.col)|*.col",
                                          "Colour scheme Files (*.col)|*.col",
                                          "Datei farbig schema (*.col)|*.col"};
    return {Title.in(language), Filter.in(language)};
}

} // namespace

bool TestMakeProject(Editor& editor) {
    if (!editor.document.modified)
        return true;
    static constexpr LocalisedText Text{"Uložit změny v aktuálním schéma?",
                                        "Save changes in actual scheme?",
                                        "Speichern änderung in aktuell schema?"};
    static constexpr LocalisedText Title{"Aktuální schéma", "Actual scheme", "Actual schema"};
    const std::optional<QString> text = Text.in(editor.language);
    if (!text)
        return false; // with no language there is nobody to ask, so nothing is thrown away
    const MessageAnswer answer = editor.dialogs.showMessage(Message{
        MessageIcon::Exclamation, *text, *Title.in(editor.language), MessageButtons::YesNoCancel});
    switch (answer) {
    case MessageAnswer::Yes:
        // Whatever the save did, the pending command goes on.
        SaveScheme(editor);
        editor.document.modified = false;
        return true;
    case MessageAnswer::No:
        editor.document.modified = false;
        return true;
    default:
        return false;
    }
}

void OpenScheme(Editor& editor) {
    if (!TestMakeProject(editor))
        return;
    const QString path = editor.dialogs.chooseFileToOpen(OpenDialogTexts(editor.language));
    if (path.isEmpty())
        return;
    if (!ReadSchemeFile(editor, path))
        return;
    ClearHistory(editor);
    editor.document.filePath = path;
    editor.fileLabel = QFileInfo(path).fileName();
}

void SaveScheme(Editor& editor) {
    if (editor.document.schemeName.isEmpty()) {
        ShowErrorMessage(editor.dialogs, editor.language, MissingName);
        return;
    }
    if (editor.document.filePath.isEmpty()) {
        SaveSchemeAs(editor);
        return;
    }
    WriteSchemeFile(editor, QString());
}

void SaveSchemeAs(Editor& editor) {
    for (;;) {
        if (editor.document.schemeName.isEmpty()) {
            ShowErrorMessage(editor.dialogs, editor.language, MissingName);
            return;
        }
        const QString path = editor.dialogs.chooseFileToSave(SaveDialogTexts(editor.language));
        if (path.isEmpty())
            return;
        // No to the overwrite question opens the dialog again.
        if (WriteSchemeFile(editor, path) != WriteResult::DeclinedOverwrite)
            return;
    }
}
