// Feeds arbitrary bytes to the settings store as the contents of its file: whatever the bytes,
// reading gives a value or nothing, and a value written afterwards reads back as written or
// leaves the file as it was.
#include "host/settings_store.h"
#include "memory_folder.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder(MemoryFolderTemplate(QStringLiteral("zef-fuzz")));
    static int run = 0;
    // A name of its own for every run, so that nothing remembered about an earlier file of the
    // same name can hide what this one holds.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path =
        WriteFile(folder.filePath(QStringLiteral("zef-%1.conf").arg(++run)), bytes);
    SettingsStore store(path);
    const QString key = QStringLiteral("Tesmira\\ZEF\\Settings");
    store.readSetting(key, "Language", SettingKind::String);
    store.readSetting(key, "Count", SettingKind::Integer);
    // A write is taken whole, or refused with the file left exactly as it was.
    store.writeSetting(key, "Language", QStringLiteral("English"), SettingKind::String);
    store.writeSetting(key, "Count", 1234, SettingKind::Integer);
    const bool taken =
        store.readSetting(key, "Language", SettingKind::String) == QVariant("English") &&
        store.readSetting(key, "Count", SettingKind::Integer) == QVariant(1234);
    if (!taken && Contents(path) != bytes)
        std::abort();
    QFile::remove(path);
    return 0;
}
