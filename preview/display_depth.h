#pragma once

#include "app/user_dialogs.h"
#include "i18n/language.h"

// The editor needs at least 16 bits per pixel; below that it says so (in the interface
// language, nothing for a word that selects no language) and ends.
constexpr int MinimumDisplayDepth = 16;
void ShowDisplayDepthMessage(UserDialogs& dialogs, Language language);
