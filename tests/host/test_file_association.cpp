#include "host/file_association.h"
#include "test_files.h"

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString ZefType = QStringLiteral("application/x-zef-colour-scheme");
const QString Program = QStringLiteral("/usr/bin/zef");
using Files = QMap<QString, QByteArray>;

// A desktop of the test's own: every configuration folder and the user's data folder are
// temporary; the system's MIME data stays, so that the database knows its usual types.
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
    QString package() const { return folders.mimePackage(ZefType); }
    Files files() const {
        Files found;
        QDirIterator it(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            found.insert(QDir(folder.path()).relativeFilePath(path), Contents(path));
        }
        return found;
    }
};

// What a program started afresh reads for ".col": Qt's MIME database looks at the desktop's
// files once and then only every few seconds, so only a new process sees a change at once.
QString HandlerSeenAfresh() {
    QProcess self;
    self.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--read-col")});
    const bool ran = self.waitForFinished(30000) && self.exitCode() == 0;
    return ran ? QString::fromUtf8(self.readAllStandardOutput()).trimmed() : "(failed)";
}

} // namespace

class TestFileAssociation : public QObject {
    Q_OBJECT
private slots:
    // With no list and with each reviewed one: registering writes the MIME package and the desktop
    // entry as the reviewed files hold them and one default line, keeping every other line; twice
    // is the same as once, and unregistering removes it all.
    void registeringWritesTheDesktopsFiles_data() {
        QTest::addColumn<QString>("list"); // the reviewed lists' path without .before and the like
        const QDir lists(QFINDTESTDATA("golden/mimeapps"));
        for (const QString& registered : lists.entryList({"*.registered"}))
            QTest::newRow(qPrintable(registered)) << lists.filePath(registered.chopped(11));
    }
    void registeringWritesTheDesktopsFiles() {
        QFETCH(QString, list);
        DesktopHome home;
        const QString mimeapps = home.folders.mimeAppsList();
        QVERIFY(ApplyAssociation(false, Program).ok());
        QCOMPARE(home.files(), Files()); // nothing registered: nothing to remove, nothing created
        if (QFile::exists(list + ".before"))
            WriteFile(mimeapps, Contents(list + ".before"));
        const AssociationResult result = ApplyAssociation(true, QStringLiteral("/opt/zef/bin/zef"));
        QVERIFY2(result.ok(), qPrintable(result.problems.join(u'\n')));
        for (const QString& written : {home.package(), home.folders.desktopEntry()})
            QCOMPARE(Contents(written),
                     Contents(QFINDTESTDATA("golden/" + QFileInfo(written).fileName())));
        QCOMPARE(Contents(mimeapps), Contents(list + ".registered"));
        // The desktop's own tool reads the default that was written.
        if (const QString tool = QStandardPaths::findExecutable("xdg-mime"); !tool.isEmpty()) {
            QProcess query;
            query.start(tool, {QStringLiteral("query"), QStringLiteral("default"), ZefType});
            QVERIFY(query.waitForFinished(30000));
            QCOMPARE(query.readAllStandardOutput().trimmed(), QByteArray("zef.desktop"));
        }
        const Files once = home.files();
        QVERIFY(ApplyAssociation(true, QStringLiteral("/opt/zef/bin/zef")).ok());
        QCOMPARE(home.files(), once);
        QVERIFY(ApplyAssociation(false, Program).ok());
        QCOMPARE(Contents(mimeapps), Contents(list + ".unregistered"));
        // Besides the list only the databases the desktop's tools made are left, without the type.
        for (const auto& [path, bytes] : home.files().asKeyValueRange())
            QVERIFY2(path == u"config/mimeapps.list" ||
                         (path.startsWith(u"data/") && !bytes.contains("zef")),
                     qPrintable(path));
    }

    void theProgramPathIsOneExecArgument_data() {
        QTest::addColumn<QStringList>("row"); // program, extra arguments, icon, Exec as written
        QTest::newRow("a space") << QStringList{"/opt/My Tools/zef", "", "zef",
                                                "\"/opt/My Tools/zef\" %f"};
        QTest::newRow("untidy") << QStringList{"/opt//tools/./bin/../zef", "", "zef",
                                               "\"/opt/tools/zef\" %f"};
        // Inside the quotes $ and the backslash are escaped, then the backslashes once more for the
        // file; a percent sign is doubled so that it is no field code.
        QTest::newRow("special") << QStringList{"/tmp/a$b%c\\d\"e/zef", "", "zef",
                                                "\"/tmp/a\\\\$b%%c\\\\\\\\d\\\\\"e/zef\" %f"};
        // Extra arguments, trimmed, take the place of %f; no icon given, none written.
        QTest::newRow("extra arguments, no icon") << QStringList{
            "/usr/bin/zef", "  --depth 16 %f \t", "", "\"/usr/bin/zef\" --depth 16 %f"};
    }
    void theProgramPathIsOneExecArgument() {
        QFETCH(QStringList, row);
        const QString &program = row[0], &extra = row[1], &icon = row[2];
        DesktopHome home;
        QVERIFY(RegisterFileType(ZefType, ".COL", "Scheme", icon, extra, program).ok());
        QVERIFY(Contents(home.folders.desktopEntry()).contains("\nExec=" + row[3].toUtf8() + '\n'));
        QCOMPARE(Contents(home.folders.desktopEntry()).contains("\nIcon=zef\n"), !icon.isEmpty());
        QCOMPARE(Contents(home.package()).contains("<icon name=\"zef\"/>"), !icon.isEmpty());
        QVERIFY(Contents(home.package()).contains("<glob pattern=\"*.col\""));
        if (const QString tool = QStandardPaths::findExecutable("desktop-file-validate");
            !tool.isEmpty())
            QCOMPARE(QProcess::execute(tool, {home.folders.desktopEntry()}), 0);
        // Without a class name nothing is written.
        DesktopHome empty;
        QVERIFY(RegisterFileType(QString(), ".col", "Scheme", icon, extra, program).ok());
        QCOMPARE(empty.files(), Files());
    }

