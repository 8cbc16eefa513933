#include "app/command_line.h"
#include "editor/language_command.h"
#include "editor_fixture.h"
#include "golden.h"
#include "host/settings_store.h"

#include <QProcess>
#include <QTest>
#include <numeric>

namespace {

struct Run {
    int code = -1; // -1: the editor window
    QString out, err;
};

// The run in-process; for the editor window, what it starts with goes to the output.
Run RunWith(const QStringList& arguments) {
    Run run;
    QTextStream out(&run.out), err(&run.err);
    run.code = RunCommandLine(arguments, out, err).value_or(-1);
    if (const std::optional<WindowArguments> window = WindowArgumentsOf(arguments))
        out << "window: " << window->file << " at " << window->depth.value_or(0) << Qt::endl;
    return run;
}

// The real program in the test's folder, on the given Qt platform or else without a display.
void Start(QProcess& zef, const QStringList& arguments, const EditorFixture& home,
           const QString& platform = QString()) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform); // empty: Qt's own choice
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
        environment.insert(QLatin1String(name), home.path(QLatin1String(name)));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/share"));
    environment.insert(QStringLiteral("ZEF_SETTINGS"), home.editor.settings.filePath());
    zef.setProcessEnvironment(environment);
    zef.setWorkingDirectory(home.path(QString()));
    zef.start(QStringLiteral(ZEF_BINARY), arguments);
}

Run RunProgram(const QStringList& arguments, const EditorFixture& home) {
    QProcess zef;
    Start(zef, arguments, home);
    zef.waitForFinished(30000);
    return {zef.exitCode(), zef.readAllStandardOutput(), zef.readAllStandardError()};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
    EditorFixture f_;
private slots:
    void runsAnswerAsRecorded();
    void renderDrawsThePreview();
    void theRealProgramAmongQtsOptions();
};

// Each "$ " line of the file is a command line, split at spaces, run in a folder of a good, a bad
// and a foreign file and two schemes for the contrast check; after it its standard output, its
// errors after "2> " and its exit code after "= " (-1: the editor window, with its file and depth,
// 0 for the display's). On a difference the runs as they are go to command_line_runs.txt.actual.
void TestCommandLine::runsAnswerAsRecorded() {
    const QString here = QDir::currentPath();
    QVERIFY(QDir::setCurrent(f_.path(QString())));
    f_.writeFile(QStringLiteral("good.col"), SchemeFileBytes("Good"));
    f_.writeFile(QStringLiteral("bad.col"), SchemeFileBytes("Bad") + "1\r\n");
    f_.writeFile(QStringLiteral("other.txt"), "hello");
    // Every element transparent but the soft keys: black on grey, 3.5:1, which the LCD's
    // colours bring below 3:1.
    QList<int> all(60);
    std::iota(all.begin(), all.end(), 1);
    f_.writeFile(QStringLiteral("clear.col"), SchemeFileBytes("Clear", all));
    f_.writeFile(
        QStringLiteral("softkeys.col"),
        SchemeFileBytes("Softkeys", all)
            .replace("\r\n6 12 18 0\r\n7 14 21 0\r\n", "\r\n0 0 0 100\r\n100 100 100 100\r\n"));
    const QString golden = QFINDTESTDATA("golden/command_line_runs.txt");
    QString actual;
    for (const QString& line : QString::fromUtf8(Contents(golden)).split(u'\n')) {
        if (!line.startsWith(QLatin1String("$ ")))
            continue;
        const Run run = RunWith(line.mid(2).split(u' ', Qt::SkipEmptyParts));
        actual += line + u'\n' + run.out + (run.err.isEmpty() ? QString() : "2> " + run.err) +
                  "= " + QString::number(run.code) + u'\n';
    }
    QDir::setCurrent(here);
    // The German Green starter written over the Blue one (the starters' own test has the rest).
    QVERIFY(Contents(f_.path(QStringLiteral("green.col")))
                .startsWith("ColourScheme\r\nGr\xfcnn ZEF\r\nData\r\n32 96 0 100\r\n"));
    CompareWithReviewed(actual, golden);
}

