#include "app/file_association.h"
#include "editor_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString ZefType = QStringLiteral("application/x-zef-colour-scheme");

// A desktop of the test's own: the user's data and configuration folders, and the system's
// configuration folders, all temporary. The system's MIME data stays, so that the database
// knows its usual types.
struct DesktopHome {
    QTemporaryDir folder;
    DesktopFolders folders{folder.filePath(QStringLiteral("data")),
                           folder.filePath(QStringLiteral("config"))};

    DesktopHome() {
        qputenv("XDG_DATA_HOME", folders.dataHome.toUtf8());
        qputenv("XDG_CONFIG_HOME", folders.configHome.toUtf8());
        qputenv("XDG_CONFIG_DIRS", folder.filePath(QStringLiteral("etc-xdg")).toUtf8());
        qputenv("XDG_DATA_DIRS", "/usr/share");
        qunsetenv("XDG_CURRENT_DESKTOP");
    }
    QString mimePackage() const { return folders.mimePackage(ZefType); }
    // Every file below the folder, as paths relative to it.
    QStringList files() const {
        QStringList found;
        const QDir root(folder.path());
        QDirIterator it(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            found.append(root.relativeFilePath(it.next()));
        found.sort();
        return found;
    }
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Write(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The keys of a desktop entry's main group.
QMap<QString, QString> DesktopKeys(const QString& path) {
    QMap<QString, QString> keys;
    const QList<QByteArray> lines = Contents(path).split('\n');
    if (lines.value(0) != "[Desktop Entry]")
        return keys;
    for (const QByteArray& line : lines) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            keys.insert(QString::fromUtf8(line.left(equals)),
                        QString::fromUtf8(line.mid(equals + 1)));
    }
    return keys;
}

struct MimePackage {
    QString type, comment, icon, glob, weight;
};

MimePackage ReadMimePackage(const QString& path) {
    MimePackage package;
    QXmlStreamReader xml(Contents(path));
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("mime-info"))
            continue;
        if (xml.name() == QLatin1String("mime-type")) {
            package.type = xml.attributes().value(QLatin1String("type")).toString();
            continue;
        }
        if (xml.name() == QLatin1String("comment")) {
            package.comment = xml.readElementText(); // reads up to its end
            continue;
        }
        if (xml.name() == QLatin1String("icon"))
            package.icon = xml.attributes().value(QLatin1String("name")).toString();
        else if (xml.name() == QLatin1String("glob")) {
            package.glob = xml.attributes().value(QLatin1String("pattern")).toString();
            package.weight = xml.attributes().value(QLatin1String("weight")).toString();
        }
        xml.skipCurrentElement();
    }
    return xml.hasError() ? MimePackage{} : package;
}

// What a program started afresh reads for ".col": Qt's MIME database looks at the desktop's
// files once and then only every few seconds, so only a new process sees a change at once.
QString HandlerSeenAfresh() {
    QProcess self;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZEF_TEST_READ_COL"), QStringLiteral("1"));
    self.setProcessEnvironment(environment);
    self.start(QCoreApplication::applicationFilePath(), {});
    if (!self.waitForFinished(30000) || self.exitCode() != 0)
        return QStringLiteral("(failed)");
    return QString::fromUtf8(self.readAllStandardOutput()).trimmed();
}

const QByteArray OtherMimeApps = "# kept by hand\n"
                                 "[Added Associations]\n"
                                 "text/plain=mousepad.desktop;\n"
                                 "\n"
                                 "[Default Applications]\n"
                                 "text/plain=gedit.desktop;\n"
                                 "image/png=gimp.desktop;\n"
                                 "\n"
                                 "[Removed Associations]\n"
                                 "text/html=firefox.desktop;\n";

} // namespace

class TestFileAssociation : public QObject {
    Q_OBJECT
private slots:
    void registeringWritesTypeEntryAndDefault();
    void theProgramPathIsOneExecArgument_data();
    void theProgramPathIsOneExecArgument();
    void extraArgumentsIconAndClassName();
    void otherLinesOfMimeappsAreKept_data();
    void otherLinesOfMimeappsAreKept();
    void twiceIsTheSameAsOnce();
    void unregisteringRemovesWhatRegisteringWrote();
    void aFileThatCannotBeWrittenIsReported();
    void theDatabaseGivesColFilesTheType();
    void anotherProgramsHandlerTicksTheRow();
    void theDialogSpeaksTheInterfaceLanguage_data();
    void theDialogSpeaksTheInterfaceLanguage();
    void theDialogsOkRegistersOrRemoves();
};

