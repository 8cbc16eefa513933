#include "app/command_line.h"
#include "editor_fixture.h"

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

// The real program, without any display, with the user's folders in the test's folder.
Run RunProgram(const QStringList& arguments, const EditorFixture& home) {
    QProcess zef;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
        environment.insert(QLatin1String(name), home.path(QLatin1String(name)));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/share"));
    zef.setProcessEnvironment(environment);
    zef.start(QStringLiteral(ZEF_BINARY), arguments);
    zef.waitForFinished(30000);
    return {zef.exitCode(), zef.readAllStandardOutput(), zef.readAllStandardError()};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void checkNamesEachFileAndItsProblem();
    void starterWritesTheBuiltInScheme();
    void renderDrawsThePreview();
    void hitMapNamesEachPixelsElement();
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
    // The main menu's title bar is element 4, red (255, 0, 0) in the Red starter.
    QCOMPARE(QImage(one).size(), QSize(303, 240));
    QCOMPARE(QImage(one).pixel(3 * 1, 3 * 12), qRgb(255, 0, 0));
    QCOMPARE(
        RunWith({"--render", scheme, "-o", one, "--screen", "1", "--lcd", "--depth", "16"}).code,
        0);
    // Pure red through the LCD colours is (235, 25, 95), then kept in 5-6-5.
    QImage expected(1, 1, QImage::Format_RGB16);
    expected.fill(QColor(235, 25, 95));
    QCOMPARE(QImage(one).pixel(1, 12), expected.pixel(0, 0));
    const QString sheet = f.path(QStringLiteral("sheet.png"));
    QCOMPARE(RunWith({"--render", scheme, "-o", sheet}).code, 0);
    const QImage all(sheet);
    QCOMPARE(all.size(), QSize(2 * 101 + 18, 5 * 80 + 36));
    QCOMPARE(all.pixel(0, 0), qRgb(212, 208, 200)); // the preview frame's grey between them
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

// Each line of the file, split at spaces, is a command line that earns a usage message.
void TestCommandLine::usageErrors() {
    QFile lines(QFINDTESTDATA("golden/usage_errors.txt"));
    QVERIFY(lines.open(QIODevice::ReadOnly | QIODevice::Text));
    for (const QString& line :
         QString::fromUtf8(lines.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const Run run = RunWith(line.split(u' '));
        QVERIFY2(run.code == 2 && run.out.isEmpty() && run.err.startsWith(QLatin1String("zef: ")),
                 qPrintable(line + u'\n' + run.err));
    }
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
    EditorFixture home;
    const QString red = home.path(QStringLiteral("red.col")), none = home.path("none.col");
    QCOMPARE(RunProgram({"--starter", "Red", "-o", red}, home).code, 0);
    const Run check = RunProgram({"--check", red, none}, home);
    QCOMPARE(check.code, 1);
    QCOMPARE(check.out, red + ": OK\n" + none + ": File read error!\n");

    // The desktop entry starts the program that registered itself, wherever it was started from.
    QCOMPARE(RunProgram({"--associate"}, home).code, 0);
    const QString entry = home.path(QStringLiteral("XDG_DATA_HOME/applications/zef.desktop"));
    const QString program = QFileInfo(QStringLiteral(ZEF_BINARY)).canonicalFilePath();
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly) &&
            file.readAll().contains("\nExec=\"" + program.toUtf8() + "\" %f\n"));
    QCOMPARE(RunProgram({"--unassociate"}, home).code, 0);
    QVERIFY(!QFile::exists(entry) && !QFile::exists(home.path("XDG_CONFIG_HOME/mimeapps.list")));

    // A file where the data folder should be: one line that says which file failed.
    QVERIFY(QDir(home.path("XDG_DATA_HOME")).removeRecursively());
    home.writeFile(QStringLiteral("XDG_DATA_HOME"), "");
    const Run failed = RunProgram({"--associate"}, home);
    QCOMPARE(failed.code, 1);
    QCOMPARE(failed.err, "zef: cannot write " +
                             home.path("XDG_DATA_HOME/mime/packages/x-zef-colour-scheme.xml\n"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
