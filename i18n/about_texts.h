#pragma once

#include "i18n/language.h"

// The texts of the About dialog, by control. The dialog was designed in Czech; a word that
// selects no language keeps those texts, under the shorter built-in caption.
namespace AboutDialogTexts {

inline constexpr LocalisedText AboutDialogTitle{"O programu (ZEF - Editor barevného schéma)",
                                                "About (ZEF - Colour Scheme Editor)",
                                                "Applikation (ZEF - Editor farbig Schema)"};
inline constexpr LocalisedText TitleLabel{
    "ZEF - Editor barevného schéma", "ZEF - Colour Scheme Editor", "ZEF - Editor farbig Schema"};
inline constexpr LocalisedText VersionLabel{"verze 1.0", "version 1.0", "version 1.0"};
inline constexpr LocalisedText PurposeLabel{"Pouze pro tvorbu barevných schémat pro Siemens S55.",
                                            "Only for Siemens S55.", "Nur für Siemens S55."};
inline constexpr LocalisedText SpywareLabel{"Aplikace neobsahuje žádné SpyWare.",
                                            "Application not contain SpyWare.",
                                            "Applikation enthält SpyWare nicht."};
// The terms of use: free of charge, passed on unchanged, no warranty.
inline constexpr LocalisedText DescriptionLabel{
    "Program je freeware: smíte jej zdarma používat a šířit, pokud jej neměníte a neprodáváte. "
    "Používáte jej na vlastní nebezpečí; autor neodpovídá za žádné škody na telefonu, počítači "
    "ani datech, které by jeho použitím vznikly.",
    "This program is freeware: you may use it and pass it on free of charge, as long as you "
    "neither change nor sell it. You use it at your own risk; the author is not liable for any "
    "damage to your phone, computer or data that its use may cause.",
    "Dieses Programm ist Freeware: Sie dürfen es kostenlos benutzen und weitergeben, solange Sie "
    "es weder verändern noch verkaufen. Die Benutzung erfolgt auf eigene Gefahr; der Autor haftet "
    "nicht für Schäden an Telefon, Computer oder Daten, die durch seine Benutzung entstehen."};
inline constexpr LocalisedText ApologyLabel{"", "Behind language discrepancy I'm sorry.",
                                            "Zu Sprach Unregelmäßigkeiten sich Entschuldigungen."};
// One line in every language, with the home page it links to.
inline constexpr const char* CopyrightLink = "© 2003 Tesmira, https://www.tesmira.cz/zef/";

inline constexpr const char* BuiltInCaption = "O programu";

} // namespace AboutDialogTexts