void TestFileAssociation::registeringWritesTypeEntryAndDefault() {
    DesktopHome home;
    const AssociationResult result = ApplyAssociation(true, QStringLiteral("/opt/zef/bin/zef"));
    QVERIFY2(result.ok(), qPrintable(result.problems.join(QLatin1Char('\n'))));

    const MimePackage package = ReadMimePackage(
        home.folder.filePath(QStringLiteral("data/mime/packages/x-zef-colour-scheme.xml")));
    QCOMPARE(package.type, ZefType);
    QCOMPARE(package.comment, QStringLiteral("ZEF File Colour Scheme"));
    QCOMPARE(package.glob, QStringLiteral("*.col"));
    QCOMPARE(package.icon, QStringLiteral("zef"));

    const auto entry =
        DesktopKeys(home.folder.filePath(QStringLiteral("data/applications/zef.desktop")));
    QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("\"/opt/zef/bin/zef\" %f"));
    QCOMPARE(entry.value(QStringLiteral("MimeType")), ZefType + QLatin1Char(';'));
    QCOMPARE(entry.value(QStringLiteral("Icon")), QStringLiteral("zef"));
    QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("ZEF"));

    QCOMPARE(Contents(home.folder.filePath(QStringLiteral("config/mimeapps.list"))),
             QByteArray("[Default Applications]\n"
                        "application/x-zef-colour-scheme=zef.desktop;\n"));

    // The desktop's own tools agree with what was written.
    const QString validate =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validate.isEmpty()) {
        QProcess tool;
        tool.start(validate, {home.folders.desktopEntry()});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.readAllStandardOutput() + tool.readAllStandardError(), QByteArray());
        QCOMPARE(tool.exitCode(), 0);
    }
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty()) {
        QProcess tool;
        tool.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), ZefType});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.readAllStandardOutput().trimmed(), QByteArray("zef.desktop"));
    }
}

void TestFileAssociation::theProgramPathIsOneExecArgument_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec"); // as the file holds it
    QTest::newRow("plain") << QStringLiteral("/usr/bin/zef")
                           << QStringLiteral("\"/usr/bin/zef\" %f");
    QTest::newRow("a space") << QStringLiteral("/opt/My Tools/zef")
                             << QStringLiteral("\"/opt/My Tools/zef\" %f");
    QTest::newRow("untidy") << QStringLiteral("/opt//tools/./bin/../zef")
                            << QStringLiteral("\"/opt/tools/zef\" %f");
    // Inside the quotes $ and the backslash are escaped, then the backslashes once more for the
    // file; a percent sign is doubled so that it is no field code.
    QTest::newRow("special") << QStringLiteral("/tmp/a$b%c\\d\"e/zef")
                             << QStringLiteral("\"/tmp/a\\\\$b%%c\\\\\\\\d\\\\\"e/zef\" %f");
}

void TestFileAssociation::theProgramPathIsOneExecArgument() {
    QFETCH(QString, program);
    QFETCH(QString, exec);
    DesktopHome home;
    QVERIFY(ApplyAssociation(true, program).ok());
    QCOMPARE(DesktopKeys(home.folders.desktopEntry()).value(QStringLiteral("Exec")), exec);
    const QString validate =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validate.isEmpty())
        QCOMPARE(QProcess::execute(validate, {home.folders.desktopEntry()}), 0);
}

void TestFileAssociation::extraArgumentsIconAndClassName() {
    DesktopHome home;
    QVERIFY(RegisterFileType(ZefType, QStringLiteral(".COL"), QStringLiteral("Scheme"), QString(),
                             QStringLiteral("  --depth 16 %f \t"), QStringLiteral("/usr/bin/zef"))
                .ok());
    const auto entry = DesktopKeys(home.folders.desktopEntry());
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("\"/usr/bin/zef\" --depth 16 %f"));
    // No icon given, none written.
    QVERIFY(!entry.contains(QStringLiteral("Icon")));
    const MimePackage package = ReadMimePackage(home.mimePackage());
    QCOMPARE(package.icon, QString());
    QCOMPARE(package.glob, QStringLiteral("*.col"));
    QCOMPARE(package.comment, QStringLiteral("Scheme"));

    DesktopHome empty;
    QVERIFY(RegisterFileType(QString(), QStringLiteral(".col"), QStringLiteral("Scheme"),
                             QStringLiteral("zef"), QString(), QStringLiteral("/usr/bin/zef"))
                .ok());
    QCOMPARE(empty.files(), QStringList());
}

