#include "scheme/scheme_writer.h"

#include "app/editor.h"
#include "app/error_message.h"
#include "scheme/scheme_text_codec.h"
#include "scheme/undo_redo.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

bool WriteWhole(const QString& target, const QByteArray& bytes) {
    if (target.isEmpty())
        return false;
    // QSaveFile would rename its copy over a read-only file in a writable folder when the test
    // it makes of the old file answers for another user than the one the program writes as;
    // opening the old file answers for the right one.
    if (QFileInfo::exists(target)) {
        QFile existing(target);
        if (!existing.open(QIODevice::Append | QIODevice::ExistingOnly))
            return false;
    }
    // Unbuffered, so that a disk that is full fails the write itself: a buffered write would
    // only fail in commit's flush, which QSaveFile does not notice, and an empty copy would
    // replace the old file.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QString BuildSchemeText(Editor& editor) {
    SchemeDocument& doc = editor.document;
    QString text = doc.headerTag + LineEnd + doc.schemeName + LineEnd + doc.dataTag + LineEnd;
    for (int p = 0; p < editor.elementList.count(); ++p) {
        const int element = p + 1;
        const ColourValue c = doc.elementColour[element];
        doc.elementOpacity[element] = editor.elementList.isChecked(p) ? 100 : 0;
        text += QStringLiteral("%1 %2 %3 %4")
                    .arg(RedOf(c))
                    .arg(GreenOf(c))
                    .arg(BlueOf(c))
                    .arg(doc.elementOpacity[element]) +
                LineEnd;
    }
    return text;
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
    if (!WriteWhole(target, EncodeSchemeText(BuildSchemeText(editor)))) {
        static constexpr LocalisedText CannotSave{
            "Soubor nemohl být uložen!", "File cannot be saved!", "Datei kann nicht speichern!"};
        ShowErrorMessage(editor.dialogs, editor.language, CannotSave);
        return WriteResult::Finished;
    }
    editor.document.modified = false;
    ClearHistory(editor);
    if (!path.isEmpty())
        editor.document.filePath = path;
    editor.fileLabel = QFileInfo(editor.document.filePath).fileName();
    return WriteResult::Finished;
}
