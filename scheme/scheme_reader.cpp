#include "scheme/scheme_reader.h"

#include "scheme/scheme_text_codec.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

// Lines end in CR LF, LF or CR; a last line without an ending still counts.
QStringList SplitLines(const QString& text) {
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(line);
            line.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            line.append(c);
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

// Only the space character is trimmed; tabs and the like stay part of a word.
QString WithoutTrailingSpaces(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    text.truncate(end);
    return text;
}

// A number word is an optional sign and decimal digits that fit a 16-bit signed integer.
std::optional<qint16> ToInt16(const QString& word) {
    qsizetype i = 0;
    bool negative = false;
    if (i < word.size() && (word.at(i) == QLatin1Char('+') || word.at(i) == QLatin1Char('-'))) {
        negative = word.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == word.size())
        return std::nullopt;
    int value = 0;
    for (; i < word.size(); ++i) {
        const char16_t c = word.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > 32768)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > 32767)
        return std::nullopt;
    return qint16(value);
}

// The lines, each without its trailing spaces, joined by single spaces, without trailing spaces.
QString JoinedLines(const QString& text) {
    QString buffer;
    for (const QString& line : SplitLines(text))
        buffer += WithoutTrailingSpaces(line) + QLatin1Char(' ');
    return WithoutTrailingSpaces(buffer);
}

// Two adjacent spaces give an empty word between them.
QStringList Words(const QString& joinedLines) {
    return joinedLines.split(QLatin1Char(' '));
}

// The first word "Data" at or after `from` ends the name; the colour data follow it.
qsizetype DataTagPosition(const QStringList& words, qsizetype from) {
    return words.indexOf(QStringLiteral("Data"), from);
}

ParsedScheme Failed(ReadFailure failure, const QString& acceptedHeader = QString()) {
    ParsedScheme result;
    result.failure = failure;
    result.headerTag = acceptedHeader;
    return result;
}

} // namespace

const LocalisedText& ReadFailureMessage(ReadFailure failure) {
    static constexpr LocalisedText NotAScheme{"Nejedná se o soubor schématu!",
                                              "This file is no colour scheme!",
                                              "Diese Datei ist nicht farbe Schema!"};
    static constexpr LocalisedText BadFile{"Soubor je zřejmě porušen!", "This file is bad!",
                                           "Diese Datei ist fehler!"};
    static constexpr LocalisedText ReadError{"Chyba při čtení ze souboru!", "File read error!",
                                             "Fehler bei lesen Datei!"};
    switch (failure) {
    case ReadFailure::NotAScheme:
        return NotAScheme;
    case ReadFailure::BadFile:
        return BadFile;
    case ReadFailure::ReadError:
        break;
    }
    return ReadError;
}

ParsedScheme ParseSchemeText(const QString& text) {
    const QString buffer = JoinedLines(text);
    // An empty file, or one of nothing but spaces and line ends, holds no word at all.
    if (buffer.isEmpty())
        return Failed(ReadFailure::ReadError);

    const QStringList words = Words(buffer);
    if (words.at(0) != QLatin1String("ColourScheme"))
        return Failed(ReadFailure::NotAScheme);

    const QString& header = words.at(0);

    const qsizetype d = DataTagPosition(words, 1);
    if (d < 0)
        return Failed(ReadFailure::ReadError, header);
    if (d == 1)
        return Failed(ReadFailure::NotAScheme, header);

    const qsizetype last = words.size() - 1;
    if (last < 4 * ElementCount || last != d + 4 * ElementCount)
        return Failed(ReadFailure::BadFile, header);

    ParsedScheme scheme;
    scheme.headerTag = header;
    scheme.schemeName = words.mid(1, d - 1).join(QLatin1Char(' '));
    for (int k = 1; k <= ElementCount; ++k) {
        const qsizetype j = d + 4 * k - 3;
        const std::optional<qint16> red = ToInt16(words.at(j));
        const std::optional<qint16> green = ToInt16(words.at(j + 1));
        const std::optional<qint16> blue = ToInt16(words.at(j + 2));
        const std::optional<qint16> opacity = ToInt16(words.at(j + 3));
        if (!red || !green || !blue || !opacity || *red < 0 || *green < 0 || *blue < 0)
            return Failed(ReadFailure::ReadError, header);
        scheme.elementColour[k] = MakeColour(*red, *green, *blue);
        scheme.elementOpacity[k] = *opacity;
    }
    return scheme;
}

bool NameReadsBack(const QString& name) {
    // The name goes into the file through the code page, and its lines become words of the file
    // like any others. A word "Data" among them is taken for the file's own: the name ends there
    // (or is missing), and too many words follow.
    const QString stored = DecodeSchemeBytes(EncodeSchemeText(name));
    return DataTagPosition(Words(JoinedLines(stored)), 0) < 0;
}

std::optional<QByteArray> ReadSchemeFileBytes(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxSchemeFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // One byte past the limit, so that a file that grew after the size test is refused too.
    QByteArray bytes = file.read(MaxSchemeFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxSchemeFileSize)
        return std::nullopt;
    return bytes;
}