void TestFileAssociation::otherLinesOfMimeappsAreKept_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("registered");
    QTest::newRow("other defaults")
        << OtherMimeApps
        << QByteArray(OtherMimeApps)
               .replace("image/png=gimp.desktop;\n",
                        "image/png=gimp.desktop;\napplication/x-zef-colour-scheme=zef.desktop;\n");
    QTest::newRow("no default section")
        << QByteArray("[Added Associations]\ntext/plain=mousepad.desktop;\n")
        << QByteArray("[Added Associations]\ntext/plain=mousepad.desktop;\n\n"
                      "[Default Applications]\napplication/x-zef-colour-scheme=zef.desktop;\n");
    QTest::newRow("no end of line")
        << QByteArray("[Default Applications]\ntext/plain=gedit.desktop;")
        << QByteArray("[Default Applications]\ntext/plain=gedit.desktop;\n"
                      "application/x-zef-colour-scheme=zef.desktop;\n");
}

void TestFileAssociation::otherLinesOfMimeappsAreKept() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, registered);
    DesktopHome home;
    const QString list = home.folders.mimeAppsList();
    Write(list, before);
    QVERIFY(ApplyAssociation(true, QStringLiteral("/usr/bin/zef")).ok());
    QCOMPARE(Contents(list), registered);
    QVERIFY(ApplyAssociation(false, QStringLiteral("/usr/bin/zef")).ok());
    QCOMPARE(Contents(list), before.endsWith('\n') ? before : before + '\n');
}

void TestFileAssociation::twiceIsTheSameAsOnce() {
    DesktopHome home;
    // Another program was the default; registering takes its place and leaves one line.
    Write(home.folders.mimeAppsList(),
          "[Default Applications]\napplication/x-zef-colour-scheme=other.desktop;\n"
          "text/plain=gedit.desktop;\napplication/x-zef-colour-scheme=third.desktop;\n");
    QVERIFY(ApplyAssociation(true, QStringLiteral("/usr/bin/zef")).ok());
    const QStringList files = home.files();
    QMap<QString, QByteArray> once;
    for (const QString& file : files)
        once.insert(file, Contents(home.folder.filePath(file)));
    QCOMPARE(once.value(QStringLiteral("config/mimeapps.list")),
             QByteArray("[Default Applications]\napplication/x-zef-colour-scheme=zef.desktop;\n"
                        "text/plain=gedit.desktop;\n"));

    QVERIFY(ApplyAssociation(true, QStringLiteral("/usr/bin/zef")).ok());
    QCOMPARE(home.files(), files);
    for (const QString& file : files)
        QCOMPARE(Contents(home.folder.filePath(file)), once.value(file));
}

void TestFileAssociation::unregisteringRemovesWhatRegisteringWrote() {
    DesktopHome home;
    // Nothing registered: nothing to remove, and nothing is created.
    QVERIFY(ApplyAssociation(false, QStringLiteral("/usr/bin/zef")).ok());
    QCOMPARE(home.files(), QStringList());

    QVERIFY(ApplyAssociation(true, QStringLiteral("/usr/bin/zef")).ok());
    QVERIFY(QFile::exists(home.mimePackage()));
    QVERIFY(QFile::exists(home.folders.desktopEntry()));
    QVERIFY(ApplyAssociation(false, QStringLiteral("/usr/bin/zef")).ok());
    QVERIFY(!QFile::exists(home.mimePackage()));
    QVERIFY(!QFile::exists(home.folders.desktopEntry()));
    // The list held only this program's default, so it goes with it.
    QVERIFY(!QFile::exists(home.folders.mimeAppsList()));
    // What is left are the databases the desktop's tools made, without the type.
    for (const QString& file : home.files()) {
        QVERIFY2(!file.startsWith(QLatin1String("config/")), qPrintable(file));
        QVERIFY2(!Contents(home.folder.filePath(file)).contains("zef"), qPrintable(file));
    }
}

