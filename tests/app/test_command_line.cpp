#include "app/command_line.h"
#include "editor_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

struct Run {
    int code = -1; // -1: the editor window
    QString out, err;
};

Run RunWith(const QStringList& arguments) {
    Run run;
    QTextStream out(&run.out), err(&run.err);
    run.code = RunCommandLine(arguments, out, err).value_or(-1);
    return run;
}

// The real program, without any display, with the user's folders of the test.
Run RunProgram(const QStringList& arguments, const QTemporaryDir& home) {
    QProcess zef;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), home.filePath(QStringLiteral("etc")));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/share"));
    zef.setProcessEnvironment(environment);
    zef.start(QStringLiteral(ZEF_BINARY), arguments);
    if (!zef.waitForFinished(30000))
        return {};
    return {zef.exitCode(), QString::fromUtf8(zef.readAllStandardOutput()),
            QString::fromUtf8(zef.readAllStandardError())};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void checkNamesEachFileAndItsProblem();
    void starterWritesTheBuiltInScheme();
    void renderDrawsThePreview();
    void hitMapNamesEachPixelsElement();
    void usageErrors_data();
    void usageErrors();
    void aFileOrNothingOpensTheWindow();
    void theProgramRunsWithoutADisplay();
};

void TestCommandLine::checkNamesEachFileAndItsProblem() {
    EditorFixture f;
    const QString good = f.writeFile(QStringLiteral("good.col"), SchemeFileBytes("Good"));
    const QString bad = f.writeFile(QStringLiteral("bad.col"), SchemeFileBytes("Bad") + "1\r\n");
    const QString other = f.writeFile(QStringLiteral("other.txt"), "hello");
    const QString missing = f.path(QStringLiteral("missing.col"));
    const Run run = RunWith({"--check", good, bad, other, missing});
    QCOMPARE(run.code, 1);
    QCOMPARE(run.out, good + ": OK\n" + bad + ": This file is bad!\n" + other +
                          ": This file is no colour scheme!\n" + missing + ": File read error!\n");
    QCOMPARE(RunWith({"--check", good, good}).code, 0);
    // The language may come after the files. Checking remembers nothing.
    QCOMPARE(RunWith({"--check", other, "--language", "Deutsch"}).out,
             other + ": Diese Datei ist nicht farbe Schema!\n");
    QVERIFY(!QFile::exists(f.path(QStringLiteral("zef.conf"))));
}

void TestCommandLine::starterWritesTheBuiltInScheme() {
    EditorFixture f;
    const QString out = f.path(QStringLiteral("green.col"));
    QCOMPARE(RunWith({"--starter", "Green", "--language", "Deutsch", "-o", out}).code, 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("ColourScheme\r\nGr\xfcnn ZEF\r\nData\r\n32 96 0 100\r\n"));
    QCOMPARE(bytes.count("\r\n"), 63);
    QCOMPARE(RunWith({"--check", out}).code, 0);
    // An existing output is replaced; a folder that cannot be written is an error.
    QCOMPARE(RunWith({"--starter", "Blue", "-o", out}).code, 0);
    const Run failed = RunWith({"--starter", "Red", "-o", f.path("no/such/red.col")});
    QCOMPARE(failed.code, 1);
    QCOMPARE(failed.err, QStringLiteral("File cannot be saved!\n"));
}

void TestCommandLine::renderDrawsThePreview() {
    EditorFixture f;
    const QString scheme = f.path(QStringLiteral("red.col"));
    QCOMPARE(RunWith({"--starter", "Red", "-o", scheme}).code, 0);
    const QString one = f.path(QStringLiteral("one.png"));
    QCOMPARE(RunWith({"--render", scheme, "-o", one, "--screen", "1", "--scale", "3"}).code, 0);
    const QImage screen(one);
    QCOMPARE(screen.size(), QSize(303, 240));
    // The main menu's title bar is element 4, red (255, 0, 0) in the Red starter.
    QCOMPARE(screen.pixel(3 * 1, 3 * 12), qRgb(255, 0, 0));
    QCOMPARE(
        RunWith({"--render", scheme, "-o", one, "--screen", "1", "--lcd", "--depth", "16"}).code,
        0);
    // Pure red through the LCD colours is (235, 25, 95), then kept in 5-6-5.
    QImage expected(1, 1, QImage::Format_RGB32);
    expected.fill(qRgb(235, 25, 95));
    expected = expected.convertToFormat(QImage::Format_RGB16).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(QImage(one).pixel(1, 12), expected.pixel(0, 0));
    const QString sheet = f.path(QStringLiteral("sheet.png"));
    QCOMPARE(RunWith({"--render", scheme, "-o", sheet}).code, 0);
    const QImage all(sheet);
    QCOMPARE(all.size(), QSize(2 * 101 + 18, 5 * 80 + 36));
    // Two columns of five screens, 6 pixels apart.
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(RunWith({"--render", scheme, "-o", one, "--screen", QString::number(i)}).code, 0);
        QCOMPARE(all.copy(6 + i % 2 * 107, 6 + i / 2 * 86, 101, 80), QImage(one));
    }

    const Run bad = RunWith({"--render", f.writeFile("bad.col", "nothing"), "-o", sheet});
    QCOMPARE(bad.code, 1);
    QCOMPARE(bad.err, QStringLiteral("This file is no colour scheme!\n"));
    QCOMPARE(RunWith({"--render", scheme, "-o", f.path("no/such/sheet.png")}).code, 1);
}

