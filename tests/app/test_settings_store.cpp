#include "app/settings_store.h"
#include "editor_fixture.h"
#include "i18n/language_command.h"
#include "scheme/document_commands.h"
#include "scheme/undo_redo.h"

#include <QDir>
#include <QFile>
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
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Bytes no INI reader makes sense of: control characters, NULs, brackets and invalid UTF-8.
QByteArray Garbage() {
    QByteArray bytes;
    for (int i = 0; i < 5000; ++i)
        bytes.append(char((i * 7919 + 13) % 256));
    return bytes;
}

// A well-formed settings file that holds a language, padded far beyond any real one.
QByteArray HugeSettings() {
    QByteArray bytes = "[Settings]\nLanguage=Czech\n";
    while (bytes.size() <= MaxSettingsFileSize)
        bytes += "; " + QByteArray(1000, 'x') + '\n';
    return bytes;
}

// The ways a settings file can be unusable; each leaves the store empty and takes no write.
enum class Broken { Folder, ReadOnlyFile, ReadOnlyFolder, Huge, Pipe };

// Makes the settings path of the folder broken in the given way. The folder is opened to other
// users, so that a test can look at it as one (PermissionsEnforced).
QString Break(const QTemporaryDir& folder, Broken how) {
    const QString path = folder.filePath(QStringLiteral("zef.conf"));
    QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7755));
    switch (how) {
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
    case Broken::Huge:
        Write(path, HugeSettings());
        break;
    case Broken::Pipe:
        mkfifo(QFile::encodeName(path).constData(), 0600);
        break;
    }
    return path;
}

// Only the permission cases need a user that permissions stop; the others must be refused by
// the store itself.
bool NeedsAUser(int how) {
    return how == int(Broken::ReadOnlyFile) || how == int(Broken::ReadOnlyFolder);
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void valuesReadBackAsWritten();
    void aFreshStoreReadsEmpty();
    void writingCreatesTheMissingFolders();
    void unusableFilesReadEmptyAndTakeNoWrite_data();
    void unusableFilesReadEmptyAndTakeNoWrite();
    void aCorruptFileReadsEmptyAndIsWrittenAfresh();
    void theEditorGoesOnWithABrokenStore_data();
    void theEditorGoesOnWithABrokenStore();
    void theEnvironmentChoosesTheFile();
};

void TestSettingsStore::valuesReadBackAsWritten() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zef.conf"));
    SettingsStore store(path);
    store.WriteRegValue(SettingsKey, QStringLiteral("Language"), QStringLiteral("Deutsch"),
                        RegValueKind::String);
    const QString language =
        store.ReadRegValue(SettingsKey, QStringLiteral("Language"), RegValueKind::String)
            .toString();
    QCOMPARE(language, QStringLiteral("Deutsch"));
    QCOMPARE(language.size(), 7);

    // Paths keep every character, commas and letters outside Latin-1 included.
    const QString odd = QStringLiteral("/home/jiří/schémata, nová/a=b;c.col");
    store.WriteRegValue(RecentKey, QStringLiteral("File1"), odd, RegValueKind::String);
    QCOMPARE(store.ReadRegValue(RecentKey, QStringLiteral("File1"), RegValueKind::String),
             QVariant(odd));

    // Numbers: a 32-bit signed value; text that is no number reads as nothing.
    store.WriteRegValue(SettingsKey, QStringLiteral("Count"), -123456, RegValueKind::Integer);
    QCOMPARE(store.ReadRegValue(SettingsKey, QStringLiteral("Count"), RegValueKind::Integer),
             QVariant(-123456));
    QCOMPARE(store.ReadRegValue(SettingsKey, QStringLiteral("Count"), RegValueKind::String),
             QVariant(QStringLiteral("-123456")));
    QVERIFY(!store.ReadRegValue(SettingsKey, QStringLiteral("Language"), RegValueKind::Integer)
                 .isValid());

    // Each key is a group of its own, named by the key's last level.
    QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Settings/Language")).toString(), QStringLiteral("Deutsch"));
    QCOMPARE(file.value(QStringLiteral("Recent/File1")).toString(), odd);
    QVERIFY(
        !store.ReadRegValue(RecentKey, QStringLiteral("Language"), RegValueKind::String).isValid());

    // A value name that is not there under an existing key reads as the empty text.
    const QVariant missing =
        store.ReadRegValue(SettingsKey, QStringLiteral("Nothing"), RegValueKind::String);
    QVERIFY(!missing.isValid());
    QCOMPARE(missing.toString(), QString());
}

