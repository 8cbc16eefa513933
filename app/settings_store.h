#pragma once

#include <QString>
#include <QVariant>

// The kinds of value the store holds: text, or a 32-bit number.
enum class RegValueKind { String = 0, Integer = 1 };

// The program's settings, in an INI file: $ZEF_SETTINGS when it is set, otherwise
// Tesmira/ZEF.conf in the user's configuration folder. Keys are named as the program has always
// named them ("Tesmira\ZEF\Settings", "Tesmira\ZEF\Recent"); each key is a group of the file.
// A missing or unreadable file reads as empty and a failed write is silent: settings never stop
// the editor.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}
    static SettingsStore FromEnvironment();

    const QString& filePath() const { return filePath_; }

    // An empty QVariant when the value is missing.
    QVariant ReadRegValue(const QString& key, const QString& valueName, RegValueKind kind) const;
    void WriteRegValue(const QString& key, const QString& valueName, const QVariant& value,
                       RegValueKind kind);
    void CreateRegKey(const QString& key);

private:
    QString filePath_;
};
