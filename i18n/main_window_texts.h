#pragma once

#include "i18n/language.h"
#include "i18n/readability_texts.h"

// The texts of the main window and its menus, by control.
namespace MainWindowTexts {

inline constexpr LocalisedText MainWindowTitle{"ZEF - Editor barevného schéma v1.0",
                                               "ZEF - Colour Scheme Editor v1.0",
                                               "ZEF - Editor farbig schema v1.0"};
inline constexpr LocalisedText ElementFrameTitle{"Prvky", "Elements", "Elemente"};
inline constexpr LocalisedText ColourFrameTitle{"Barvy", "Colors", "Farben"};
inline constexpr LocalisedText PreviewFrameTitle{"Náhled na schéma / Klikací mapa",
                                                 "Preview / ImageMap", "Vorschau / Bildmappe"};
inline constexpr LocalisedText OptionFrameTitle{"Nastavení schéma", "Options", "Einstellen"};
inline constexpr LocalisedText ZoomFrameTitle{"Zoom 2x / Klikací mapa", "Zoom 2x / ImageMap",
                                              "Zoom 2x / Bildmappe"};
inline constexpr LocalisedText FileNameCaption{"Soubor:", "File:", "Datei:"};
inline constexpr LocalisedText SchemeNameCaption{"Schéma:", "Name:", "Name:"};
inline constexpr LocalisedText UnshownElementsNote{
    "Náhledy schématu neobsahují prvky 15:27:39:40:41:54:55",
    "Preview not contain this Elements 15:27:39:40:41:54:55",
    "Vorschau enthält nicht die Elemente 15:27:39:40:41:54:55"};
inline constexpr LocalisedText ProviderNameOption{"Bez názvu operátora", "Don't show Provider Name",
                                                  "Providername ausblenden"};
inline constexpr LocalisedText FlashOnSelectOption{"Bliknutí při kliknutí na náhled",
                                                   "Flash on Select", "Beim Wählen aufblitzen"};
inline constexpr LocalisedText AutoRedrawOption{"Automaticky vykreslovat změny",
                                                "Autoredraw Scheme when change",
                                                "Umzeichen Shema wen Verfärbung"};
inline constexpr LocalisedText SafeSchemeOption{"Bezpečné schéma", "Safe Scheme", "Sicher Schema"};
inline constexpr LocalisedText LcdColoursOption{"Použít barvy displeje", "LCD colors", "LCD farbe"};
inline constexpr LocalisedText TransparencyWarning{
    "Experimenty s transparencí můžou vést ke ztrátě orientace v menu mobilu!",
    "If more elements you will let transparent, may get to losses orientation on display!",
    "Bis wohin mehr der Elemente laufen lassen transparent, es kommen kann zu "
    "Orientierungsverlust am Bildschirm!"};
// TransparencyExplanation: the pieces are joined with nothing between them.
inline constexpr LocalisedText TransparencyExplanation{
    "Odškrtnutím políčka u prvku se objekt na displeji stává "
    "transparentním. Pokud více objektů necháte transparentních, "
    "může dojít ke ztrátě orientace na displeji. Doporučuji "
    "označit políčko 'Bezpečné schéma', které nedovolí uložení "
    "transparentního schéma.",
    "Uncheck boxes near element object on display becomes "
    "transparent. If more elements you will let "
    "transparent, may get to losses orientation on display. "
    "Recommend mark box 'Safe scheme', which forbid "
    "storage transparent diagram.",
    "Abstreichen Fach an Element sich Objekt am Bildschirm "
    "kommt vor transparent. Bis wohin mehr der "
    "Elemente laufen lassen transparent, es kommen kann zu "
    "Orientierungsverlust am Bildschirm. Empfehlen "
    "bezeichnen Fach 'Sicher Schema', die unzulässige "
    "Aufspeicherung transparent Schema."};

// The mark in the name box while the name holds the word that ends a name in the file.
inline constexpr LocalisedText NameWarning{
    "Název se slovem Data nelze načíst zpět: uložený soubor už nepůjde znovu otevřít.",
    "A name with the word Data in it cannot be read back: the saved file will not open again.",
    "Ein Name mit dem Wort Data kann nicht zurückgelesen werden: Die gespeicherte Datei lässt "
    "sich nicht wieder öffnen."};

// Tool tips of the icon buttons, which are also their accessible names.
inline constexpr LocalisedText RefreshButton{"Obnovit", "Refresh", "Erfrischen"};
inline constexpr LocalisedText MixColourButton{"Namíchat barvu", "Mix Color", "Farbe mixen"};
inline constexpr LocalisedText FlashHelpButton{"Nápověda", "Help", "Hilfe"};
inline constexpr LocalisedText SafeSchemeHelpButton{"Nápověda", "Help", "Hilfe"};

// The tabs of the colour frame: three palettes named alike in every language, then the custom
// colour.
inline constexpr LocalisedText TabS55{"S55", "S55", "S55"};
inline constexpr LocalisedText Tab256{"256", "256", "256"};
inline constexpr LocalisedText Tab16bit{"16bit", "16bit", "16bit"};
inline constexpr LocalisedText TabCustom{"Vlastní", "Custom", "Speziell"};
// What a screen reader hears of a palette picture: the colour at its keyboard point.
inline constexpr LocalisedText ColourAtKeyboardPoint{
    "Červená %1, zelená %2, modrá %3", "Red %1, green %2, blue %3", "Rot %1, grün %2, blau %3"};

inline constexpr LocalisedText mnuSouborTOP{"Soubor", "File", "Datei"};
inline constexpr LocalisedText mnuNovyIco{"Nový", "New", "Neu"};
inline constexpr LocalisedText mnuBlueIco{"Modrá", "Blue", "Blau"};
inline constexpr LocalisedText mnuRedIco{"Červená", "Red", "Rot"};
inline constexpr LocalisedText mnuGreenIco{"Zelená", "Green", "Grün"};
inline constexpr LocalisedText mnuOtevritIco{"Otevřít", "Open", "Öffnen"};
inline constexpr LocalisedText mnuOtevritPosledniIco{"Otevřít poslední", "Open Recent",
                                                     "Öffnen rezent"};
// mnuRecent1Ico .. mnuRecent5Ico while their entry of the recent files is empty.
inline constexpr LocalisedText EmptyRecentItem{"(žádný)", "(none)", "(nichts)"};
inline constexpr LocalisedText mnuMobilExplorerIco{"S55 Explorer", "S55 Explorer", "S55 Explorer"};
inline constexpr LocalisedText mnuUlozitIco{"Uložit", "Save", "Speichern"};
inline constexpr LocalisedText mnuSaveAsIco{"Uložit jako...", "Save As...", "Speichern als..."};
inline constexpr LocalisedText mnuKonecIco{"Konec", "Exit", "Beenden"};
inline constexpr LocalisedText mnuEditTOP{"Úpravy", "Edit", "Herrstellungen"};
inline constexpr LocalisedText mnuUndoIco{"Zpět", "Undo", "Zurück"};
inline constexpr LocalisedText mnuRedoIco{"Znovu", "Redo", "Wieder"};
inline constexpr LocalisedText mnuToolsTOP{"Nástroje", "Tools", "Werkzeuge"};
inline constexpr LocalisedText mnuLanguageIco{"Jazyk", "Language", "Sprache"};
// The language items name each language in its own words, whatever the interface speaks.
inline constexpr LocalisedText mnuCzechIco{"Čeština", "Čeština", "Čeština"};
inline constexpr LocalisedText mnuEnglishIco{"English", "English", "English"};
inline constexpr LocalisedText mnuDeutschIco{"Deutsch", "Deutsch", "Deutsch"};
inline constexpr LocalisedText mnuAsoIco{"Asociace souboru", "File Association",
                                         "Datei Assoziation"};
inline constexpr LocalisedText mnuReadabilityIco = ReadabilityTexts::ReadabilityWindowTitle;
inline constexpr LocalisedText mnuNapovedaTOP{"Nápověda", "Help", "Hilfe"};
inline constexpr LocalisedText mnuSecureIco{"Bezpečné schéma", "Safe Scheme", "Sicher Schema"};
inline constexpr LocalisedText mnuFlashIco{"Bliknutí při...", "Flash on Select",
                                           "Beim Wählen aufblitzen"};
inline constexpr LocalisedText mnuLinksIco{"Odkazy", "Links", "WWW"};
inline constexpr LocalisedText mnuAboutIco{"O programu", "About", "Applikation"};

// The text for the language, or the built-in Czech one for a word that selects no language.
inline QString Caption(const LocalisedText& text, Language language) {
    return text.inOrBuiltIn(language);
}

// The association item alone was built with another text than its Czech caption.
inline QString AssociationCaption(Language language) {
    return mnuAsoIco.in(language).value_or(QStringLiteral("Asociace *.col"));
}

} // namespace MainWindowTexts
