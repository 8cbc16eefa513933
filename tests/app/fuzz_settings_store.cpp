// Feeds arbitrary bytes to the settings store as the contents of its file: whatever the bytes,
// reading gives a value or nothing, and a value written afterwards reads back as written.
#include "editor/language_command.h"
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
    ReadStoredLanguage(store);
    for (int k = 1; k <= 5; ++k)
        store.ReadRegValue(recent, QStringLiteral("File%1").arg(k), RegValueKind::String);
    store.ReadRegValue(settings, QStringLiteral("Count"), RegValueKind::Integer);

    if (qint64(size) <= MaxSettingsFileSize) {
        StoreChosenLanguage(store, QStringLiteral("English"));
        store.WriteRegValue(settings, QStringLiteral("Count"), 1234, RegValueKind::Integer);
        if (ReadStoredLanguage(store) != QLatin1String("English") ||
            store.ReadRegValue(settings, QStringLiteral("Count"), RegValueKind::Integer) !=
                QVariant(1234) ||
            !store.ReadRegValue(recent, QStringLiteral("File1"), RegValueKind::String)
                 .toString()
                 .isEmpty())
            std::abort();
    }
    QFile::remove(path);
    return 0;
}
