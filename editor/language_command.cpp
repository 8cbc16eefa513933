#include "editor/language_command.h"

#include "editor/editor.h"
#include "editor/element_list_handlers.h"
#include "host/settings_store.h"

namespace {
const QString SettingsKey = QStringLiteral("Tesmira\\ZEF\\Settings");
const QString LanguageValue = QStringLiteral("Language");
} // namespace

QString ReadStoredLanguage(const SettingsStore& settings) {
    return settings.readSetting(SettingsKey, LanguageValue, SettingKind::String).toString();
}

void ApplyLanguageCommand(Editor& editor, const QString& word) {
    editor.language = LanguageFromWord(word);
    editor.settings.writeSetting(SettingsKey, LanguageValue, word, SettingKind::String);
    FillElementNames(editor);
    CaptionRecentMenu(editor);
}

void StoreChosenLanguage(SettingsStore& settings, const QString& word) {
    settings.writeSetting(SettingsKey, LanguageValue, word, SettingKind::String);
    for (int k = 1; k <= RecentFiles::Count; ++k) {
        settings.writeSetting(QStringLiteral("Tesmira\\ZEF\\Recent"),
                              QStringLiteral("File%1").arg(k), QString(), SettingKind::String);
    }
}
