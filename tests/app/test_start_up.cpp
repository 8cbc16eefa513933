// Start-up as the program runs it, on the offscreen platform: a timer answers the language
// chooser and every question, looks at the windows once the main window is up, and uses it.
#include "app/start_up.h"
#include "editor_fixture.h"
#include "host/processor_info.h"

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
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <unistd.h>

namespace {

QWidget* Window(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            return window;
    return nullptr;
}

// The start-up window as it stands: shown, status, progress, processor name, speed.
QStringList Splash() {
    QWidget* splash = Window("splashWindow");
    const auto label = [splash](const char* name) {
        return splash->findChild<QLabel*>(QLatin1String(name))->text();
    };
    const auto* bar = splash->findChild<QProgressBar*>();
    return {splash->isVisible() ? "shown" : "closed", label("statusLabel"),
            QStringLiteral("%1 of %2").arg(bar->value()).arg(bar->maximum()),
            label("processorNameLabel"),
            label("processorSpeedLabel").endsWith(" MHz") ? "MHz" : "no speed"};
}

struct StartUp {
    int code = -1;
    QStringList splashAtChooser, splash, main;
    QStringList questions; // each answered Cancel: what it stood over, and its buttons
    QStringList statuses;
};

// Each text the start-up window's status line is painted with, in turn.
struct StatusWatch : QObject {
    QStringList* texts;
    explicit StatusWatch(QStringList* t) : texts(t) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->objectName() == u"statusLabel") {
            const QString text = static_cast<QLabel*>(object)->text();
            if (texts->isEmpty() || texts->last() != text)
                texts->append(text);
        }
        return false;
    }
};

