#include "editor/document_commands.h"
#include "editor/language_command.h"
#include "editor_fixture.h"
#include "host/settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <sys/stat.h>

namespace {

const QString SettingsKey = QStringLiteral("Tesmira\\ZEF\\Settings");
const QString RecentKey = QStringLiteral("Tesmira\\ZEF\\Recent");

// A settings file of the given size that holds a language, padded with a comment.
QByteArray Padded(qint64 size) {
    const QByteArray start = "[Settings]\nLanguage=Czech\n;";
    return start + QByteArray(size - start.size() - 1, 'x') + '\n';
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void valuesReadBackAsWritten();
    void theEditorGoesOnWithABrokenStore_data();
    void theEditorGoesOnWithABrokenStore();
};

void TestSettingsStore::valuesReadBackAsWritten() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("config/Tesmira/ZEF.conf"));
    SettingsStore store(path);
    // A fresh store reads empty, and reading creates nothing.
    QCOMPARE(ReadStoredLanguage(store), QString());
    QVERIFY(!QFile::exists(path));

    // Each key is a group of its own, named by the key's last level; the folders are made.
    const QString odd = QStringLiteral("/home/jiří/schémata, nová/a=b;c.col");
    store.WriteRegValue(SettingsKey, "Language", QStringLiteral("Deutsch"), RegValueKind::String);
    store.WriteRegValue(SettingsKey, "Count", -123456, RegValueKind::Integer);
    store.WriteRegValue(RecentKey, "File1", odd, RegValueKind::String);
    QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.allKeys(), (QStringList{"Recent/File1", "Settings/Count", "Settings/Language"}));
    QCOMPARE(file.value("Recent/File1"), QVariant(odd));

    QCOMPARE(store.ReadRegValue(SettingsKey, "Language", RegValueKind::String),
             QVariant("Deutsch"));
    QCOMPARE(store.ReadRegValue(RecentKey, "File1", RegValueKind::String), QVariant(odd));
    QCOMPARE(store.ReadRegValue(SettingsKey, "Count", RegValueKind::Integer), QVariant(-123456));
    QCOMPARE(store.ReadRegValue(SettingsKey, "Count", RegValueKind::String), QVariant("-123456"));
    // Text that is no number, and a value that is not there, read as nothing.
    QVERIFY(!store.ReadRegValue(SettingsKey, "Language", RegValueKind::Integer).isValid());
    QVERIFY(!store.ReadRegValue(RecentKey, "Language", RegValueKind::String).isValid());

    // $ZEF_SETTINGS names the file, else the user's configuration folder holds it.
    QStandardPaths::setTestModeEnabled(true);
    qputenv("ZEF_SETTINGS", "/tmp/portable/zef.conf");
    QCOMPARE(SettingsStore::FromEnvironment().filePath(), QStringLiteral("/tmp/portable/zef.conf"));
    qunsetenv("ZEF_SETTINGS");
    QVERIFY(SettingsStore::FromEnvironment().filePath().endsWith("/Tesmira/ZEF.conf"));
}

void TestSettingsStore::theEditorGoesOnWithABrokenStore_data() {
    QTest::addColumn<QByteArray>("bytes"); // "folder", "pipe", or the file's bytes
    QTest::addColumn<int>("permissions");  // of the settings file, or its folder for "folder"
    QTest::addColumn<QString>("language"); // what reads from the broken file
    QTest::addColumn<bool>("writable");
    QByteArray garbage; // control characters, NULs, brackets and invalid UTF-8
    for (int i = 0; i < 5000; ++i)
        garbage.append(char((i * 7919 + 13) % 256));
    QTest::newRow("corrupt bytes") << garbage << 0x6666 << "" << true;
    QTest::newRow("largest file") << Padded(MaxSettingsFileSize) << 0x6666 << "Czech" << true;
    QTest::newRow("huge file") << Padded(MaxSettingsFileSize + 1) << 0x6666 << "" << false;
    QTest::newRow("read-only file") << Padded(100) << 0x4444 << "Czech" << false;
    QTest::newRow("read-only folder") << QByteArray("folder") << 0x5555 << "" << false;
    QTest::newRow("folder in its place") << QByteArray("zef.conf/") << 0x7777 << "" << false;
    QTest::newRow("pipe") << QByteArray("pipe") << 0x6666 << "" << false;
}

// Settings never stop the editor: the edit survives the language command, is saved, and a
// file opens; the store keeps only what it can. Permissions hold for the test as for any user.
void TestSettingsStore::theEditorGoesOnWithABrokenStore() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, permissions);
    QFETCH(QString, language);
    QFETCH(bool, writable);
    EditorFixture f;
    const QString scheme = f.writeFile(QStringLiteral("opened.col"), SchemeFileBytes("Opened"));
    QTemporaryDir settings; // a folder of its own, so that the scheme files can be written
    const QString path = settings.filePath(QStringLiteral("zef.conf"));
    if (bytes == "pipe")
        mkfifo(QFile::encodeName(path).constData(), 0600);
    else if (bytes == "zef.conf/")
        QDir(settings.path()).mkdir(QStringLiteral("zef.conf"));
    else if (QFile file(path); bytes != "folder")
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    QFile::setPermissions(settings.path(), QFileDevice::Permissions(0x7777));
    QFile::setPermissions(bytes == "folder" ? settings.path() : path,
                          QFileDevice::Permissions(permissions));
    QFile::setPermissions(f.folder.path(), QFileDevice::Permissions(0x7777));
    f.editor.settings = SettingsStore(path);
    const QByteArray before = QFileInfo(path).isFile() ? Contents(path) : QByteArray();
    {
        const PermissionsEnforced asAUser;
        QCOMPARE(ReadStoredLanguage(f.editor.settings), language);
        ReadRecentFiles(f.editor);
        QCOMPARE(f.editor.recentFiles.entries, RecentFiles().entries);
        f.editor.document.elementColour[7] = MakeColour(1, 2, 3);
        f.editor.document.modified = true;
        ApplyLanguageCommand(f.editor, QStringLiteral("Deutsch"));
        QVERIFY(f.editor.language == Language::German && f.editor.document.modified);
        f.dialogs.saveAnswers = {f.path(QStringLiteral("saved.col"))};
        SaveScheme(f.editor);
        QVERIFY(Contents(f.path(QStringLiteral("saved.col"))).contains("\r\n1 2 3 100\r\n"));
        // The opened file goes into this run's list even when the list cannot be stored.
        QVERIFY(OpenSchemeFromPath(f.editor, scheme));
        QCOMPARE(f.editor.recentMenu.captions[0], QStringLiteral("opened.col"));
        QVERIFY(f.dialogs.messages.isEmpty());
        const SettingsStore again(path);
        QCOMPARE(ReadStoredLanguage(again), writable ? QStringLiteral("Deutsch") : language);
        QCOMPARE(again.ReadRegValue(RecentKey, "File1", RegValueKind::String),
                 writable ? QVariant(scheme) : QVariant());
    }
    if (!writable && QFileInfo(path).isFile())
        QCOMPARE(Contents(path), before);
    QCOMPARE(
        QDir(settings.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
        bytes == "folder" ? QStringList() : QStringList{"zef.conf"});
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