void TestFileAssociation::aFileThatCannotBeWrittenIsReported() {
    DesktopHome home;
    // A plain file where the data folder should be: neither the package nor the entry can be
    // written, whoever runs the test; the default is still set.
    Write(home.folders.dataHome, "not a folder");
    const AssociationResult result = ApplyAssociation(true, QStringLiteral("/usr/bin/zef"));
    QCOMPARE(result.problems,
             QStringList({QStringLiteral("cannot write ") + home.mimePackage(),
                          QStringLiteral("cannot write ") + home.folders.desktopEntry()}));
    QVERIFY(Contents(home.folders.mimeAppsList()).contains("zef.desktop"));

    // A folder in place of mimeapps.list cannot be read or replaced; the rest is removed.
    QVERIFY(QFile::remove(home.folders.dataHome));
    QVERIFY(ApplyAssociation(true, QStringLiteral("/usr/bin/zef")).ok());
    QVERIFY(QFile::remove(home.folders.mimeAppsList()));
    QVERIFY(QDir().mkpath(home.folders.mimeAppsList()));
    const AssociationResult removal = ApplyAssociation(false, QStringLiteral("/usr/bin/zef"));
    QCOMPARE(removal.problems,
             QStringList(QStringLiteral("cannot read ") + home.folders.mimeAppsList()));
    QVERIFY(!QFile::exists(home.mimePackage()));
    QVERIFY(!QFile::exists(home.folders.desktopEntry()));
}

void TestFileAssociation::theDatabaseGivesColFilesTheType() {
    DesktopHome home;
    QCOMPARE(HandlerSeenAfresh(), QStringLiteral("none"));
    QVERIFY(ApplyAssociation(true, QStringLiteral("/usr/bin/zef")).ok());
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        QVERIFY(QFile::exists(home.folder.filePath(QStringLiteral("data/mime/mime.cache"))));
    QCOMPARE(HandlerSeenAfresh(), ZefType);

    // The type without a default application is no handler.
    Write(home.folders.mimeAppsList(), "[Default Applications]\ntext/plain=gedit.desktop;\n");
    QCOMPARE(HandlerSeenAfresh(), QStringLiteral("none"));
    QVERIFY(ApplyAssociation(true, QStringLiteral("/usr/bin/zef")).ok());
    Write(home.folders.mimeAppsList(), "[Default Applications]\n" + ZefType.toUtf8() + "=;\n");
    QCOMPARE(HandlerSeenAfresh(), QStringLiteral("none"));
    // A desktop's own list counts as well as the general one.
    Write(home.folders.configHome + QStringLiteral("/gnome-mimeapps.list"),
          "[Default Applications]\n" + ZefType.toUtf8() + "=org.example.Other.desktop\n");
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    QCOMPARE(HandlerSeenAfresh(), ZefType);
    qunsetenv("XDG_CURRENT_DESKTOP");
    QCOMPARE(HandlerSeenAfresh(), QStringLiteral("none"));

    QVERIFY(ApplyAssociation(true, QStringLiteral("/usr/bin/zef")).ok());
    QVERIFY(ApplyAssociation(false, QStringLiteral("/usr/bin/zef")).ok());
    QCOMPARE(HandlerSeenAfresh(), QStringLiteral("none"));
}

void TestFileAssociation::anotherProgramsHandlerTicksTheRow() {
    DesktopHome home;
    Write(home.folders.dataHome + QStringLiteral("/mime/packages/x-other-scheme.xml"),
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
          "  <mime-type type=\"text/x-other-scheme\">\n"
          "    <comment>Other scheme</comment>\n"
          "    <glob pattern=\"*.col\"/>\n"
          "  </mime-type>\n"
          "</mime-info>\n");
    Write(home.folders.mimeAppsList(),
          "[Default Applications]\ntext/x-other-scheme=other.desktop;\n");
    QCOMPARE(HandlerSeenAfresh(), QStringLiteral("text/x-other-scheme"));
    // OK with the row left ticked makes this program the handler.
    QVERIFY(ApplyAssociation(true, QStringLiteral("/usr/bin/zef")).ok());
    QCOMPARE(HandlerSeenAfresh(), ZefType);
    QVERIFY(Contents(home.folders.mimeAppsList()).contains("text/x-other-scheme=other.desktop;\n"));
}

