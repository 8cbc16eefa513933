#pragma once

#include "i18n/language.h"

// The texts of the start-up window. Until a language is known, and for a word that selects no
// language, the start-up speaks Czech.
namespace StartupTexts {

inline constexpr LocalisedText ReadingSettings{"Spouštím aplikaci: Čtení registru",
                                               "Loading: Reading Register", "Einlesen: Register"};
inline constexpr LocalisedText BuildingImageMap{"Spouštím aplikaci: Generuji klikací mapu",
                                                "Loading: Generating ImageMap",
                                                "Einlesen: Bildmappe"};
inline constexpr LocalisedText TestingColours{"Spouštím aplikaci: Testuji hloubku barev",
                                              "Loading: Test Color", "Einlesen: Farbetest"};
// Only the Czech message has a second sentence, after two bare carriage returns.
inline constexpr LocalisedText ColourDepthMessage{
    "Barevné rozlišení musí být nejméně 16 bitů na 1 bod!\r\rAplikace bude ukončena.",
    "Minimal color must be 16-Bit!", "Es werden nur 16-Bit, 24-Bit, 32-Bit Bitmaps unterstützt!"};
inline constexpr LocalisedText ColourDepthTitle{"Chyba", "Error", "Fehler"};

inline QString Text(const LocalisedText& text, Language language) {
    return text.inOrBuiltIn(language);
}

} // namespace StartupTexts
