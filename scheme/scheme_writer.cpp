#include "scheme/scheme_writer.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

} // namespace

bool WriteWholeFile(const QString& target, const QByteArray& bytes) {
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

QString BuildSchemeText(const SchemeDocument& doc) {
    QString text = doc.headerTag + LineEnd + doc.schemeName + LineEnd + doc.dataTag + LineEnd;
    for (int element = 1; element <= ElementCount; ++element) {
        const ColourValue c = doc.elementColour[element];
        text += QStringLiteral("%1 %2 %3 %4")
                    .arg(RedOf(c))
                    .arg(GreenOf(c))
                    .arg(BlueOf(c))
                    .arg(doc.elementOpacity[element]) +
                LineEnd;
    }
    return text;
}
