#pragma once

#include "i18n/language.h"

// The texts of the Readability window and of the command line's contrast check.
namespace ReadabilityTexts {

inline constexpr LocalisedText ReadabilityWindowTitle{"Čitelnost", "Readability", "Lesbarkeit"};
inline constexpr LocalisedText ExplanationLabel{
    "Na malém displeji telefonu je prvek dobře čitelný, jen když se od toho, co leží za ním, "
    "odliší kontrastem alespoň 3:1. Dvojklikem na řádek nebo klávesou Enter vyberete prvek "
    "vpředu.",
    "On the phone's small display an element reads well only when it stands out at least 3:1 "
    "from what lies behind it. Double-click a row or press Enter on it to select the element in "
    "front.",
    "Auf dem kleinen Display des Telefons ist ein Element nur dann gut lesbar, wenn es sich "
    "mindestens 3:1 von dem abhebt, was dahinter liegt. Ein Doppelklick oder die Eingabetaste "
    "auf einer Zeile wählt das vordere Element."};
// The caption of the list of weak pairs, which is also the list's accessible name.
inline constexpr LocalisedText WeakPairsCaption{
    "Pod 3:1, nejslabší nahoře:", "Below 3:1, the weakest first:",
    "Unter 3:1, das schwächste zuerst:"};
inline constexpr LocalisedText NoWeakPairLabel{
    "Každý prvek se od toho, co leží za ním, odlišuje kontrastem alespoň 3:1.",
    "Every element stands out at least 3:1 from what lies behind it.",
    "Jedes Element hebt sich mindestens 3:1 von dem ab, was dahinter liegt."};
inline constexpr LocalisedText FrontColumn{"Vpředu", "In front", "Vorne"};
inline constexpr LocalisedText BehindColumn{"Za ním", "Behind", "Dahinter"};
inline constexpr LocalisedText ContrastColumn{"Kontrast", "Contrast", "Kontrast"};
inline constexpr LocalisedText ScreensColumn{"Náhledy", "Screens", "Bildschirme"};
inline constexpr LocalisedText CloseButton{"Zavřít", "Close", "Schließen"};

// What lies behind an element where no element does: the fixed pictures of the screens, or the
// pattern a transparent element leaves.
inline constexpr LocalisedText ArtworkName{"Obrázky a průhledná místa",
                                           "Pictures and transparent areas",
                                           "Bilder und transparente Stellen"};
// The command line's line: "<upper name> on <lower name>; screens 0, 3".
inline constexpr LocalisedText OnWord{"na", "on", "auf"};
inline constexpr LocalisedText ScreensWord{"náhledy", "screens", "Bildschirme"};

} // namespace ReadabilityTexts
