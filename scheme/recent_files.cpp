#include "scheme/recent_files.h"

#include "app/settings_store.h"

void AddRecentFile(RecentFiles& recent, SettingsStore& settings, const QString& path) {
    for (int j = RecentFiles::Count - 1; j >= 1; --j)
        recent.entries[j] = recent.entries[j - 1];
    recent.entries[0] = path;
    for (int k = 0; k < RecentFiles::Count; ++k)
        settings.WriteRegValue(QStringLiteral("Tesmira\\ZEF\\Recent"),
                               QStringLiteral("File%1").arg(k + 1), recent.entries[k],
                               RegValueKind::String);
}