    void aFileThatCannotBeWrittenIsReported() {
        DesktopHome home;
        // A plain file where the data folder should be: neither the package nor the entry can be
        // written, whoever runs the test; the default is still set.
        WriteFile(home.folders.dataHome, "not a folder");
        QCOMPARE(ApplyAssociation(true, Program).problems,
                 QStringList({"cannot write " + home.package(),
                              "cannot write " + home.folders.desktopEntry()}));
        QVERIFY(Contents(home.folders.mimeAppsList()).contains("zef.desktop"));
        // A folder in place of mimeapps.list can be neither read nor replaced; the rest goes.
        QVERIFY(QFile::remove(home.folders.dataHome));
        QCOMPARE(ApplyAssociation(true, Program).problems, QStringList());
        QVERIFY(QFile::remove(home.folders.mimeAppsList()) &&
                QDir().mkpath(home.folders.mimeAppsList()));
        for (const bool registering : {true, false})
            QCOMPARE(ApplyAssociation(registering, Program).problems,
                     QStringList("cannot read " + home.folders.mimeAppsList()));
        QVERIFY(!QFile::exists(home.package()) && !QFile::exists(home.folders.desktopEntry()));
        // No desktop's list comes near 4 MiB: a larger one is left alone, one of 4 MiB is read.
        QVERIFY(QDir(home.folders.mimeAppsList()).removeRecursively());
        const QByteArray largest = QByteArray(4 * 1024 * 1024 - 1, '#') + '\n';
        WriteFile(home.folders.mimeAppsList(), largest + '\n');
        QCOMPARE(ApplyAssociation(true, Program).problems,
                 QStringList("cannot read " + home.folders.mimeAppsList()));
        WriteFile(home.folders.mimeAppsList(), largest);
        QVERIFY(ApplyAssociation(true, Program).ok());
    }

    // The row of the dialog is ticked when ".col" has a handler, this program's or another's.
    void theDatabaseGivesColFilesTheType() {
        DesktopHome home;
        const QString list = home.folders.mimeAppsList();
        QCOMPARE(HandlerSeenAfresh(), QStringLiteral("none"));
        QVERIFY(ApplyAssociation(true, Program).ok());
        QCOMPARE(HandlerSeenAfresh(), ZefType);
        // The type without a default application, or with an empty one, is no handler.
        WriteFile(list, "[Default Applications]\ntext/plain=gedit.desktop;\n");
        QCOMPARE(HandlerSeenAfresh(), QStringLiteral("none"));
        WriteFile(list, "[Default Applications]\n" + ZefType.toUtf8() + "=;\n");
        QCOMPARE(HandlerSeenAfresh(), QStringLiteral("none"));
        // A desktop's own list counts as well as the general one.
        WriteFile(home.folders.configHome + "/gnome-mimeapps.list",
                  "[Default Applications]\n" + ZefType.toUtf8() + "=org.example.Other.desktop\n");
        qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
        QCOMPARE(HandlerSeenAfresh(), ZefType);
        qunsetenv("XDG_CURRENT_DESKTOP");
        QVERIFY(ApplyAssociation(false, Program).ok());
        // Another program's type for *.col, with its default: registering takes it over.
        WriteFile(home.folders.dataHome + "/mime/packages/x-other-scheme.xml",
                  Contents(QFINDTESTDATA("golden/x-other-scheme.xml")));
        WriteFile(list, "[Default Applications]\ntext/x-other-scheme=other.desktop;\n");
        QVERIFY(ApplyAssociation(false, Program).ok()); // updates the database
        QCOMPARE(HandlerSeenAfresh(), QStringLiteral("text/x-other-scheme"));
        QVERIFY(ApplyAssociation(true, Program).ok());
        QCOMPARE(HandlerSeenAfresh(), ZefType);
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The child of HandlerSeenAfresh: a fresh look at the desktop's database.
    if (app.arguments().value(1) == u"--read-col") {
        const QString type =
            ReadAssociation(QStringLiteral(".col"), QString(), SettingKind::String).toString();
        if (type.isEmpty() == AssociationIsSet())
            return 1;
        QTextStream(stdout) << (type.isEmpty() ? QStringLiteral("none") : type) << Qt::endl;
        return 0;
    }
    TestFileAssociation test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_file_association.moc"
