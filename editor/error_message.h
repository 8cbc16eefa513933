#pragma once

#include "editor/user_dialogs.h"
#include "i18n/language.h"

// An error box: the icon (critical unless told), OK, and the title "Chyba", "Error" or "Fehler".
// For a word that selects no language nothing is shown.
void ShowErrorMessage(UserDialogs& dialogs, Language language, const LocalisedText& text,
                      MessageIcon icon = MessageIcon::Critical);
