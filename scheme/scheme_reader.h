#pragma once

#include "i18n/language.h"
#include "scheme/colour.h"
#include "scheme/element_catalogue.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// Why a file could not be read; each has its message.
enum class ReadFailure { NotAScheme, BadFile, ReadError };

// No scheme file comes near this size; anything larger is refused before it is read.
constexpr qint64 MaxSchemeFileSize = 1024 * 1024;

// What a scheme file's text holds, or why it holds no scheme. The reader does not care about
// line structure: it joins the lines into one run of words separated by single spaces.
struct ParsedScheme {
    std::optional<ReadFailure> failure;
    QString headerTag;
    QString schemeName;
    std::array<ColourValue, ElementCount + 1> elementColour{};
    std::array<qint16, ElementCount + 1> elementOpacity{};
};
ParsedScheme ParseSchemeText(const QString& text);

// Whether a file written under this scheme name reads again. The reader takes the name to end
// at the first word "Data", so a name with that word in it makes a file it cannot read.
bool NameReadsBack(const QString& name);

// The reader's message for a failure, in the three languages.
const LocalisedText& ReadFailureMessage(ReadFailure failure);

// The bytes of a scheme file, or the read error: a missing file, a folder, an unreadable file
// or one larger than any scheme.
std::optional<QByteArray> ReadSchemeFileBytes(const QString& path);
