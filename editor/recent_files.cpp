#include "editor/recent_files.h"

#include "i18n/main_window_texts.h"

#include "editor/document_commands.h"
#include "editor/editor.h"
#include "host/settings_store.h"

namespace {

const QString RecentKey = QStringLiteral("Tesmira\\ZEF\\Recent");

QString ValueName(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

void AddRecentFile(RecentFiles& recent, SettingsStore& settings, const QString& path) {
    for (int j = RecentFiles::Count - 1; j >= 1; --j)
        recent.entries[j] = recent.entries[j - 1];
    recent.entries[0] = path;
    for (int k = 0; k < RecentFiles::Count; ++k)
        settings.writeSetting(RecentKey, ValueName(k), recent.entries[k], SettingKind::String);
}

void ReadRecentFiles(Editor& editor) {
    for (int k = 0; k < RecentFiles::Count; ++k) {
        editor.recentFiles.entries[k] =
            editor.settings.readSetting(RecentKey, ValueName(k), SettingKind::String).toString();
    }
    UpdateRecentMenu(editor);
}

void CaptionRecentMenu(Editor& editor) {
    const std::optional<QString> caption = MainWindowTexts::EmptyRecentItem.in(editor.language);
    if (!caption)
        return;
    for (int k = 0; k < RecentFiles::Count; ++k) {
        if (editor.recentFiles.entries[k].isEmpty())
            editor.recentMenu.captions[k] = *caption;
    }
}

void UpdateRecentMenu(Editor& editor) {
    for (int k = 0; k < RecentFiles::Count; ++k) {
        const QString& path = editor.recentFiles.entries[k];
        if (path.isEmpty())
            continue;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        if (slash >= 0)
            editor.recentMenu.captions[k] = path.mid(slash + 1);
    }
}

void OpenRecentFile(Editor& editor, int index) {
    if (index < 0 || index >= RecentFiles::Count)
        return;
    // A copy: a successful read moves the entries down.
    const QString path = editor.recentFiles.entries[index];
    if (path.isEmpty())
        return;
    OpenSchemeFromPath(editor, path);
}