// Runs the editor's start, answering the chooser Deutsch. A few ticks after the main window came
// (its first activation has run) the test looks, asks for a new scheme, edits the name and asks
// again, then saves the scheme as an existing file.
StartUp Start(int depth, const QString& existing, const QString& file) {
    StartUp run;
    QTimer timer;
    int ticks = 0, mainSeen = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* main = Window("mainWindow");
        if (++ticks > 1500) {
            QApplication::closeAllWindows();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            run.questions.append(QLatin1String(box->parentWidget()->metaObject()->className()) +
                                 QStringLiteral(" %1").arg(box->buttons().size()));
            box->reject();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(existing);
            static_cast<QDialog*>(files)->accept();
        } else if (modal && modal->objectName() == u"languageChooser") {
            run.splashAtChooser = Splash();
            modal->findChild<QPushButton*>(QStringLiteral("germanButton"))->click();
        } else if (!mainSeen && main && main->isVisible()) {
            mainSeen = ticks;
        } else if (mainSeen && ticks == mainSeen + 3) {
            run.splash = Splash();
            QStringList recent;
            for (int k = 1; k <= 5; ++k)
                recent.append(
                    main->findChild<QAction*>(QStringLiteral("mnuRecent%1Ico").arg(k))->text());
            run.main = {main->findChild<QListWidget*>("elementList")->item(0)->text(),
                        main->findChild<QLineEdit*>("schemeNameBox")->text(), recent.join(u'|'),
                        QCoreApplication::translate("QPlatformTheme", "Cancel")};
            // Outside this timer's own call, which the dialogs need to be answered.
            QTimer::singleShot(0, main, [&run, main] {
                main->findChild<QAction*>("mnuBlueIco")->trigger();
                run.questions.append(QStringLiteral("an edit"));
                QTest::keyClicks(main->findChild<QLineEdit*>("schemeNameBox"), "!");
                main->findChild<QAction*>("mnuBlueIco")->trigger();
                main->findChild<QAction*>("mnuSaveAsIco")->trigger();
                QApplication::closeAllWindows();
            });
        }
    });
    timer.start(20);
    const StatusWatch statuses(&run.statuses);
    run.code = RunEditor(WindowArguments{depth, file});
    return run;
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void startsInTheStoredLanguage_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("status"); // the texts in turn, or the message of too few colours
        QTest::addColumn<QString>("recent");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("file"); // named on the command line
        const auto row = [](const char* tag, const char* stored, Language language, int depth,
                            const char* status, const char* recent = "", const char* cancel = "",
                            const char* file = "") {
            QTest::newRow(tag) << QByteArray(stored) << language << depth
                               << QString::fromUtf8(status) << QString::fromUtf8(recent)
                               << QString(cancel) << QString(file);
        };
        // No language yet: the chooser, whose choice empties the recent files.
        row("first run", "[Recent]\nFile1=/old/gone.col\n", Language::German, 16,
            "Einlesen: Farbetest|Einlesen: Register|Einlesen: Bildmappe",
            "(nichts)|(nichts)|(nichts)|(nichts)|(nichts)", "Abbrechen");
        row("English",
            "[Settings]\nLanguage=English\n[Recent]\nFile1=/home/jana/blue.col\n"
            "File2=/home/jana/s55/red.col\n",
            Language::English, 24,
            "Loading: Test Color|Loading: Reading Register|Loading: Generating ImageMap",
            "start.col|blue.col|red.col|(none)|(none)", "Cancel", "start.col");
        row("a word of no language", "[Settings]\nLanguage=French\n", Language::None, 32,
            "Spouštím aplikaci: Testuji hloubku barev|Spouštím aplikaci: Čtení registru|"
            "Spouštím aplikaci: Generuji klikací mapu",
            "(žádný)|(žádný)|(žádný)|(žádný)|(žádný)", "Cancel");
        // Below 16 bits no window can be drawn: the message goes to the error stream, and to
        // xmessage, kept out of reach here; the message's CR becomes a line end.
        row("15 bits", "[Settings]\nLanguage=Deutsch\n", Language::German, 15,
            "zef: Es werden nur 16-Bit, 24-Bit, 32-Bit Bitmaps unterstützt!\n");
        row("8 bits, Czech", "[Settings]\nLanguage=Czech\n", Language::Czech, 8,
            "zef: Barevné rozlišení musí být nejméně 16 bitů na 1 bod!\n\nAplikace bude "
            "ukončena.\n");
    }

    void startsInTheStoredLanguage() {
        QFETCH(QByteArray, stored);
        QFETCH(Language, language);
        QFETCH(int, depth);
        QFETCH(QString, status);
        QFETCH(QString, recent);
        QFETCH(QString, cancel);
        QFETCH(QString, file);
        EditorFixture f(language); // the Blue starter as the main window loads it
        qputenv("ZEF_SETTINGS", f.writeFile(QStringLiteral("zef.conf"), stored).toUtf8());
        const QString existing = f.writeFile(QStringLiteral("old.col"), "");
        qputenv("PATH", f.folder.path().toUtf8()); // nothing the program might start
        const int stderrCopy = dup(2),
                  errorsFile = creat(QFile::encodeName(f.path("errors")), 0600);
        dup2(errorsFile, 2);
        const StartUp run = Start(
            depth, existing, file.isEmpty() ? file : f.writeFile(file, SchemeFileBytes("Started")));
        dup2(stderrCopy, 2);
        close(errorsFile);
        close(stderrCopy);
        QCOMPARE(run.code, 0);
        if (depth < 16) {
            QVERIFY(run.main.isEmpty() && !Window("mainWindow"));
            QVERIFY(QString::fromUtf8(Contents(f.path("errors"))).contains(status));
            return;
        }
        const QString processor = GetProcessorInfo().name;
        const QStringList atChooser{"shown", "Spouštím aplikaci: Čtení registru", "-1 of 100",
                                    processor, "MHz"};
        QCOMPARE(run.splashAtChooser, stored.contains("Language") ? QStringList() : atChooser);
        // The status line from its design text on, the language read only after the registry.
        QCOMPARE(run.statuses.join(u'|'),
                 "Spouštím aplikaci:|Spouštím aplikaci: Čtení registru|" + status);
        QCOMPARE(run.splash,
                 (QStringList{"closed", status.section(u'|', -1), "9 of 9", processor, "MHz"}));
        const bool translated =
            QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm");
        QCOMPARE(run.main, (QStringList{ElementText(1, language).value_or(QString()),
                                        file.isEmpty() ? f.editor.document.schemeName : "Started",
                                        recent, translated ? cancel : "Cancel"}));
        // Only an edit makes File, New ask, in a language that has the question; the file dialog
        // leaves the overwrite question, asked in every language, to the editor.
        QStringList questions(language == Language::None ? 1 : 2, QStringLiteral("MainWindow 3"));
        QCOMPARE(run.questions, QStringList{"an edit"} + questions);
    }
};

QTEST_MAIN(TestStartUp)
#include "test_start_up.moc"
