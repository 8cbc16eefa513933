#pragma once

#include "i18n/language.h"

// Puts Qt's own dialogs and standard buttons (Yes, No, Cancel, the file dialogs, the colour
// chooser) into the interface language: Qt's Czech or German translation for those two, none
// for English or a word that selects no language. A call replaces what an earlier call
// installed. Nothing happens when the translation is not installed on the machine.
void InstallQtTranslations(Language language);
