// Start-up as the program runs it, on the offscreen platform: a timer answers the language
// chooser, looks at the windows once the main window is up, and closes them.
#include "app/processor_info.h"
#include "app/qt_translations.h"
#include "app/start_up.h"
#include "editor_fixture.h"
#include "scheme/starter_schemes.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <unistd.h>

namespace {

QWidget* Window(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            return window;
    return nullptr;
}

QString Label(const char* window, const char* name) {
    const QLabel* label = Window(window)->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("(no label)");
}

// The start-up window as it stands.
QMap<QString, QString> SplashFacts() {
    const QWidget* splash = Window("frmSplash");
    const auto* bar = splash->findChild<QProgressBar*>(QStringLiteral("pb1"));
    return {{"shown", splash->isVisible() ? "yes" : "no"},
            {"status", Label("frmSplash", "lblInfo")},
            {"progress", QStringLiteral("%1 of %2").arg(bar->value()).arg(bar->maximum())},
            {"processor", Label("frmSplash", "lblLevel")},
            {"speed", Label("frmSplash", "lblRychlost")}};
}

// The main window after its first activation, and Qt's own texts in the language.
QMap<QString, QString> MainFacts() {
    QWidget* main = Window("frmMain");
    QStringList recent;
    for (int k = 1; k <= 5; ++k)
        recent.append(main->findChild<QAction*>(QStringLiteral("mnuRecent%1Ico").arg(k))->text());
    QMap<QString, QString> facts = SplashFacts();
    facts.insert({{"element 1", main->findChild<QListWidget*>("lstItem")->item(0)->text()},
                  {"scheme", main->findChild<QLineEdit*>("txtName")->text()},
                  {"recent", recent.join(u'|')},
                  {"cancel", QCoreApplication::translate("QPlatformTheme", "Cancel")}});
    return facts;
}

struct StartUp {
    int code = -1;
    QMap<QString, QString> atChooser; // the start-up window behind the chooser
    QMap<QString, QString> atMain;
    QStringList questions; // message boxes, each answered Cancel: what they stood over, buttons
};

void Trigger(const char* command) {
    Window("frmMain")->findChild<QAction*>(QLatin1String(command))->trigger();
}

// Runs the editor's start; the chooser, when it comes, is answered Deutsch. A few ticks after
// the main window came, its first activation has run: the test looks, asks for a new scheme
// (which asks first only when there are changes), edits the name and asks again, then saves the
// scheme as an existing file, which the editor asks about itself.
StartUp Start(const WindowArguments& arguments) {
    StartUp run;
    QTimer timer;
    int ticks = 0, mainSeen = 0;
    QFile existing(QFileInfo(qEnvironmentVariable("ZEF_SETTINGS")).dir().filePath("old.col"));
    existing.open(QIODevice::WriteOnly);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* main = Window("frmMain");
        if (++ticks > 1500) {
            QApplication::closeAllWindows();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            run.questions.append(QLatin1String(box->parentWidget()->metaObject()->className()) +
                                 QStringLiteral(" %1").arg(box->buttons().size()));
            box->reject();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(existing.fileName());
            static_cast<QDialog*>(files)->accept();
        } else if (modal && modal->objectName() == u"frmLanguage") {
            run.atChooser = SplashFacts();
            modal->findChild<QPushButton*>(QStringLiteral("cmdDeutsch"))->click();
        } else if (!mainSeen && main && main->isVisible()) {
            mainSeen = ticks;
        } else if (mainSeen && ticks == mainSeen + 3) {
            run.atMain = MainFacts();
            // Outside this timer's own call, which the dialogs need to be answered.
            QTimer::singleShot(0, main, [&run, main] {
                Trigger("mnuBlueIco");
                run.atMain.insert("questions before an edit", run.questions.join(u','));
                QTest::keyClicks(main->findChild<QLineEdit*>(QStringLiteral("txtName")), "!");
                Trigger("mnuBlueIco");
                Trigger("mnuSaveAsIco");
                QApplication::closeAllWindows();
            });
        }
    });
    timer.start(20);
    run.code = RunEditor(arguments);
    return run;
}

bool TranslationsInstalled() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return QFile::exists(folder + QStringLiteral("/qtbase_de.qm")) &&
           QFile::exists(folder + QStringLiteral("/qtbase_cs.qm"));
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void startsInTheStoredLanguage_data();
    void startsInTheStoredLanguage();
    void tooFewColoursEndAtOnce_data();
    void tooFewColoursEndAtOnce();
    void qtDialogsFollowTheLanguage_data();
    void qtDialogsFollowTheLanguage();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString settings_;
};

void TestStartUp::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    settings_ = folder_->filePath(QStringLiteral("zef.conf"));
    qputenv("ZEF_SETTINGS", settings_.toUtf8());
}

