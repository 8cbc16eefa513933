#include "app/settings_store.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

// "Tesmira\ZEF\Recent" becomes the group "Recent".
QString GroupOf(const QString& key) {
    return key.section(QLatin1Char('\\'), -1);
}

} // namespace

SettingsStore SettingsStore::FromEnvironment() {
    const QString fromEnvironment = qEnvironmentVariable("ZEF_SETTINGS");
    if (!fromEnvironment.isEmpty())
        return SettingsStore(fromEnvironment);
    return SettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/Tesmira/ZEF.conf"));
}

QVariant SettingsStore::ReadRegValue(const QString& key, const QString& valueName,
                                     RegValueKind kind) const {
    QSettings file(filePath_, QSettings::IniFormat);
    const QVariant value = file.value(GroupOf(key) + QLatin1Char('/') + valueName);
    if (!value.isValid())
        return {};
    if (kind == RegValueKind::Integer) {
        bool ok = false;
        const int number = value.toInt(&ok);
        return ok ? QVariant(number) : QVariant();
    }
    return value.toString();
}

void SettingsStore::WriteRegValue(const QString& key, const QString& valueName,
                                  const QVariant& value, RegValueKind kind) {
    QSettings file(filePath_, QSettings::IniFormat);
    const QString name = GroupOf(key) + QLatin1Char('/') + valueName;
    if (kind == RegValueKind::Integer)
        file.setValue(name, value.toInt());
    else
        file.setValue(name, value.toString());
    file.sync();
}

void SettingsStore::CreateRegKey(const QString&) {
    // An INI group exists as soon as it holds a value; there is nothing to create beforehand.
}
