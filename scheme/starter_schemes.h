#pragma once

#include "i18n/language.h"
#include "scheme/element_catalogue.h"

#include <QString>
#include <array>
#include <optional>

enum class Starter { Blue, Red, Green };

struct StarterElement {
    int red, green, blue;
    qint16 opacity;
};

// The built-in scheme: 60 colours and opacities, entry 0 for element 1.
const std::array<StarterElement, ElementCount>& StarterTable(Starter starter);
// "Blue ZEF", "Rot ZEF", ...; nothing for a word that selects no language.
std::optional<QString> StarterName(Starter starter, Language language);
// The file label of a new scheme: "New project - Blue", ...
std::optional<QString> StarterFileLabel(Starter starter, Language language);