void TestSettingsStore::aFreshStoreReadsEmpty() {
    QTemporaryDir folder;
    const SettingsStore store(folder.filePath(QStringLiteral("zef.conf")));
    QCOMPARE(ReadStoredLanguage(store), QString());
    QVERIFY(
        !store.ReadRegValue(RecentKey, QStringLiteral("File1"), RegValueKind::String).isValid());
    QVERIFY(!QFile::exists(store.filePath())); // reading creates nothing
}

void TestSettingsStore::writingCreatesTheMissingFolders() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("config/Tesmira/ZEF.conf"));
    SettingsStore store(path);
    store.WriteRegValue(RecentKey, QStringLiteral("File3"), QStringLiteral("/x/y.col"),
                        RegValueKind::String);
    QVERIFY(QFile::exists(path));
    QCOMPARE(store.ReadRegValue(RecentKey, QStringLiteral("File3"), RegValueKind::String),
             QVariant(QStringLiteral("/x/y.col")));

    const QString other = folder.filePath(QStringLiteral("made/by/key.conf"));
    SettingsStore(other).CreateRegKey(QStringLiteral("Software\\Tesmira\\ZEF\\Recent"));
    QVERIFY(QDir(folder.filePath(QStringLiteral("made/by"))).exists());
}

void TestSettingsStore::unusableFilesReadEmptyAndTakeNoWrite_data() {
    QTest::addColumn<int>("how");
    QTest::addColumn<bool>("readable"); // whether the stored language can still be read
    QTest::newRow("folder") << int(Broken::Folder) << false;
    QTest::newRow("read-only file") << int(Broken::ReadOnlyFile) << true;
    QTest::newRow("read-only folder") << int(Broken::ReadOnlyFolder) << false;
    QTest::newRow("huge file") << int(Broken::Huge) << false;
    QTest::newRow("pipe") << int(Broken::Pipe) << false;
}

void TestSettingsStore::unusableFilesReadEmptyAndTakeNoWrite() {
    QFETCH(int, how);
    QFETCH(bool, readable);
    QTemporaryDir folder;
    const QString path = Break(folder, Broken(how));
    const QByteArray before = QFileInfo(path).isFile() ? Contents(path) : QByteArray();
    {
        std::optional<PermissionsEnforced> asAUser;
        if (NeedsAUser(how))
            asAUser.emplace();
        SettingsStore store(path);
        QCOMPARE(ReadStoredLanguage(store), readable ? QStringLiteral("Czech") : QString());
        StoreChosenLanguage(store, QStringLiteral("Deutsch"));
        store.WriteRegValue(SettingsKey, QStringLiteral("Count"), 5, RegValueKind::Integer);
        QCOMPARE(ReadStoredLanguage(store), readable ? QStringLiteral("Czech") : QString());
        QVERIFY(!store.ReadRegValue(SettingsKey, QStringLiteral("Count"), RegValueKind::Integer)
                     .isValid());
    }
    if (QFileInfo(path).isFile())
        QCOMPARE(Contents(path), before);
    QCOMPARE(QDir(folder.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
             Broken(how) == Broken::ReadOnlyFolder ? QStringList()
                                                   : QStringList{QStringLiteral("zef.conf")});
}

void TestSettingsStore::aCorruptFileReadsEmptyAndIsWrittenAfresh() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zef.conf"));
    Write(path, Garbage());
    SettingsStore store(path);
    QCOMPARE(ReadStoredLanguage(store), QString());
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(
            store.ReadRegValue(RecentKey, QStringLiteral("File%1").arg(k), RegValueKind::String)
                .toString(),
            QString());
    }
    // The next write leaves a store that holds what was written.
    StoreChosenLanguage(store, QStringLiteral("English"));
    QCOMPARE(ReadStoredLanguage(store), QStringLiteral("English"));
    QCOMPARE(
        SettingsStore(path).ReadRegValue(RecentKey, QStringLiteral("File5"), RegValueKind::String),
        QVariant(QString()));
}

