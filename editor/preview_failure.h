#pragma once

#include "editor/user_dialogs.h"
#include "i18n/language.h"
#include "preview/preview.h"

// The editor needs at least 16 bits per pixel; below that it says so (in the interface
// language, nothing for a word that selects no language) and ends.
void ShowDisplayDepthMessage(UserDialogs& dialogs, Language language);

// What the user is told when the preview stopped painting, before the editor ends.
void ShowPreviewFailure(UserDialogs& dialogs, Language language, PreviewFailure failure);
