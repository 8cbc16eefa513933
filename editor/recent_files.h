#pragma once

#include "i18n/main_window_texts.h"

#include <QString>
#include <array>

class Editor;
class SettingsStore;

// The five most recently read scheme files, entry 0 the newest; an empty text is an empty entry.
struct RecentFiles {
    static constexpr int Count = 5;
    std::array<QString, Count> entries;
};

// The captions of the five recent items of the File menu (mnuRecent1Ico .. mnuRecent5Ico).
// All five are always shown and can always be chosen; an item for an empty entry does nothing.
// Until a language captions them they read as built in, in Czech.
struct RecentMenu {
    RecentMenu() { captions.fill(QString::fromUtf8(MainWindowTexts::EmptyRecentItem.czech)); }
    std::array<QString, RecentFiles::Count> captions;
};

// Puts a path at the top (without looking for an older copy of it) and stores the list as
// "File1" to "File5" under "Tesmira\ZEF\Recent".
void AddRecentFile(RecentFiles& recent, SettingsStore& settings, const QString& path);

// Reads "File1" to "File5" from the store into the list and captions the filled items, as the
// start-up does after the menus got their captions.
void ReadRecentFiles(Editor& editor);

// The menu captioning for the editor's language, as far as the recent items go: each item whose
// entry is empty reads "(žádný)", "(none)" or "(nichts)"; filled items keep their file names.
// A word that selects no language changes nothing.
void CaptionRecentMenu(Editor& editor);

// Brings the items of filled entries in line with the list: each shows the file-name part of
// its path (the text after the last "/"); a path without "/" leaves the item's caption as it
// was. Items of empty entries are not touched.
void UpdateRecentMenu(Editor& editor);

// Recent item index (0 to 4) chosen: nothing for an empty entry; otherwise the path opens as
// any path from outside does (OpenSchemeFromPath). A file that is gone shows the read error and
// stays in the list.
void OpenRecentFile(Editor& editor, int index);
