#include "app/settings_store.h"
#include "editor_fixture.h"
#include "i18n/language_command.h"
#include "scheme/document_commands.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <optional>
#include <sys/stat.h>

namespace {

const QString SettingsKey = QStringLiteral("Tesmira\\ZEF\\Settings");
const QString RecentKey = QStringLiteral("Tesmira\\ZEF\\Recent");

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A settings file of the given size that holds a language, padded with a comment.
QByteArray Padded(qint64 size) {
    const QByteArray start = "[Settings]\nLanguage=Czech\n;";
    return start + QByteArray(size - start.size() - 1, 'x') + '\n';
}

// The ways a settings file can be unusable.
enum class Broken { Garbage, Largest, Huge, Folder, ReadOnlyFile, ReadOnlyFolder, Pipe };

// Makes the settings path of the folder broken in the given way. The folder is opened to other
// users, so that a test can look at it as one (PermissionsEnforced).
QString Break(const QTemporaryDir& folder, Broken how) {
    const QString path = folder.filePath(QStringLiteral("zef.conf"));
    QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7755));
    QByteArray garbage; // control characters, NULs, brackets and invalid UTF-8
    for (int i = 0; i < 5000; ++i)
        garbage.append(char((i * 7919 + 13) % 256));
    switch (how) {
    case Broken::Garbage:
        Write(path, garbage);
        break;
    case Broken::Largest:
        Write(path, Padded(MaxSettingsFileSize));
        break;
    case Broken::Huge:
        Write(path, Padded(MaxSettingsFileSize + 1));
        break;
    case Broken::Folder:
        QDir(folder.path()).mkdir(QStringLiteral("zef.conf"));
        break;
    case Broken::ReadOnlyFile:
        Write(path, "[Settings]\nLanguage=Czech\n");
        QFile::setPermissions(path, QFileDevice::Permissions(0x4444));
        break;
    case Broken::ReadOnlyFolder:
        QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x5555));
        break;
    case Broken::Pipe:
        mkfifo(QFile::encodeName(path).constData(), 0600);
        break;
    }
    return path;
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void valuesReadBackAsWritten();
    void theEditorGoesOnWithABrokenStore_data();
    void theEditorGoesOnWithABrokenStore();
    void theEnvironmentChoosesTheFile();
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

    SettingsStore(folder.filePath("made/by/key.conf")).CreateRegKey("Software\\Tesmira\\ZEF");
    QVERIFY(QDir(folder.filePath(QStringLiteral("made/by"))).exists());
}

void TestSettingsStore::theEditorGoesOnWithABrokenStore_data() {
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("language"); // what reads from the broken file
    QTest::addColumn<bool>("writable");
    QTest::newRow("corrupt bytes") << int(Broken::Garbage) << "" << true;
    QTest::newRow("largest file") << int(Broken::Largest) << "Czech" << true;
    QTest::newRow("huge file") << int(Broken::Huge) << "" << false;
    QTest::newRow("folder") << int(Broken::Folder) << "" << false;
    QTest::newRow("read-only file") << int(Broken::ReadOnlyFile) << "Czech" << false;
    QTest::newRow("read-only folder") << int(Broken::ReadOnlyFolder) << "" << false;
    QTest::newRow("pipe") << int(Broken::Pipe) << "" << false;
}

// Settings never stop the editor: an edit survives the language command, is saved, and a file
// opens; the store keeps only what it can.
void TestSettingsStore::theEditorGoesOnWithABrokenStore() {
    QFETCH(int, how);
    QFETCH(QString, language);
    QFETCH(bool, writable);
    EditorFixture f;
    const QString scheme = f.writeFile(QStringLiteral("opened.col"), SchemeFileBytes("Opened"));
    // The settings file lives in a folder of its own, so that a read-only settings file does
    // not keep the scheme files from being written.
    QTemporaryDir settingsFolder;
    const QString path = Break(settingsFolder, Broken(how));
    const QByteArray before = QFileInfo(path).isFile() ? Contents(path) : QByteArray();
    f.editor.settings = SettingsStore(path);
    std::optional<PermissionsEnforced> asAUser;
    if (Broken(how) == Broken::ReadOnlyFile || Broken(how) == Broken::ReadOnlyFolder) {
        QFile::setPermissions(f.folder.path(), QFileDevice::Permissions(0x7777));
        asAUser.emplace();
    }
    QCOMPARE(ReadStoredLanguage(f.editor.settings), language);
    ReadRecentFiles(f.editor);
    QCOMPARE(f.editor.recentFiles.entries, RecentFiles().entries);

    f.editor.document.elementColour[7] = MakeColour(1, 2, 3);
    f.editor.document.modified = true;
    ApplyLanguageCommand(f.editor, QStringLiteral("Deutsch"));
    QCOMPARE(f.editor.language, Language::German);
    QVERIFY(f.editor.document.modified);
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
    asAUser.reset();
    if (!writable && QFileInfo(path).isFile())
        QCOMPARE(Contents(path), before);
    QCOMPARE(QDir(settingsFolder.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
             Broken(how) == Broken::ReadOnlyFolder ? QStringList() : QStringList{"zef.conf"});
}

void TestSettingsStore::theEnvironmentChoosesTheFile() {
    QStandardPaths::setTestModeEnabled(true); // never near the user's own settings
    qputenv("ZEF_SETTINGS", "/tmp/portable/zef.conf");
    QCOMPARE(SettingsStore::FromEnvironment().filePath(), QStringLiteral("/tmp/portable/zef.conf"));
    qunsetenv("ZEF_SETTINGS");
    QVERIFY(SettingsStore::FromEnvironment().filePath().endsWith("/Tesmira/ZEF.conf"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
