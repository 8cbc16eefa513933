#include "editor/scheme_saving.h"

#include "editor/editor.h"
#include "editor/error_message.h"
#include "editor/undo_redo.h"
#include "scheme/scheme_text_codec.h"
#include "scheme/scheme_writer.h"

#include <QFileInfo>

void TakeOpacitiesFromTicks(Editor& editor) {
    for (int p = 0; p < editor.list.elements.count(); ++p)
        editor.document.elementOpacity[p + 1] = editor.list.elements.isChecked(p) ? 100 : 0;
}

WriteResult WriteSchemeFile(Editor& editor, const QString& path) {
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        // The program has always asked this in Czech, whatever the interface language.
        const MessageAnswer answer = editor.dialogs.showMessage(
            Message{MessageIcon::Exclamation, QStringLiteral("Přepsat existující soubor?"),
                    QStringLiteral("Uložit jako..."), MessageButtons::YesNoCancel});
        if (answer == MessageAnswer::No)
            return WriteResult::DeclinedOverwrite;
        if (answer != MessageAnswer::Yes)
            return WriteResult::Cancelled;
    }
    const QString target = path.isEmpty() ? editor.document.filePath : path;
    TakeOpacitiesFromTicks(editor);
    if (!WriteWholeFile(target, EncodeSchemeText(BuildSchemeText(editor.document)))) {
        static constexpr LocalisedText CannotSave{
            "Soubor nemohl být uložen!", "File cannot be saved!", "Datei kann nicht speichern!"};
        ShowErrorMessage(editor.dialogs, editor.language, CannotSave);
        return WriteResult::Finished;
    }
    editor.document.modified = false;
    ClearHistory(editor);
    if (!path.isEmpty())
        editor.document.filePath = path;
    editor.shown.fileLabel = QFileInfo(editor.document.filePath).fileName();
    return WriteResult::Finished;
}
