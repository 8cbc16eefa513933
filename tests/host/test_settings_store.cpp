#include "host/settings_store.h"
#include "test_files.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

const QString SettingsKey = QStringLiteral("Tesmira\\ZEF\\Settings");
const QString RecentKey = QStringLiteral("Tesmira\\ZEF\\Recent");

QString StoredLanguage(const SettingsStore& store) {
    return store.readSetting(SettingsKey, "Language", SettingKind::String).toString();
}

// A settings file of the given size that holds a language, padded with a comment.
QByteArray Padded(qint64 size) {
    const QByteArray start = "[Settings]\nLanguage=Czech\n;";
    return start + QByteArray(size - start.size() - 1, 'x') + '\n';
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void valuesReadBackAsWritten() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("config/Tesmira/ZEF.conf"));
        SettingsStore store(path);
        // A fresh store reads empty, and reading creates nothing.
        QCOMPARE(StoredLanguage(store), QString());
        QVERIFY(!QFile::exists(path));
        // Each key is a group named by its last level; the folders are made.
        const QString odd = QStringLiteral("/home/jiří/schémata, nová/a=b;c.col");
        store.writeSetting(SettingsKey, "Language", QStringLiteral("Deutsch"), SettingKind::String);
        store.writeSetting(SettingsKey, "Count", -123456, SettingKind::Integer);
        store.writeSetting(RecentKey, "File1", odd, SettingKind::String);
        QSettings file(path, QSettings::IniFormat);
        QCOMPARE(file.allKeys(),
                 (QStringList{"Recent/File1", "Settings/Count", "Settings/Language"}));
        QCOMPARE(file.value("Recent/File1"), QVariant(odd));
        QCOMPARE(StoredLanguage(store), QStringLiteral("Deutsch"));
        QCOMPARE(store.readSetting(RecentKey, "File1", SettingKind::String), QVariant(odd));
        QCOMPARE(store.readSetting(SettingsKey, "Count", SettingKind::Integer), QVariant(-123456));
        QCOMPARE(store.readSetting(SettingsKey, "Count", SettingKind::String), QVariant("-123456"));
        // Text that is no number, and a value that is not there, read as nothing.
        QVERIFY(!store.readSetting(SettingsKey, "Language", SettingKind::Integer).isValid());
        QVERIFY(!store.readSetting(RecentKey, "Language", SettingKind::String).isValid());
        // Without $ZEF_SETTINGS the user's configuration folder holds the file.
        QStandardPaths::setTestModeEnabled(true);
        qunsetenv("ZEF_SETTINGS");
        QVERIFY(SettingsStore::fromEnvironment().filePath().endsWith("/Tesmira/ZEF.conf"));
    }

    // A store the program cannot use reads what it can, never hangs, and keeps only what it can.
    // Permissions hold for the test as for any user.
    void aBrokenStoreReadsEmptyAndDropsWrites_data() {
        QTest::addColumn<QByteArray>("bytes"); // "folder", "pipe", or the file's bytes
        QTest::addColumn<int>("permissions");  // of the settings file, or its folder for "folder"
        QTest::addColumn<QString>("language"); // what reads from the broken file
        QTest::addColumn<bool>("writable");
        QByteArray garbage; // control characters, NULs, brackets and invalid UTF-8
        for (int i = 0; i < 5000; ++i)
            garbage.append(char((i * 7919 + 13) % 256));
        QTest::newRow("corrupt bytes") << garbage << 0x6666 << "" << true;
        QTest::newRow("a stored object, not ours")
            << QByteArray(
                   "[Settings]\nLanguage=Czech\nCount=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n")
            << 0x6666 << "" << false;
        QTest::newRow("largest file") << Padded(MaxSettingsFileSize) << 0x6666 << "Czech" << true;
        QTest::newRow("huge file") << Padded(MaxSettingsFileSize + 1) << 0x6666 << "" << false;
        QTest::newRow("read-only file") << Padded(100) << 0x4444 << "Czech" << false;
        QTest::newRow("read-only folder") << QByteArray("folder") << 0x5555 << "" << false;
        QTest::newRow("folder in its place") << QByteArray("zef.conf/") << 0x7777 << "" << false;
        QTest::newRow("pipe") << QByteArray("pipe") << 0x6666 << "" << false;
    }
    void aBrokenStoreReadsEmptyAndDropsWrites() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, permissions);
        QFETCH(QString, language);
        QFETCH(bool, writable);
        QTemporaryDir settings;
        const QString path = settings.filePath(QStringLiteral("zef.conf"));
        if (bytes == "pipe")
            mkfifo(QFile::encodeName(path).constData(), 0600);
        else if (bytes == "zef.conf/")
            QDir(settings.path()).mkdir(QStringLiteral("zef.conf"));
        else if (bytes != "folder")
            WriteFile(path, bytes);
        QFile::setPermissions(settings.path(), QFileDevice::Permissions(0x7777));
        QFile::setPermissions(bytes == "folder" ? settings.path() : path,
                              QFileDevice::Permissions(permissions));
        const QByteArray before = QFileInfo(path).isFile() ? Contents(path) : QByteArray();
        {
            const auto asAUser = EnforcePermissions();
            SettingsStore store(path);
            QCOMPARE(StoredLanguage(store), language);
            store.writeSetting(SettingsKey, "Language", QStringLiteral("Deutsch"),
                               SettingKind::String);
            // What a store of the same file reads afterwards, as the next run would.
            QCOMPARE(StoredLanguage(SettingsStore(path)),
                     writable ? QStringLiteral("Deutsch") : language);
        }
        if (!writable && QFileInfo(path).isFile())
            QCOMPARE(Contents(path), before);
        QCOMPARE(
            QDir(settings.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            bytes == "folder" ? QStringList() : QStringList{"zef.conf"});
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
