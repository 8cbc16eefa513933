#pragma once

#include "i18n/language.h"

#include <QString>
#include <optional>

// The phone's display elements are numbered 1 to 60; element i is entry i - 1 of the element list.
constexpr int ElementCount = 60;

// The element list text of an element in a language, for example "19 - Select menu shaddow";
// nothing for an element outside 1..60 or a word that selects no language.
std::optional<QString> ElementText(int element, Language language);
