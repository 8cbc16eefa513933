#include "editor/language_command.h"

#include "editor/editor.h"
#include "editor/element_list_handlers.h"
#include "host/settings_store.h"

namespace {
const QString SettingsKey = QStringLiteral("Tesmira\\ZEF\\Settings");
const QString LanguageValue = QStringLiteral("Language");
} // namespace

QString ReadStoredLanguage(const SettingsStore& settings) {
    return settings.ReadRegValue(SettingsKey, LanguageValue, RegValueKind::String).toString();
}

void ApplyLanguageCommand(Editor& editor, const QString& word) {
    editor.language = LanguageFromWord(word);
    editor.settings.WriteRegValue(SettingsKey, LanguageValue, word, RegValueKind::String);
    FillElementNames(editor);
    CaptionRecentMenu(editor);
}

void StoreChosenLanguage(SettingsStore& settings, const QString& word) {
    settings.WriteRegValue(SettingsKey, LanguageValue, word, RegValueKind::String);
    for (int k = 1; k <= RecentFiles::Count; ++k) {
        settings.WriteRegValue(QStringLiteral("Tesmira\\ZEF\\Recent"),
                               QStringLiteral("File%1").arg(k), QString(), RegValueKind::String);
    }
}
