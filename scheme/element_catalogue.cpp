#include "scheme/element_catalogue.h"

namespace {

// Each text starts with the element number; reserved elements carry the phone's own wording.
constexpr LocalisedText ElementTexts[ElementCount] = {
    {"01 - Datum a čas/Data v adresáři", "01 - Font display date / time",
     "01 - Schrift Display Datum/Zeit innen"}, // 1
    {"02 - Podklad - Operátor/SMS/Adresář", "02 - Surface around time / date / provider",
     "02 - Schrift Display Datum/Zeit aussen / Hintergrundfarbe Standby"},       // 2
    {"03 - Záhlaví", "03 - Base window font", "03 - Basisfenstertitel Schrift"}, // 3
    {"04 - Pozadí záhlaví", "04 - Base window background",
     "04 - Basisfenstertitel Hintergrund"}, // 4
    {"05 - Číslo aktuálního menu", "05 - Base window title font number",
     "05 - Basisfenstertitel Schrift Menünummer"},                                        // 5
    {"06 - Text tlačítka v dolní části", "06 - Softkeys font", "06 - Softkeys Schrift"},  // 6
    {"07 - Pozadí tlačítek 06", "07 - Softkeys background", "07 - Softkeys Hintergrund"}, // 7
    {"08 - !! Rezervované místo !!", "08 - ???", "08 - ???"},                             // 8
    {"09 - !! Rezervované místo !!", "09 - ???", "09 - ???"},                             // 9
    {"10 - !! Rezervované místo !!", "10 - ???", "10 - ???"},                             // 10
    {"11 - Adresář - Telefonní číslo", "11 - Font phone numbers",
     "11 - Textfarbe für Telefonnummern"},                                                 // 11
    {"12 - !! Rezervované místo !!", "12 - ???", "12 - Textfarbe für eMail und Homepage"}, // 12
    {"13 - Adresář - Email, Webová adresa", "13 - Font email, homepage",
     "13 - Textfarbe für Adresse"},                                                            // 13
    {"14 - !! Rezervované místo !!", "14 - ???", "14 - ???"},                                  // 14
    {"15 - Adresář - Adresa", "15 - Font address", "15 - ???"},                                // 15
    {"16 - Menu1 - Vybraná položka", "16 - Select menu font", "16 - Menüauswahl Schrift"},     // 16
    {"17 - Menu1 - Pozadí 16", "17 - Select menu background", "17 - Menüauswahl Hintergrund"}, // 17
    {"18 - Menu1 - Okraj 16 / Kalendář", "18 - Select menu border (calendar border)",
     "18 - Menüauswahl Rahmen (Kalender Auswahl Rahmen)"}, // 18
    {"19 - Menu1 - Stín vybrané položky", "19 - Select menu shaddow",
     "19 - Menüauswahl Schatten"}, // 19
    {"20 - Menu1 - Nevybrané položky", "20 - Menu font not selected",
     "20 - Menü Text nicht ausgewählt"},                                                  // 20
    {"21 - Menu1 - Pozadí", "21 - Text menu background", "21 - Textmenüs Hintergrund"},   // 21
    {"22 - Stín záhlaví", "22 - Base window shaddow", "22 - Basisfenstertitel Schatten"}, // 22
    {"23 - Operátor - vnitřní text", "23 - Provider font inner",
     "23 - Providername Text innen"}, // 23
    {"24 - Operátor - vnější text", "24 - Provider font border",
     "24 - Providername Text aussen"},                                          // 24
    {"25 - Indikátor MARK - text", "25 - Marked text", "25 - Markierter Text"}, // 25
    {"26 - Indikátor MARK - pozadí", "26 - Marked text background",
     "26 - Markierung Hintergrund"},                                                          // 26
    {"27 - Kurzor", "27 - Cursor", "27 - Cursor"},                                            // 27
    {"28 - Scroll - jezdec", "28 - Scroll mark text menu", "28 - Scrollmarkierung Textmenü"}, // 28
    {"29 - Scroll - dráha", "29 - Scrollbar text menu", "29 - Scrollleiste Textmenüs"},       // 29
    {"30 - Menu2 - nevybrané položky", "30 - Message window text not marked",
     "30 - Meldungsfenster Text nicht markiert / Meldung"}, // 30
    {"31 - Menu2 - podklad", "31 - Message window background",
     "31 - Meldungsfenster Hintergrund"}, // 31
    {"32 - Menu2 - nadpis", "32 - Message window title text",
     "32 - Meldungsfenster Titelleiste Text"}, // 32
    {"33 - Menu2 - podklad pod nadpis", "33 - Message window title text background",
     "33 - Meldungsfenster Titelleiste Hintergrund"},                                         // 33
    {"34 - Menu2 - okraj okna", "34 - Message window border", "34 - Meldungsfenster Rahmen"}, // 34
    {"35 - Menu2 - stín okna", "35 - Message window shaddow",
     "35 - Meldungsfenster Schatten"}, // 35
    {"36 - Menu2 - vybraná položka", "36 - Message window text marked",
     "36 - Meldungsfenster Text markiert"}, // 36
    {"37 - Menu2 - podklad vybrané položky", "37 - Message window text marked background",
     "37 - Meldungsfenster Text markiert Markierungsbalken"}, // 37
    {"38 - Menu2 - stín podkladu pod nadpis", "38 - Message window title border shaddow",
     "38 - Meldungsfenster Titelleiste Schatten"}, // 38
    {"39 - Stavový řádek - podklad", "39 - Statusbar background",
     "39 - Statusbalken Hintergrund"},                                                     // 39
    {"40 - Stavový řádek - výplň", "40 - Statusbar filling", "40 - Statusbalken Füllung"}, // 40
    {"41 - Stavový řádek - okraj", "41 - Statusbar border", "41 - Statusbalken Rahmen"},   // 41
    {"42 - Ikony/tlačítka - obrys", "42 - Radiobutton / symbol border",
     "42 - Radiobutton / Symbol Rahmen"}, // 42
    {"43 - Ikony/tlačítka - výplň", "43 - Radiobutton / symbol background 1",
     "43 - Radiobutton / Symbol Hintergrund 1"}, // 43
    {"44 - Ikony/tlačítka - okraj/vybrané", "44 - Radiobutton selection",
     "44 - Radiobutton Auswahl"}, // 44
    {"45 - Ikony/tlačítka - jeho okoli", "45 - Radiobutton / symbol background 2",
     "45 - Radiobutton / Symbol Hintergrund 2"}, // 45
    {"46 - Kalendář - podklad", "46 - Calendar date background",
     "46 - Kalender Datum Hintergrund"},                      // 46
    {"47 - !! Rezervované místo !!", "47 - ???", "47 - ???"}, // 47
    {"48 - Kalendář - narozeniny", "48 - Calendar mark / birthday",
     "48 - Kalender Markierung / Geburtstag"},                                          // 48
    {"49 - !! Rezervované místo !!", "49 - ???", "49 - ???"},                           // 49
    {"50 - !! Rezervované místo !!", "50 - ???", "50 - ???"},                           // 50
    {"51 - !! Rezervované místo !!", "51 - ???", "51 - ???"},                           // 51
    {"52 - Kalendář - text", "52 - Calendar date text", "52 - Kalender Datum Text"},    // 52
    {"53 - !! Rezervované místo !!", "53 - ???", "53 - ???"},                           // 53
    {"54 - WAP - odkaz", "54 - WAP Browser - link", "54 - WAP Browser Link auf Seite"}, // 54
    {"55 - WAP - navštívený odkaz", "55 - WAP Browser - visitor link",
     "55 - WAP Browser Link (besucht)"},                                               // 55
    {"56 - Název textového pole", "56 - Form field text", "56 - Formularfelder Text"}, // 56
    {"57 - Textové pole / SMS text", "57 - Text input preset text",
     "57 - Texteingabe fertiger Text"}, // 57
    {"58 - Pozadí pod ikony", "58 - Iconmenu background",
     "58 - Iconmenü Hintergrund (1. Menüebene)"},             // 58
    {"59 - !! Rezervované místo !!", "59 - ???", "59 - ???"}, // 59
    {"60 - !! Rezervované místo !!", "60 - ???", "60 - ???"}, // 60
};

} // namespace

std::optional<QString> ElementText(int element, Language language) {
    if (element < 1 || element > ElementCount)
        return std::nullopt;
    return ElementTexts[element - 1].in(language);
}