void TestCommandLine::hitMapNamesEachPixelsElement() {
    const Run run = RunWith({"--hit-map", "1"});
    QCOMPARE(run.code, 0);
    const QStringList rows = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 80);
    for (const QString& row : rows)
        QCOMPARE(row.split(u',').size(), 101);
    QCOMPARE(rows.at(12).split(u',').mid(1, 2), (QStringList{"4", "3"}));
    QCOMPARE(rows.at(79).split(u',').at(50), QStringLiteral("7"));
    QCOMPARE(RunWith({"--hit-map", "9"}).code, 0);
}

void TestCommandLine::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("check without files") << QStringList{"--check"};
    QTest::newRow("unknown language") << QStringList{"--check", "--language", "english", "a.col"};
    QTest::newRow("language without value") << QStringList{"--check", "a.col", "--language"};
    QTest::newRow("unknown starter") << QStringList{"--starter", "Yellow", "-o", "y.col"};
    QTest::newRow("starter without output") << QStringList{"--starter", "Blue"};
    QTest::newRow("starter, unknown language")
        << QStringList{"--starter", "Blue", "--language", "Français", "-o", "b.col"};
    QTest::newRow("unknown option") << QStringList{"--colour"};
    QTest::newRow("unknown option of check") << QStringList{"--check", "-x", "a.col"};
    QTest::newRow("render without output") << QStringList{"--render", "a.col"};
    QTest::newRow("render, screen 10") << QStringList{"--render", "a", "-o", "x", "--screen", "10"};
    QTest::newRow("render, 8 bits") << QStringList{"--render", "a", "-o", "x", "--depth", "8"};
    QTest::newRow("render, scale 17") << QStringList{"--render", "a", "-o", "x", "--scale", "17"};
    QTest::newRow("render, scale no number")
        << QStringList{"--render", "a", "-o", "x", "--scale", "x"};
    QTest::newRow("hit map of screen 10") << QStringList{"--hit-map", "10"};
    QTest::newRow("hit map of two screens") << QStringList{"--hit-map", "1", "2"};
    QTest::newRow("associate with a file") << QStringList{"--associate", "a.col"};
    QTest::newRow("unassociate with an option") << QStringList{"--unassociate", "--all"};
    QTest::newRow("editor with two files") << QStringList{"a.col", "b.col"};
    QTest::newRow("editor at 8 bits") << QStringList{"--depth", "8", "a.col"};
}

void TestCommandLine::usageErrors() {
    QFETCH(QStringList, arguments);
    const Run run = RunWith(arguments);
    QCOMPARE(run.code, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith(QStringLiteral("zef: ")), qPrintable(run.err));
}

void TestCommandLine::aFileOrNothingOpensTheWindow() {
    for (const QStringList& window :
         {QStringList{}, QStringList{"scheme.col"}, QStringList{"\"my scheme.col\""},
          QStringList{"--depth", "24", "a.col"}, QStringList{"--depth", "16"}})
        QCOMPARE(RunWith(window).code, -1);
    const std::optional<WindowArguments> window = WindowArgumentsOf({"--depth", "24", "a.col"});
    QVERIFY(window && window->depth == 24 && window->file == u"a.col");
    const Run help = RunWith({QStringLiteral("--help")});
    QCOMPARE(help.code, 0);
    for (const char* option : {"--check", "--starter", "--render", "--hit-map", "--associate",
                               "--unassociate", "--help", "--version", "--language", "--depth"})
        QVERIFY2(help.out.contains(QLatin1String(option)), option);
    QCOMPARE(RunWith({QStringLiteral("--version")}).out, QStringLiteral("zef 1.0\n"));
}

void TestCommandLine::theProgramRunsWithoutADisplay() {
    QTemporaryDir home;
    const QString red = home.filePath(QStringLiteral("red.col"));
    QCOMPARE(RunProgram({"--starter", "Red", "-o", red}, home).code, 0);
    const Run check = RunProgram({"--check", red, home.filePath("none.col")}, home);
    QCOMPARE(check.code, 1);
    QCOMPARE(check.out, red + ": OK\n" + home.filePath("none.col") + ": File read error!\n");

    // The desktop entry starts the program that registered itself, wherever it was started from.
    const QString entry = home.filePath(QStringLiteral("data/applications/zef.desktop"));
    QCOMPARE(RunProgram({"--associate"}, home).code, 0);
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString program = QFileInfo(QStringLiteral(ZEF_BINARY)).canonicalFilePath();
    QVERIFY(file.readAll().contains("\nExec=\"" + program.toUtf8() + "\" %f\n"));
    QCOMPARE(RunProgram({"--unassociate"}, home).code, 0);
    QVERIFY(!QFile::exists(entry) && !QFile::exists(home.filePath("config/mimeapps.list")));

    // A file where the data folder should be: one line that says which file failed.
    QVERIFY(QDir(home.filePath("data")).removeRecursively());
    QFile blocker(home.filePath(QStringLiteral("data")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Run failed = RunProgram({"--associate"}, home);
    QCOMPARE(failed.code, 1);
    QCOMPARE(failed.err,
             "zef: cannot write " + home.filePath("data/mime/packages/x-zef-colour-scheme.xml\n"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
