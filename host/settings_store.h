#pragma once

#include <QString>
#include <QVariant>

// The kinds of value the store holds: text, or a 32-bit number.
enum class SettingKind { String = 0, Integer = 1 };

// The program's settings, in an INI file: $ZEF_SETTINGS when it is set, otherwise
// Tesmira/ZEF.conf in the user's configuration folder. Keys are named as the program has always
// named them ("Tesmira\ZEF\Settings", "Tesmira\ZEF\Recent"); each key is a group of the file.
// A missing or unreadable file reads as empty and a failed write is silent: settings never stop
// the editor. A file that is no regular file (a folder, a pipe) or is far larger than any
// settings file is left alone altogether: it reads as empty and writes to it are dropped.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}
    static SettingsStore fromEnvironment();

    const QString& filePath() const { return filePath_; }

    // An empty QVariant when the value is missing; a missing text reads as the empty text
    // through toString().
    QVariant readSetting(const QString& key, const QString& valueName, SettingKind kind) const;
    // Kind 0 stores the value as text, kind 1 as a 32-bit signed number.
    void writeSetting(const QString& key, const QString& valueName, const QVariant& value,
                      SettingKind kind);
    // Makes sure the store can take values below the key: creates the folders the settings file
    // goes into. An INI group itself exists as soon as it holds a value.
    void createSettingsGroup(const QString& key);

private:
    QString filePath_;
};

// No settings file of this program comes near this size.
constexpr qint64 MaxSettingsFileSize = 1024 * 1024;
