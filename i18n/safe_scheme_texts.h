#pragma once

#include "i18n/language.h"

// The texts of the Safe Scheme dialog, by control. The dialog was designed in Czech, with an
// empty apology; that is what it shows for a word that selects no language.
namespace SafeSchemeTexts {

inline constexpr LocalisedText SafeSchemeDialogTitle{"Bezpečné schéma", "Safe Scheme",
                                                     "Sicher Schema"};
inline constexpr LocalisedText ExplanationLabel{
    "Zaškrtnutím políčka 'Bezpečné schéma' v hlavním okně aplikace chráníte výsledné schéma "
    "proti zprůhlednění prvků na displeji, které by vedly ke ztrátě orientace v menu.",
    "Check boxes 'Safe Scheme' in the main application window protect resulting scheme against "
    "transparentelement on display, that would lead to a loss orientation in menu.",
    "Anstreichen Fach 'Sicher Schema' in wichtigste Fenster Applikation hüten resultierend "
    "Schema gegen transparent Grundstoffe am Bildschirm, die es bewogen haben zu "
    "Orientierungsverlust im Menü."};
inline constexpr LocalisedText SafeElementsCaption{
    "Povolené prvky k transparenci:", "Leave element to transparency:",
    "Zugelassen Elemente zu Transparenz:"};
inline constexpr LocalisedText ApologyLabel{"", "Behind language discrepancy I'm sorry",
                                            "Zu Sprach Unregelmäßigkeiten sich Entschuldigungen"};

} // namespace SafeSchemeTexts
