#pragma once

#include "i18n/language.h"

// The texts of the Flash on Select advice dialog. The dialog was designed in Czech, with an
// empty note; that is what it shows for a word that selects no language.
namespace FlashAdviceTexts {

inline constexpr LocalisedText FlashAdviceDialogTitle{"Bliknutí při kliknutí na náhled",
                                                      "Flash on Select", "Beim Wählen aufblitzen"};
inline constexpr LocalisedText AdviceLabel{
    "U pomalejších počítačů do 300 MHz doporučuji odškrtnout políčko 'Bliknutí při kliknutí na "
    "náhled', zrychlí se tím chování aplikace.",
    "Slow computer to the 300 MHz advise uncheck box 'Flash on Select', quicken by behaviour "
    "application.",
    "An langsam der Computer nach 300 MHz empfehlen abstreichen Fach 'Beim Wählen aufblitzen', "
    "sich beschleunigen desto Auftreten Applikation."};
inline constexpr LocalisedText ComputerCaption{
    "Tento počítač:", "This Computer:", "Dieser Computer:"};
inline constexpr LocalisedText ApologyLabel{"", "Behind language discrepancy I'm sorry",
                                            "Zu Sprach Unregelmäßigkeiten sich Entschuldigungen"};

} // namespace FlashAdviceTexts
