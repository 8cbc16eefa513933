#pragma once

#include <QString>
#include <array>

class SettingsStore;

// The five most recently read scheme files, entry 0 the newest; an empty text is an empty entry.
struct RecentFiles {
    static constexpr int Count = 5;
    std::array<QString, Count> entries;
};

// Puts a path at the top (without looking for an older copy of it) and stores the list as
// "File1" to "File5" under "Tesmira\ZEF\Recent".
void AddRecentFile(RecentFiles& recent, SettingsStore& settings, const QString& path);
