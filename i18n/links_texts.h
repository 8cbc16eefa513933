#pragma once

#include "i18n/language.h"

// The texts of the Links dialog and the author's two addresses, which are not translated. The
// dialog was designed in Czech; a word that selects no language keeps its built-in texts, whose
// home label is spelt differently from the Czech one of the table.
namespace LinksDialogTexts {

inline constexpr const char* HomePage = "https://www.tesmira.cz/zef/";
inline constexpr const char* Email = "zef@tesmira.cz";

inline constexpr LocalisedText LinksDialogTitle{"Odkazy", "Links", "WWW"};
inline constexpr LocalisedText HomePageCaption{"Domácí stránka:", "Homepage:", "Hausseite:"};
inline constexpr const char* EmailCaption = "E-mail:";

inline constexpr const char* BuiltInCaption = "Odkazy";
inline constexpr const char* BuiltInHome = "Domací stránka:";

} // namespace LinksDialogTexts