void TestFileAssociation::theDialogSpeaksTheInterfaceLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("texts");
    const QStringList czech = {
        QStringLiteral("Asociace souboru"),
        QStringLiteral("Z následujícího seznamu vyberte položky k asociaci s tímto programem."),
        QStringLiteral("Formát"),
        QStringLiteral("Popis"),
        QStringLiteral("Přípony"),
        QStringLiteral("Soubor barevného schéma")};
    QTest::newRow("Czech") << Language::Czech << czech;
    QTest::newRow("English") << Language::English
                             << QStringList{QStringLiteral("File Association"),
                                            QStringLiteral("From the list below, select the file "
                                                           "types which you would like ZEF to open "
                                                           "when you double-click on them in "
                                                           "Explorer."),
                                            QStringLiteral("Format"),
                                            QStringLiteral("Description"),
                                            QStringLiteral("File extensions"),
                                            QStringLiteral("File Colour Scheme")};
    QTest::newRow("Deutsch") << Language::German
                             << QStringList{QStringLiteral("Datei Assoziation"),
                                            QStringLiteral("Aus des folgenden Verzeichnisses "
                                                           "ausschöpfen des Postens zu Assoziation "
                                                           "mit diesem Programm."),
                                            QStringLiteral("Format"),
                                            QStringLiteral("Legende"),
                                            QStringLiteral("Dateinameerweiterunge"),
                                            QStringLiteral("Datei farbig schema")};
    // Any other word keeps the built-in texts, and the row is there all the same.
    QTest::newRow("no language") << Language::None << czech;
}

void TestFileAssociation::theDialogSpeaksTheInterfaceLanguage() {
    QFETCH(Language, language);
    QFETCH(QStringList, texts);
    const AssociationDialogTexts dialog = AssociationDialogTextsFor(language);
    QCOMPARE(
        (QStringList{dialog.caption, dialog.instruction, dialog.formatHeader,
                     dialog.descriptionHeader, dialog.extensionsHeader, dialog.rowDescription}),
        texts);
    QCOMPARE(dialog.rowFormat, QStringLiteral("COL"));
    QCOMPARE(dialog.rowExtensions, QStringLiteral("COL"));
}

void TestFileAssociation::theDialogsOkRegistersOrRemoves() {
    DesktopHome home;
    EditorFixture f(Language::German);
    // Closed without OK: nothing happens.
    f.dialogs.associationAnswers = {std::nullopt, true, false};
    ShowFileAssociation(f.editor, QStringLiteral("/opt/zef/zef"));
    QVERIFY(f.editor.DialogWasShown);
    QCOMPARE(f.dialogs.associationDialogs.size(), 1);
    QCOMPARE(f.dialogs.associationDialogs.first(),
             (AssociationDialogState{AssociationDialogTextsFor(Language::German), false}));
    QCOMPARE(home.files(), QStringList());

    ShowFileAssociation(f.editor, QStringLiteral("/opt/zef/zef"));
    QCOMPARE(DesktopKeys(home.folders.desktopEntry()).value(QStringLiteral("Exec")),
             QStringLiteral("\"/opt/zef/zef\" %f"));
    QVERIFY(Contents(home.folders.mimeAppsList()).contains(ZefType.toUtf8() + "=zef.desktop;"));

    ShowFileAssociation(f.editor, QStringLiteral("/opt/zef/zef"));
    QCOMPARE(f.dialogs.associationDialogs.size(), 3);
    QVERIFY(!QFile::exists(home.folders.desktopEntry()));
    QVERIFY(!QFile::exists(home.folders.mimeAppsList()));
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The child of HandlerSeenAfresh: a fresh look at the desktop's database.
    if (qEnvironmentVariableIsSet("ZEF_TEST_READ_COL")) {
        const QString type =
            ReadClassesRootValue(QStringLiteral(".col"), QString(), RegValueKind::String)
                .toString();
        if (type.isEmpty() == AssociationIsSet())
            return 1;
        QTextStream(stdout) << (type.isEmpty() ? QStringLiteral("none") : type) << Qt::endl;
        return 0;
    }
    TestFileAssociation test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_file_association.moc"
