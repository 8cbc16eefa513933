#include "app/command_line.h"
#include "editor_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

struct Run {
    std::optional<int> code;
    QString out, err;
};

Run RunWith(const QStringList& arguments) {
    Run run;
    QTextStream out(&run.out), err(&run.err);
    run.code = RunCommandLine(arguments, out, err);
    return run;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void checkNamesEachFileAndItsProblem();
    void checkSpeaksTheChosenLanguage();
    void starterWritesTheBuiltInScheme();
    void renderDrawsThePreview();
    void hitMapNamesEachPixelsElement();
    void usageErrors_data();
    void usageErrors();
    void aFileOrNothingOpensTheWindow();
    void theProgramRunsWithoutADisplay();
    void associateForScripts();
};

void TestCommandLine::checkNamesEachFileAndItsProblem() {
    EditorFixture f;
    const QString good = f.writeFile(QStringLiteral("good.col"), SchemeFileBytes("Good"));
    const QString bad =
        f.writeFile(QStringLiteral("bad.col"), SchemeFileBytes("Bad").append("1\r\n"));
    const QString other = f.writeFile(QStringLiteral("other.txt"), "hello");
    const QString missing = f.path(QStringLiteral("missing.col"));
    const Run run = RunWith({QStringLiteral("--check"), good, bad, other, missing});
    QCOMPARE(run.code, std::optional<int>(1));
    QCOMPARE(run.out, good + ": OK\n" + bad + ": This file is bad!\n" + other +
                          ": This file is no colour scheme!\n" + missing + ": File read error!\n");
    QCOMPARE(RunWith({QStringLiteral("--check"), good, good}).code, std::optional<int>(0));
    // Checking remembers nothing.
    QVERIFY(!QFile::exists(f.path(QStringLiteral("zef.conf"))));
}

void TestCommandLine::checkSpeaksTheChosenLanguage() {
    EditorFixture f;
    const QString other = f.writeFile(QStringLiteral("x"), "x");
    QCOMPARE(RunWith({"--check", "--language", "Deutsch", other}).out,
             other + ": Diese Datei ist nicht farbe Schema!\n");
    QCOMPARE(RunWith({"--check", other, "--language", "Czech"}).out,
             other + ": Nejedná se o soubor schématu!\n");
}

void TestCommandLine::starterWritesTheBuiltInScheme() {
    EditorFixture f;
    const QString out = f.path(QStringLiteral("green.col"));
    QCOMPARE(RunWith({"--starter", "Green", "--language", "Deutsch", "-o", out}).code,
             std::optional<int>(0));
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("ColourScheme\r\nGr\xfcnn ZEF\r\nData\r\n32 96 0 100\r\n"));
    QCOMPARE(bytes.count("\r\n"), 63);
    // The written file is a scheme the reader takes.
    QCOMPARE(RunWith({"--check", out}).code, std::optional<int>(0));
    // An existing output is replaced; a folder that cannot be written is an error.
    QCOMPARE(RunWith({"--starter", "Blue", "-o", out}).code, std::optional<int>(0));
    const Run failed = RunWith({"--starter", "Red", "-o", f.path("no/such/red.col")});
    QCOMPARE(failed.code, std::optional<int>(1));
    QCOMPARE(failed.err, QStringLiteral("File cannot be saved!\n"));
}

void TestCommandLine::renderDrawsThePreview() {
    EditorFixture f;
    const QString scheme = f.path(QStringLiteral("red.col"));
    QCOMPARE(RunWith({"--starter", "Red", "-o", scheme}).code, std::optional<int>(0));
    const QString one = f.path(QStringLiteral("one.png"));
    QCOMPARE(RunWith({"--render", scheme, "-o", one, "--screen", "1", "--scale", "3"}).code,
             std::optional<int>(0));
    const QImage screen(one);
    QCOMPARE(screen.size(), QSize(303, 240));
    // The main menu's title bar is element 4, red (255, 0, 0) in the Red starter.
    QCOMPARE(screen.pixel(3 * 1, 3 * 12), qRgb(255, 0, 0));
    const QString lcd = f.path(QStringLiteral("lcd.png"));
    QCOMPARE(
        RunWith({"--render", scheme, "-o", lcd, "--screen", "1", "--lcd", "--depth", "16"}).code,
        std::optional<int>(0));
    // Pure red through the LCD colours is (235, 25, 95), then kept in 5-6-5.
    QImage expected(1, 1, QImage::Format_RGB32);
    expected.fill(qRgb(235, 25, 95));
    expected = expected.convertToFormat(QImage::Format_RGB16).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(QImage(lcd).pixel(1, 12), expected.pixel(0, 0));
    const QString sheet = f.path(QStringLiteral("sheet.png"));
    QCOMPARE(RunWith({"--render", scheme, "-o", sheet}).code, std::optional<int>(0));
    QCOMPARE(QImage(sheet).size(), QSize(2 * 101 + 18, 5 * 80 + 36));

    const Run bad = RunWith({"--render", f.writeFile("bad.col", "nothing"), "-o", sheet});
    QCOMPARE(bad.code, std::optional<int>(1));
    QCOMPARE(bad.err, QStringLiteral("This file is no colour scheme!\n"));
    QCOMPARE(RunWith({"--render", scheme, "-o", sheet, "--depth", "8"}).code,
             std::optional<int>(2));
}

