#pragma once

#include "scheme/colour.h"
#include "scheme/element_catalogue.h"

#include <QString>
#include <array>

// The one scheme the editor works on. Tables are indexed by element number 1..60 (entry 0 is
// unused), so that the code reads like the phone's own numbering.
struct SchemeDocument {
    QString headerTag = QStringLiteral("ColourScheme");
    QString schemeName;
    QString dataTag = QStringLiteral("Data");
    std::array<ColourValue, ElementCount + 1> elementColour{};
    // 100 = painted, 0 = transparent; a value read from a file stays as read until the next write,
    // and every value other than 0 counts as painted.
    std::array<qint16, ElementCount + 1> elementOpacity{};
    QString filePath;
    bool modified = false;
};

// Whether the element shows in the scheme as read: every opacity other than 0 counts as painted.
inline bool IsPainted(const SchemeDocument& doc, int element) {
    return doc.elementOpacity[element] != 0;
}
