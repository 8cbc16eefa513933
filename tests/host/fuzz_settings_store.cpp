// Feeds arbitrary bytes to the settings store as the contents of its file: whatever the bytes,
// reading gives a value or nothing, and a value written afterwards reads back as written.
#include "host/settings_store.h"
#include "memory_folder.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder(MemoryFolderTemplate(QStringLiteral("zef-fuzz")));
    static int run = 0;
    // A name of its own for every run, so that nothing remembered about an earlier file of the
    // same name can hide what this one holds.
    const QString path = folder.filePath(QStringLiteral("zef-%1.conf").arg(++run));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    SettingsStore store(path);
    const QString key = QStringLiteral("Tesmira\\ZEF\\Settings");
    store.ReadRegValue(key, "Language", RegValueKind::String);
    store.ReadRegValue(key, "Count", RegValueKind::Integer);
    if (qint64(size) <= MaxSettingsFileSize) {
        store.WriteRegValue(key, "Language", QStringLiteral("English"), RegValueKind::String);
        store.WriteRegValue(key, "Count", 1234, RegValueKind::Integer);
        if (store.ReadRegValue(key, "Language", RegValueKind::String) != QVariant("English") ||
            store.ReadRegValue(key, "Count", RegValueKind::Integer) != QVariant(1234))
            std::abort();
    }
    QFile::remove(path);
    return 0;
}