void TestCommandLine::hitMapNamesEachPixelsElement() {
    const Run run = RunWith({"--hit-map", "1"});
    QCOMPARE(run.code, std::optional<int>(0));
    const QStringList rows = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 80);
    for (const QString& row : rows)
        QCOMPARE(row.split(QLatin1Char(',')).size(), 101);
    QCOMPARE(rows.at(12).split(QLatin1Char(',')).at(1), QStringLiteral("4"));
    QCOMPARE(rows.at(12).split(QLatin1Char(',')).at(2), QStringLiteral("3"));
    QCOMPARE(rows.at(79).split(QLatin1Char(',')).at(50), QStringLiteral("7"));
    QCOMPARE(RunWith({"--hit-map", "10"}).code, std::optional<int>(2));
}

void TestCommandLine::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("check without files") << QStringList{"--check"};
    QTest::newRow("unknown language") << QStringList{"--check", "--language", "english", "a.col"};
    QTest::newRow("language without value") << QStringList{"--check", "a.col", "--language"};
    QTest::newRow("unknown starter") << QStringList{"--starter", "Yellow", "-o", "y.col"};
    QTest::newRow("starter without output") << QStringList{"--starter", "Blue"};
    QTest::newRow("unknown option") << QStringList{"--colour"};
    QTest::newRow("unknown option of check") << QStringList{"--check", "-x", "a.col"};
    QTest::newRow("associate with a file") << QStringList{"--associate", "a.col"};
    QTest::newRow("unassociate with an option") << QStringList{"--unassociate", "--all"};
}

void TestCommandLine::usageErrors() {
    QFETCH(QStringList, arguments);
    const Run run = RunWith(arguments);
    QCOMPARE(run.code, std::optional<int>(2));
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith(QStringLiteral("zef: ")));
}

void TestCommandLine::aFileOrNothingOpensTheWindow() {
    QVERIFY(!RunWith({}).code);
    QVERIFY(!RunWith({QStringLiteral("scheme.col")}).code);
    QVERIFY(!RunWith({QStringLiteral("\"my scheme.col\"")}).code);
    const Run help = RunWith({QStringLiteral("--help")});
    QCOMPARE(help.code, std::optional<int>(0));
    for (const char* option : {"--check", "--starter", "--render", "--hit-map", "--associate",
                               "--unassociate", "--help", "--version", "--language", "--depth"})
        QVERIFY2(help.out.contains(QLatin1String(option)), option);
    QCOMPARE(RunWith({QStringLiteral("--version")}).out, QStringLiteral("zef 1.0\n"));
}

void TestCommandLine::theProgramRunsWithoutADisplay() {
    EditorFixture f;
    QProcess zef;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    zef.setProcessEnvironment(environment);
    const QString out = f.path(QStringLiteral("red.col"));
    zef.start(QStringLiteral(ZEF_BINARY), {"--starter", "Red", "-o", out});
    QVERIFY(zef.waitForFinished(20000));
    QCOMPARE(zef.exitCode(), 0);
    zef.start(QStringLiteral(ZEF_BINARY), {"--check", out, f.path("none.col")});
    QVERIFY(zef.waitForFinished(20000));
    QCOMPARE(zef.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(zef.readAllStandardOutput()),
             out + ": OK\n" + f.path("none.col") + ": File read error!\n");
}

void TestCommandLine::associateForScripts() {
    EditorFixture f;
    const QString data = f.path(QStringLiteral("data")), config = f.path(QStringLiteral("config"));
    QProcess zef;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), f.path(QStringLiteral("etc-xdg")));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/share"));
    zef.setProcessEnvironment(environment);
    const QString entry = data + QStringLiteral("/applications/zef.desktop");

    zef.start(QStringLiteral(ZEF_BINARY), {"--associate"});
    QVERIFY(zef.waitForFinished(30000));
    QCOMPARE(zef.readAllStandardError(), QByteArray());
    QCOMPARE(zef.exitCode(), 0);
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The entry starts the program that registered itself, wherever it was started from.
    const QString program = QFileInfo(QStringLiteral(ZEF_BINARY)).canonicalFilePath();
    QVERIFY(file.readAll().contains("\nExec=\"" + program.toUtf8() + "\" %f\n"));
    QVERIFY(QFile::exists(data + QStringLiteral("/mime/packages/x-zef-colour-scheme.xml")));
    QVERIFY(QFile::exists(config + QStringLiteral("/mimeapps.list")));

    zef.start(QStringLiteral(ZEF_BINARY), {"--unassociate"});
    QVERIFY(zef.waitForFinished(30000));
    QCOMPARE(zef.exitCode(), 0);
    QVERIFY(!QFile::exists(entry));
    QVERIFY(!QFile::exists(config + QStringLiteral("/mimeapps.list")));

    // A file where the data folder should be: one line that says which file failed.
    QVERIFY(QDir(data).removeRecursively());
    QFile blocker(data);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    zef.start(QStringLiteral(ZEF_BINARY), {"--associate"});
    QVERIFY(zef.waitForFinished(30000));
    QCOMPARE(zef.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(zef.readAllStandardError()),
             QStringLiteral("zef: cannot write ") + data +
                 QStringLiteral("/mime/packages/x-zef-colour-scheme.xml\n"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
