#pragma once

#include <QString>

class Editor;
class SettingsStore;

// The stored interface language ("Language" under "Tesmira\ZEF\Settings") exactly as stored:
// empty on a first run or when the store cannot be read, and any other word kept as it is.
QString ReadStoredLanguage(const SettingsStore& settings);

// Tools > Language: the editor speaks the word from now on, the word is stored, and the element
// names and the captions of empty recent items follow it. The scheme, the options and the
// history stay as they are. The window captions itself after this.
void ApplyLanguageCommand(Editor& editor, const QString& word);

// A button of the first-run language chooser: the word is stored and the stored recent list is
// emptied. The editor's language is not set here; start-up reads it back from the store.
void StoreChosenLanguage(SettingsStore& settings, const QString& word);
