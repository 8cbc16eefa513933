#pragma once

#include "i18n/language.h"

// The texts of the File Association dialog. The dialog was designed in Czech; for a word that
// selects no language it keeps those texts, so that its one row is always there.
namespace AssociationTexts {

inline constexpr LocalisedText AssociationDialogTitle{"Asociace souboru", "File Association",
                                                      "Datei Assoziation"};
inline constexpr LocalisedText InstructionLabel{
    "Z následujícího seznamu vyberte položky k asociaci s tímto programem.",
    "From the list below, select the file types which you would like ZEF to open when you "
    "double-click on them in Explorer.",
    "Aus des folgenden Verzeichnisses ausschöpfen des Postens zu Assoziation mit diesem "
    "Programm."};
inline constexpr LocalisedText FormatHeader{"Formát", "Format", "Format"};
inline constexpr LocalisedText DescriptionHeader{"Popis", "Description", "Legende"};
inline constexpr LocalisedText ExtensionsHeader{"Přípony", "File extensions",
                                                "Dateinameerweiterunge"};
inline constexpr LocalisedText RowDescription{"Soubor barevného schéma", "File Colour Scheme",
                                              "Datei farbig schema"};

} // namespace AssociationTexts
