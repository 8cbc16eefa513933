#include "editor/document_commands.h"

#include "editor/editor.h"
#include "editor/error_message.h"
#include "editor/recent_files.h"
#include "editor/scheme_loading.h"
#include "editor/scheme_saving.h"
#include "editor/undo_redo.h"
#include "scheme/scheme_reader.h"
#include "scheme/scheme_writer.h"
#include "scheme/starter_schemes.h"

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

void NewScheme(Editor& editor, Starter starter) {
    // The starter asks the save question itself, as it does while the window loads.
    CreateStarterScheme(editor, starter);
}

void OpenScheme(Editor& editor) {
    if (!TestMakeProject(editor))
        return;
    const QString chosen = editor.dialogs.chooseFileToOpen(OpenDialogTexts(editor.language));
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (!ReadSchemeFile(editor, path))
        return;
    UpdateRecentMenu(editor);
    ClearHistory(editor);
    editor.document.filePath = path;
    editor.shown.fileLabel = QFileInfo(path).fileName();
}

bool OpenSchemeFromPath(Editor& editor, const QString& path) {
    // An empty path stays empty, so that it fails the read as any other bad path does.
    const QString absolute = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    if (!TestMakeProject(editor))
        return false;
    ClearHistory(editor);
    if (!ReadSchemeFile(editor, absolute))
        return false;
    UpdateRecentMenu(editor);
    editor.document.filePath = absolute;
    editor.shown.fileLabel = QFileInfo(absolute).fileName();
    return true;
}

bool OpenCommandLineFile(Editor& editor, const QString& commandLine) {
    if (commandLine.isEmpty())
        return true;
    QString path = commandLine;
    if (path.startsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2); // the last character goes whatever it is
    return OpenSchemeFromPath(editor, path);
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

std::optional<QString> DroppedSchemePath(const QList<QUrl>& urls) {
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return std::nullopt;
    const QString path = urls.first().toLocalFile();
    if (!path.endsWith(QLatin1String(".col"), Qt::CaseInsensitive))
        return std::nullopt;
    return path;
}