void TestStartUp::startsInTheStoredLanguage_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("recent");
    QTest::addColumn<QString>("cancel");
    // No language yet: the chooser, whose choice empties the recent files.
    QTest::newRow("first run") << QByteArray("[Recent]\nFile1=/old/gone.col\n") << Language::German
                               << "Einlesen: Bildmappe"
                               << "(nichts)|(nichts)|(nichts)|(nichts)|(nichts)"
                               << "Abbrechen";
    QTest::newRow("English")
        << QByteArray("[Settings]\nLanguage=English\n[Recent]\nFile1=/home/jana/blue.col\n"
                      "File2=/home/jana/s55/red.col\n")
        << Language::English << "Loading: Generating ImageMap"
        << "blue.col|red.col|(none)|(none)|(none)"
        << "Cancel";
    QTest::newRow("a word of no language")
        << QByteArray("[Settings]\nLanguage=French\n") << Language::None
        << "Spouštím aplikaci: Generuji klikací mapu"
        << "(žádný)|(žádný)|(žádný)|(žádný)|(žádný)"
        << "Cancel";
}

void TestStartUp::startsInTheStoredLanguage() {
    QFETCH(QByteArray, stored);
    QFETCH(Language, language);
    QFETCH(QString, status);
    QFETCH(QString, recent);
    QFETCH(QString, cancel);
    QFile file(settings_);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
    file.close();

    const StartUp run = Start(WindowArguments{16, QString()});
    QCOMPARE(run.code, 0);
    const QString name = GetProcessorInfo().name;
    if (!stored.contains("Language")) {
        QCOMPARE(run.atChooser.value("shown"), QStringLiteral("yes"));
        QCOMPARE(run.atChooser.value("status"),
                 QStringLiteral("Spouštím aplikaci: Čtení registru"));
        QCOMPARE(run.atChooser.value("processor"), name);
        QVERIFY2(run.atChooser.value("speed").endsWith(QLatin1String(" MHz")),
                 qPrintable(run.atChooser.value("speed")));
    } else {
        QVERIFY(run.atChooser.isEmpty());
    }
    QCOMPARE(run.atMain.value("shown"), QStringLiteral("no"));
    QCOMPARE(run.atMain.value("status"), status);
    QCOMPARE(run.atMain.value("progress"), QStringLiteral("9 of 9"));
    QCOMPARE(run.atMain.value("processor"), name);
    QCOMPARE(run.atMain.value("element 1"), ElementText(1, language).value_or(QString()));
    EditorFixture blue(language);
    QCOMPARE(run.atMain.value("scheme"), blue.editor.document.schemeName);
    QCOMPARE(run.atMain.value("recent"), recent);
    // The scheme is ready and unmodified: only an edit makes File, New ask, in a language that
    // has the question. The file dialog leaves the overwrite question, asked in every language,
    // to the editor. Each question stands over the main window with Yes, No and Cancel.
    QCOMPARE(run.atMain.value("questions before an edit"), QString());
    QCOMPARE(run.questions, QStringList(language == Language::None ? 1 : 2, "MainWindow 3"));
    QCOMPARE(run.atMain.value("cancel"),
             TranslationsInstalled() ? cancel : QStringLiteral("Cancel"));
}

void TestStartUp::tooFewColoursEndAtOnce_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("message");
    QTest::newRow("Deutsch, 15 bits")
        << QByteArray("Deutsch") << 15
        << "zef: Es werden nur 16-Bit, 24-Bit, 32-Bit Bitmaps unterstützt!\n";
    // The message's CR becomes a line end on the terminal.
    QTest::newRow("Czech, 8 bits")
        << QByteArray("Czech") << 8
        << "zef: Barevné rozlišení musí být nejméně 16 bitů na 1 bod!\n\nAplikace bude ukončena.\n";
}

// The message goes to the error stream, and to xmessage, which is kept out of reach here.
void TestStartUp::tooFewColoursEndAtOnce() {
    QFETCH(QByteArray, language);
    QFETCH(int, depth);
    QFETCH(QString, message);
    QFile file(settings_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nLanguage=" + language + '\n');
    file.close();
    QTemporaryFile errors;
    QVERIFY(errors.open());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder_->path().toUtf8());
    const int stderrCopy = dup(2);
    dup2(errors.handle(), 2);
    const StartUp run = Start(WindowArguments{depth, QString()});
    dup2(stderrCopy, 2);
    close(stderrCopy);
    qputenv("PATH", path);
    QCOMPARE(run.code, 0);
    QVERIFY(run.atMain.isEmpty() && !Window("frmMain"));
    QVERIFY(errors.seek(0));
    const QString written = QString::fromUtf8(errors.readAll());
    QVERIFY2(written.contains(message), qPrintable(written));
}

void TestStartUp::qtDialogsFollowTheLanguage_data() {
    QTest::addColumn<QList<Language>>("languages");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Deutsch") << QList{Language::German} << "Abbrechen";
    QTest::newRow("Czech after Deutsch") << QList{Language::German, Language::Czech} << "Zrušit";
    QTest::newRow("English after Czech") << QList{Language::Czech, Language::English} << "Cancel";
    // Neither a second install nor a word of no language leaves an older translation behind.
    QTest::newRow("none after Deutsch twice")
        << QList{Language::German, Language::German, Language::None} << "Cancel";
}

void TestStartUp::qtDialogsFollowTheLanguage() {
    QFETCH(QList<Language>, languages);
    QFETCH(QString, cancel);
    if (!TranslationsInstalled())
        QSKIP("Qt's Czech and German translations (Debian qt6-translations-l10n) are missing");
    for (Language language : languages)
        InstallQtTranslations(language);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    InstallQtTranslations(Language::English);
}

QTEST_MAIN(TestStartUp)
#include "test_start_up.moc"
