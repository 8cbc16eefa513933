#include "app/command_line.h"
#include "editor_fixture.h"
#include "golden.h"

#include <QProcess>
#include <QTest>
#include <numeric>

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
    EditorFixture f;
private slots:
    void runsAnswerAsRecorded();
    void renderDrawsThePreview();
    void theWindowsArguments();
    void theProgramRunsWithoutADisplay();
};

// Each "$ " line of the file is a command line, split at spaces, run in a folder of a good, a bad
// and a foreign file and two schemes for the contrast check; after it its standard output, its
// errors after "2> " and its exit code after "= " (-1: the editor window). On a difference the runs
// as they are go to command_line_runs.txt.actual.
void TestCommandLine::runsAnswerAsRecorded() {
    const QString here = QDir::currentPath();
    QVERIFY(QDir::setCurrent(f.path(QString())));
    f.writeFile(QStringLiteral("good.col"), SchemeFileBytes("Good"));
    f.writeFile(QStringLiteral("bad.col"), SchemeFileBytes("Bad") + "1\r\n");
    f.writeFile(QStringLiteral("other.txt"), "hello");
    // Every element transparent but the soft keys: black on grey, 3.5:1, which the LCD's
    // colours bring below 3:1.
    QList<int> all(60);
    std::iota(all.begin(), all.end(), 1);
    f.writeFile(QStringLiteral("clear.col"), SchemeFileBytes("Clear", all));
    f.writeFile(
        QStringLiteral("softkeys.col"),
        SchemeFileBytes("Softkeys", all)
            .replace("\r\n6 12 18 0\r\n7 14 21 0\r\n", "\r\n0 0 0 100\r\n100 100 100 100\r\n"));
    QFile golden(QFINDTESTDATA("golden/command_line_runs.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString expected = QString::fromUtf8(golden.readAll());
    QString actual;
    for (const QString& line : expected.split(u'\n')) {
        if (!line.startsWith(QLatin1String("$ ")))
            continue;
        const Run run = RunWith(line.mid(2).split(u' ', Qt::SkipEmptyParts));
        actual += line + u'\n' + run.out + (run.err.isEmpty() ? QString() : "2> " + run.err) +
                  "= " + QString::number(run.code) + u'\n';
    }
    QDir::setCurrent(here);
    // The German Green starter as written over the Blue one.
    QFile green(f.path(QStringLiteral("green.col")));
    QVERIFY(green.open(QIODevice::ReadOnly));
    const QByteArray bytes = green.readAll();
    QVERIFY(bytes.startsWith("ColourScheme\r\nGr\xfcnn ZEF\r\nData\r\n32 96 0 100\r\n"));
    QCOMPARE(bytes.count("\r\n"), 63);
    CompareWithReviewed(actual, golden.fileName());
}

// The Red starter drawn as the sheet of all ten screens, as one screen scaled, and as one screen
// in LCD colours at 16 bits, against reviewed pictures.
void TestCommandLine::renderDrawsThePreview() {
    const QString scheme = f.path(QStringLiteral("red.col")), out = f.path(QStringLiteral("o.png"));
    QCOMPARE(RunWith({"--starter", "Red", "-o", scheme}).code, 0);
    const QMap<QString, QStringList> renders{
        {"render-sheet", {}},
        {"render-screen-1-scaled", {"--screen", "1", "--scale", "3"}},
        {"render-screen-1-lcd-16", {"--screen", "1", "--lcd", "--depth", "16"}}};
    for (auto it = renders.cbegin(); it != renders.cend(); ++it) {
        QCOMPARE(RunWith(QStringList{"--render", scheme, "-o", out} + it.value()).code, 0);
        CompareWithGolden(QImage(out), QFINDTESTDATA("golden"), it.key());
    }
    QCOMPARE(RunWith({"--render", scheme, "-o", f.path("no/such/sheet.png")}).code, 1);

    // Thumbnails of the standby screen: whole phone pixels as large as fit, else shrunk to fit,
    // never with blended colours; nothing written for a file that is no scheme or a bad size.
    QCOMPARE(RunWith({"--render", scheme, "-o", out, "--screen", "0"}).code, 0);
    const QImage screen(out);
    QSet<QRgb> colours;
    for (int i = 0; i < screen.width() * screen.height(); ++i)
        colours.insert(screen.pixel(i % screen.width(), i / screen.width()));
    const QList<std::tuple<QString, QString, QSize>> thumbnails{
        {scheme, "256", {202, 160}}, {scheme, "128", {101, 80}},
        {scheme, "80", {80, 63}},    {scheme, "40", {40, 31}},
        {scheme, "0", {0, 0}},       {f.path("none.col"), "128", {0, 0}}};
    for (const auto& [file, size, expected] : thumbnails) {
        const QString thumbnail = f.path(size + QFileInfo(file).baseName() + ".png");
        QCOMPARE(RunWith({"--thumbnail", file, thumbnail, size}).code == 0, !expected.isEmpty());
        const QImage picture(thumbnail);
        QCOMPARE(picture.size(), expected);
        for (int i = 0; i < picture.width() * picture.height(); ++i)
            QVERIFY(colours.contains(picture.pixel(i % picture.width(), i / picture.width())));
    }
}

// What the window is started with; a quoted name with a space is one file.
void TestCommandLine::theWindowsArguments() {
    const std::optional<WindowArguments> window = WindowArgumentsOf({"--depth", "24", "a.col"});
    QVERIFY(window && window->depth == 24 && window->file == u"a.col");
    QCOMPARE(RunWith({QStringLiteral("\"my scheme.col\"")}).code, -1);
}

void TestCommandLine::theProgramRunsWithoutADisplay() {
    EditorFixture home;
    QCOMPARE(RunProgram({"--starter", "Red", "-o", home.path("red.col")}, home).code, 0);

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
