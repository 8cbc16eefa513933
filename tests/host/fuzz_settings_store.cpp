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
    const QString settings = QStringLiteral("Tesmira\\ZEF\\Settings");
    const QString recent = QStringLiteral("Tesmira\\ZEF\\Recent");
    const auto read = [&](const QString& key, const char* name, RegValueKind kind) {
        return store.ReadRegValue(key, QLatin1String(name), kind);
    };
    read(settings, "Language", RegValueKind::String);
    for (const char* name : {"File1", "File2", "File3", "File4", "File5"})
        read(recent, name, RegValueKind::String);
    read(settings, "Count", RegValueKind::Integer);

    if (qint64(size) <= MaxSettingsFileSize) {
        // As the first-run chooser stores its word and empties the recent list.
        store.WriteRegValue(settings, QStringLiteral("Language"), QStringLiteral("English"),
                            RegValueKind::String);
        store.WriteRegValue(recent, QStringLiteral("File1"), QString(), RegValueKind::String);
        store.WriteRegValue(settings, QStringLiteral("Count"), 1234, RegValueKind::Integer);
        if (read(settings, "Language", RegValueKind::String) != QVariant("English") ||
            read(settings, "Count", RegValueKind::Integer) != QVariant(1234) ||
            !read(recent, "File1", RegValueKind::String).toString().isEmpty())
            std::abort();
    }
    QFile::remove(path);
    return 0;
}