// The Red starter drawn as the sheet of all ten screens, as one screen scaled, and as one screen
// in LCD colours at 16 bits, against reviewed pictures.
void TestCommandLine::renderDrawsThePreview() {
    const QString scheme = f_.path(QStringLiteral("red.col")),
                  out = f_.path(QStringLiteral("o.png"));
    QCOMPARE(RunWith({"--starter", "Red", "-o", scheme}).code, 0);
    const QMap<QString, QStringList> renders{
        {"render-sheet", {}},
        {"render-screen-1-scaled", {"--screen", "1", "--scale", "3"}},
        {"render-screen-1-lcd-16", {"--screen", "1", "--lcd", "--depth", "16"}}};
    for (auto it = renders.cbegin(); it != renders.cend(); ++it) {
        QCOMPARE(RunWith(QStringList{"--render", scheme, "-o", out} + it.value()).code, 0);
        CompareWithGolden(QImage(out), QFINDTESTDATA("golden"), it.key());
    }

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
        {scheme, "0", {0, 0}},       {f_.path("none.col"), "128", {0, 0}}};
    for (const auto& [file, size, expected] : thumbnails) {
        const QString thumbnail = f_.path(size + QFileInfo(file).baseName() + ".png");
        QCOMPARE(RunWith({"--thumbnail", file, thumbnail, size}).code == 0, !expected.isEmpty());
        const QImage picture(thumbnail);
        QCOMPARE(picture.size(), expected);
        for (int i = 0; i < picture.width() * picture.height(); ++i)
            QVERIFY(colours.contains(picture.pixel(i % picture.width(), i / picture.width())));
    }
}

// The real program, with Qt's options anywhere among its own: the options without a window need
// no display and no platform plugin, nor does a usage error.
void TestCommandLine::theRealProgramAmongQtsOptions() {
    EditorFixture home;
    home.writeFile(QStringLiteral("red.col"), SchemeFileBytes("Red"));
    const QList<std::pair<QStringList, int>> runs{
        {{"--help", "-reverse"}, 0},
        {{"-style", "Fusion", "--version"}, 0},
        {{"--starter", "Red", "-style=Fusion", "-o", "red.col"}, 0},
        {{"-platform", "xcb", "red.col", "--check"}, 0},
        {{"--render", "red.col", "-o", "r.png", "-reverse"}, 0},
        {{"-qwindowtitle", "T", "--thumbnail", "red.col", "t.png", "64"}, 0},
        {{"--hit-map", "--platform", "wayland", "3"}, 0},
        {{"-reverse", "a.col", "b.col"}, 2}};
    for (const auto& [arguments, code] : runs) {
        const Run run = RunProgram(arguments, home);
        QVERIFY2(run.code == code && run.err.isEmpty() == (code == 0),
                 qPrintable(arguments.join(u' ') + ": " + run.err));
    }

    // The desktop entry starts the program that registered itself, wherever it was started from.
    QCOMPARE(RunProgram({"--associate"}, home).code, 0);
    const QString entry = home.path(QStringLiteral("XDG_DATA_HOME/applications/zef.desktop"));
    const QString program = QFileInfo(QStringLiteral(ZEF_BINARY)).canonicalFilePath();
    QVERIFY(Contents(entry).contains("\nExec=\"" + program.toUtf8() + "\" %f\n"));
    QCOMPARE(RunProgram({"--unassociate"}, home).code, 0);
    QVERIFY(!QFile::exists(entry) && !QFile::exists(home.path("XDG_CONFIG_HOME/mimeapps.list")));

    // Offscreen, the window opens the file named in quotes, a space inside, and stays on.
    StoreChosenLanguage(home.editor.settings, QStringLiteral("English"));
    const QString scheme = home.writeFile(QStringLiteral("a b.col"), SchemeFileBytes("Good"));
    QProcess zef;
    Start(zef, {"-style", "Fusion", "\"a b.col\"", "-reverse", "--depth", "24"}, home, "offscreen");
    QTRY_COMPARE_WITH_TIMEOUT(
        home.editor.settings.readSetting("Tesmira\\ZEF\\Recent", "File1", SettingKind::String)
            .toString(),
        scheme, 30000);
    QCOMPARE(zef.state(), QProcess::Running);
    zef.kill();
    zef.waitForFinished();

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
