#include "host/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

// "Tesmira\ZEF\Recent" becomes the group "Recent".
QString GroupOf(const QString& key) {
    return key.section(QLatin1Char('\\'), -1);
}

// Whether QSettings may be let at the file. It reads a file whole, so a huge one would cost
// the editor its memory, and reading a pipe would wait forever; a file that is not there yet is
// fine, the first write creates it.
bool MayOpen(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (!info.isFile() || info.size() > MaxSettingsFileSize)
        return false;
    // QSettings rebuilds a value stored as "@Variant(...)" from the sizes written inside it, so a
    // damaged one can ask for gigabytes. This program never stores one: such a file is not its.
    QFile file(path);
    return !file.open(QIODevice::ReadOnly) || !file.readAll().contains("@Variant(");
}

// QSettings keeps a value it could not write to an existing file in its cache and reads it back
// for the rest of the run, so a file that cannot be written is not given the write at all. A
// file that is not there yet leaves nothing behind when it cannot be created.
bool MayWrite(const QString& path) {
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    return file.open(QIODevice::ReadWrite);
}

} // namespace

SettingsStore SettingsStore::fromEnvironment() {
    const QString fromEnvironment = qEnvironmentVariable("ZEF_SETTINGS");
    if (!fromEnvironment.isEmpty())
        return SettingsStore(fromEnvironment);
    return SettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/Tesmira/ZEF.conf"));
}

QVariant SettingsStore::readSetting(const QString& key, const QString& valueName,
                                    SettingKind kind) const {
    if (!MayOpen(filePath_))
        return {};
    QSettings file(filePath_, QSettings::IniFormat);
    const QVariant value = file.value(GroupOf(key) + QLatin1Char('/') + valueName);
    if (!value.isValid())
        return {};
    if (kind == SettingKind::Integer) {
        bool ok = false;
        const int number = value.toInt(&ok);
        return ok ? QVariant(number) : QVariant();
    }
    return value.toString();
}

void SettingsStore::writeSetting(const QString& key, const QString& valueName,
                                 const QVariant& value, SettingKind kind) {
    if (!MayOpen(filePath_) || !MayWrite(filePath_))
        return;
    createSettingsGroup(key);
    QSettings file(filePath_, QSettings::IniFormat);
    const QString name = GroupOf(key) + QLatin1Char('/') + valueName;
    if (kind == SettingKind::Integer)
        file.setValue(name, value.toInt());
    else
        file.setValue(name, value.toString());
    file.sync();
}

void SettingsStore::createSettingsGroup(const QString&) {
    if (filePath_.isEmpty())
        return;
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
}