void TestSettingsStore::theEditorGoesOnWithABrokenStore_data() {
    QTest::addColumn<int>("how"); // -1: garbage bytes
    QTest::newRow("corrupt file") << -1;
    QTest::newRow("folder") << int(Broken::Folder);
    QTest::newRow("read-only file") << int(Broken::ReadOnlyFile);
    QTest::newRow("huge file") << int(Broken::Huge);
    QTest::newRow("pipe") << int(Broken::Pipe);
}

void TestSettingsStore::theEditorGoesOnWithABrokenStore() {
    QFETCH(int, how);
    EditorFixture f;
    const QString scheme = f.writeFile(QStringLiteral("opened.col"), SchemeFileBytes("Opened"));
    // The settings file lives in a folder of its own, so that a read-only settings file does
    // not keep the scheme files from being written.
    QTemporaryDir settingsFolder;
    const QString settingsPath = how < 0 ? settingsFolder.filePath(QStringLiteral("zef.conf"))
                                         : Break(settingsFolder, Broken(how));
    if (how < 0)
        Write(settingsPath, Garbage());
    f.editor.settings = SettingsStore(settingsPath);

    std::optional<PermissionsEnforced> asAUser;
    if (NeedsAUser(how)) {
        QFile::setPermissions(f.folder.path(), QFileDevice::Permissions(0x7777));
        asAUser.emplace();
    }
    ReadRecentFiles(f.editor);
    QCOMPARE(f.editor.recentFiles.entries, RecentFiles().entries);

    // An edited scheme survives the language command and is still there to be saved.
    f.editor.document.elementColour[7] = MakeColour(1, 2, 3);
    RecordStep(f.editor, 6, MakeColour(0, 0, 192), MakeColour(1, 2, 3));
    f.editor.document.modified = true;
    ApplyLanguageCommand(f.editor, QStringLiteral("Deutsch"));
    QCOMPARE(f.editor.language, Language::German);
    QCOMPARE(f.editor.document.elementColour[7], MakeColour(1, 2, 3));
    QVERIFY(f.editor.document.modified);
    QCOMPARE(f.editor.history.historyPosition, qint16(1));

    const QString saved = f.path(QStringLiteral("saved.col"));
    f.dialogs.saveAnswers = {saved};
    SaveScheme(f.editor);
    QVERIFY(Contents(saved).contains("\r\n1 2 3 100\r\n"));
    QVERIFY(!f.editor.document.modified);

    // Opening a file puts it into the list of this run even when the list cannot be stored.
    QVERIFY(OpenSchemeFromPath(f.editor, scheme));
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Opened"));
    QCOMPARE(f.editor.recentFiles.entries[0], scheme);
    QCOMPARE(f.editor.recentMenu.captions[0], QStringLiteral("opened.col"));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestSettingsStore::theEnvironmentChoosesTheFile() {
    QStandardPaths::setTestModeEnabled(true); // never near the user's own settings
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("portable.conf"));
    qputenv("ZEF_SETTINGS", QFile::encodeName(path));
    QCOMPARE(SettingsStore::FromEnvironment().filePath(), path);
    qunsetenv("ZEF_SETTINGS");
    QVERIFY(
        SettingsStore::FromEnvironment().filePath().endsWith(QStringLiteral("/Tesmira/ZEF.conf")));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
