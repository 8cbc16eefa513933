#include "scheme/scheme_text_codec.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* CodePage = "windows-1250";
}

QString DecodeSchemeBytes(const QByteArray& bytes) {
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
}

QByteArray EncodeSchemeText(const QString& text) {
    // The encoder marks what it cannot hold with its own substitute byte; go character by
    // character so that each of those becomes the "?" the file wants.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const uint codePoint : text.toUcs4()) {
        const char32_t character32 = codePoint;
        const QString character = QString::fromUcs4(&character32, 1);
        QStringEncoder single(CodePage);
        const QByteArray encoded = single.encode(character);
        if (single.hasError() || encoded.size() != 1)
            bytes.append('?');
        else
            bytes.append(encoded);
    }
    return bytes;
}
