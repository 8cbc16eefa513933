// A long editing session of random clicks, from a fixed seed, with the editor's promises checked
// after every single action: the history and its commands agree, every saved file reads back as
// the scheme that was saved, a scheme that was just saved, opened or started is unmodified, and
// a preview redrawn whole looks exactly as one composed afresh.
#include "app/editor.h"
#include "i18n/language_command.h"
#include "memory_folder.h"
#include "preview/preview.h"
#include "preview/preview_options.h"
#include "preview/preview_pointer.h"
#include "scheme/document_commands.h"
#include "scheme/recent_files.h"
#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"
#include "scheme/starter_schemes.h"
#include "scheme/undo_redo.h"
#include "workspace/element_list_handlers.h"
#include "workspace/palette_colours.h"
#include "workspace/provider_name.h"
#include "workspace/safe_scheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <random>

#ifndef ZEF_SESSION_ACTIONS
#define ZEF_SESSION_ACTIONS 100000
#endif

namespace {

using Random = std::mt19937;

int Pick(Random& random, int below) {
    return int(std::uniform_int_distribution<int>(0, below - 1)(random));
}

// Answers every dialog at random, as a user clicking anything would: questions get any of their
// buttons, file dialogs one of a few names in the session's folder (or Cancel), the colour
// chooser any colour.
class RandomDialogs : public UserDialogs {
public:
    RandomDialogs(Random& random, const QTemporaryDir& folder) : random_(random), folder_(folder) {}

    int errors = 0;         // messages with only an OK button
    bool cancelled = false; // a question answered Cancel during the current action
    QString lastOpenAnswer;

    MessageAnswer showMessage(const Message& message) override {
        if (message.buttons == MessageButtons::Ok)
            return ++errors, MessageAnswer::Ok;
        const MessageAnswer answer = std::array{MessageAnswer::Yes, MessageAnswer::No,
                                                MessageAnswer::Cancel}[Pick(random_, 3)];
        cancelled = cancelled || answer == MessageAnswer::Cancel;
        return answer;
    }
    QString chooseFileToOpen(const FileDialogTexts&) override {
        return lastOpenAnswer = someFile();
    }
    QString chooseFileToSave(const FileDialogTexts&) override { return someFile(); }
    ColourValue chooseColour(ColourValue) override { return ColourValue(Pick(random_, 1 << 24)); }
    void showSafeSchemeInfo(const SafeSchemeInfo&) override {}
    void showFlashAdvice(const FlashAdvice&) override {}
    void showAbout(const AboutTexts&) override {}
    void showLinks(const LinksTexts&) override {}

private:
    QString someFile() {
        static const char* const Names[] = {"one.col", "two.col", "three.col", "gone.col"};
        const int pick = Pick(random_, 8);
        return pick ? folder_.filePath(QLatin1String(Names[pick % 4])) : QString();
    }
    Random& random_;
    const QTemporaryDir& folder_;
};

// A scheme as text, name then each element's colour and tick, to compare what an editor holds
// with what a file holds.
template <typename Colour, typename Painted>
QString SchemeText(const QString& name, Colour colour, Painted painted) {
    QString text = name;
    for (int k = 1; k <= ElementCount; ++k)
        text += QStringLiteral(" %1%2").arg(colour(k)).arg(painted(k) ? u'+' : u'-');
    return text;
}
QString SchemeText(const Editor& e) {
    return SchemeText(
        e.document.schemeName, [&e](int k) { return e.document.elementColour[k]; },
        [&e](int k) { return e.elementList.isChecked(k - 1); });
}
QString SchemeText(const QByteArray& bytes) {
    const ParsedScheme p = ParseSchemeText(DecodeSchemeBytes(bytes));
    return p.failure ? QStringLiteral("(no scheme)")
                     : SchemeText(
                           p.schemeName, [&p](int k) { return p.elementColour[k]; },
                           [&p](int k) { return p.elementOpacity[k] != 0; });
}

QMap<QString, QByteArray> FilesIn(const QTemporaryDir& folder) {
    QMap<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(folder.path()).entryInfoList(QDir::Files)) {
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly))
            files.insert(info.filePath(), file.readAll());
    }
    return files;
}

// The editor and what the last action asked for, for the checks after it.
struct Session {
    Random random{20261206};
    QTemporaryDir folder{MemoryFolderTemplate(QStringLiteral("zef-session"))};
    RandomDialogs dialogs{random, folder};
    Editor editor{dialogs, SettingsStore(folder.filePath(QStringLiteral("settings/zef.conf")))};
    Preview preview{24};
    QStringList redraws;
    QString opened;                 // the file an open asked for
    std::optional<Starter> starter; // the starter a new scheme asked for
    bool saved = false;
    QString problem;
    int flashes = 0;

    int pick(int below) { return Pick(random, below); }
};

void ClickOnThePreview(Session& s) {
    const int screen = s.pick(ScreenCount);
    HoverPreview(s.editor, screen, s.pick(ScreenWidth), s.pick(ScreenHeight));
    ClickPreview(s.editor, screen);
    if (!s.editor.flash.FlashBusy)
        return;
    ++s.flashes;
    const QImage shown = s.preview.screen(screen);
    const int current = s.editor.elementList.current();
    // A second click while the flash shows changes nothing.
    ClickPreview(s.editor, screen);
    if (s.preview.screen(screen) != shown || s.editor.elementList.current() != current)
        s.problem = QStringLiteral("a click during the flash changed the preview");
    if (!QTest::qWaitFor([&s] { return !s.editor.flash.FlashBusy; }, 2000))
        s.problem = QStringLiteral("the flash did not end");
}

// Each action with how often it comes, out of the sum: mostly the clicks of everyday editing.
struct Action {
    const char* name;
    int weight;
    void (*run)(Session&);
};
const Action Actions[] = {
    {"list click", 20,
     [](Session& s) {
         s.editor.elementList.setCurrent(s.pick(ElementCount));
     }},
    {"check box", 12,
     [](Session& s) {
         s.editor.elementList.clickCheckBox(s.pick(ElementCount));
     }},
    {"palette", 20,
     [](Session& s) {
         const ColourPicture picture = ColourPicture(s.pick(4));
         HoverPaletteColour(s.editor, picture, s.pick(200) - 5, s.pick(160) - 5);
         s.editor.elementList.current() >= 0 ? ApplyPaletteColour(s.editor, picture) : void();
     }},
    {"mix colour", 1,
     [](Session& s) {
         MixCustomColour(s.editor);
     }},
    {"undo", 8,
     [](Session& s) {
         s.editor.commands.undoEnabled ? Undo(s.editor) : void();
     }},
    {"redo", 6,
     [](Session& s) {
         s.editor.commands.redoEnabled ? Redo(s.editor) : void();
     }},
    {"safe scheme", 2,
     [](Session& s) {
         SetSafeScheme(s.editor, !s.editor.options.safeScheme);
     }},
    {"provider", 2,
     [](Session& s) {
         SetProviderNameOption(s.editor, !s.editor.options.hideProviderName);
     }},
    {"lcd colours", 1,
     [](Session& s) {
         LcdColoursClicked(s.editor, !s.editor.options.lcdColours);
     }},
    {"autoredraw", 1,
     [](Session& s) {
         AutoRedrawClicked(s.editor, !s.editor.options.autoRedraw);
     }},
    {"refresh", 1,
     [](Session& s) {
         RefreshClicked(s.editor);
     }},
    {"flash option", 1,
     [](Session& s) {
         s.editor.options.flashOnSelect ^= true;
     }},
    {"preview", 2, ClickOnThePreview},
    {"language", 1,
     [](Session& s) {
         const char* const words[] = {"Czech", "English", "Deutsch"};
         ApplyLanguageCommand(s.editor, QLatin1String(words[s.pick(3)]));
     }},
    {"starter", 1,
     [](Session& s) {
         NewScheme(s.editor, *(s.starter = Starter(s.pick(3))));
     }},
    {"save", 2,
     [](Session& s) {
         s.saved = true, SaveScheme(s.editor);
     }},
    {"save as", 2,
     [](Session& s) {
         s.saved = true, SaveSchemeAs(s.editor);
     }},
    {"open", 2,
     [](Session& s) {
         OpenScheme(s.editor), s.opened = s.dialogs.lastOpenAnswer;
     }},
    {"open recent", 1,
     [](Session& s) {
         const int index = s.pick(RecentFiles::Count);
         s.opened = s.editor.recentFiles.entries[index];
         OpenRecentFile(s.editor, index);
     }},
    {"rename", 1,
     [](Session& s) {
         s.editor.setNameBoxText(s.pick(10) ? QStringLiteral("Scheme %1").arg(s.pick(100)) : "");
     }},
};

} // namespace

class TestRandomSession : public QObject {
    Q_OBJECT
private slots:
    void aLongSessionKeepsEveryPromise();
};

void TestRandomSession::aLongSessionKeepsEveryPromise() {
    const int actions = qEnvironmentVariableIsSet("ZEF_SESSION_ACTIONS")
                            ? qEnvironmentVariableIntValue("ZEF_SESSION_ACTIONS")
                            : ZEF_SESSION_ACTIONS;
    Session s;
    Editor& editor = s.editor;
    editor.previewRedrawn = [&s](const QString& what) {
        s.redraws.append(what);
    };
    // As the window loads: element names, the Blue starter, then the first whole redraw.
    FillElementNames(editor);
    CreateStarterScheme(editor, Starter::Blue);
    editor.document.SchemeReady = true;
    editor.preview = &s.preview;
    RedrawPreview(editor, QStringLiteral("all"));
    // Composes the screens once more from the editor's colours, to hold the live preview to.
    Preview fresh(24);

    int total = 0;
    for (const Action& action : Actions)
        total += action.weight;
    std::array<int, std::size(Actions)> done{};
    // The folder's files as the last action left them; only the editor writes there.
    QMap<QString, QByteArray> filesBefore = FilesIn(s.folder);
    int savesChecked = 0, opensChecked = 0, startersChecked = 0, redrawsChecked = 0;

    for (int step = 0; step < actions; ++step) {
        size_t a = 0;
        for (int roll = s.pick(total); roll >= Actions[a].weight; roll -= Actions[a++].weight) {
        }
        ++done[a];
        const QString before = SchemeText(editor);
        const int errorsBefore = s.dialogs.errors;
        s.dialogs.cancelled = s.saved = false;
        s.dialogs.lastOpenAnswer.clear(), s.redraws.clear(), s.opened.clear(), s.starter.reset();
        Actions[a].run(s);
        const QByteArray at = "action " + QByteArray::number(step) + " (" + Actions[a].name + ")";
        QVERIFY2(s.problem.isEmpty(), (at + ": " + s.problem.toUtf8()).constData());

        // The history's position stays within it, and Undo and Redo are enabled as it says.
        const EditHistory& h = editor.history;
        UndoRedoState expected;
        UpdateUndoRedo(h, expected);
        QVERIFY2(h.historyPosition >= 0 && h.historyPosition <= h.lastIndex() &&
                     h.stepColourBefore.size() == h.stepElement.size() &&
                     h.stepColourAfter.size() == h.stepElement.size() &&
                     editor.commands.undoEnabled == expected.undoEnabled &&
                     editor.commands.redoEnabled == expected.redoEnabled,
                 at.constData());

        // Every file the action wrote reads back as the scheme stood before it; a save leaves
        // the scheme unmodified.
        const QMap<QString, QByteArray> filesAfter = FilesIn(s.folder);
        for (auto it = filesAfter.cbegin(); it != filesAfter.cend(); ++it) {
            if (filesBefore.value(it.key()) != it.value()) {
                ++savesChecked;
                QCOMPARE(SchemeText(it.value()), before);
                QVERIFY2(!s.saved || !editor.document.modified, at.constData());
            }
        }
        filesBefore = filesAfter;

        // A scheme just opened or started is unmodified and is what it came from.
        if (!s.opened.isEmpty() && s.dialogs.errors == errorsBefore && !s.dialogs.cancelled &&
            editor.document.filePath == s.opened) {
            ++opensChecked;
            QVERIFY2(!editor.document.modified, at.constData());
            QCOMPARE(SchemeText(editor), SchemeText(filesAfter.value(s.opened)));
        }
        if (s.starter && !s.dialogs.cancelled) {
            ++startersChecked;
            QVERIFY2(!editor.document.modified && editor.document.filePath.isEmpty(),
                     at.constData());
            for (int k = 1; k <= ElementCount; ++k) {
                const StarterElement& e = StarterTable(*s.starter)[k - 1];
                QCOMPARE(editor.document.elementColour[k], MakeColour(e.red, e.green, e.blue));
            }
        }

        // A whole redraw leaves the preview exactly as a fresh composition of the scheme.
        if (!s.redraws.isEmpty() && s.redraws.last() == u"all" && !editor.flash.FlashBusy) {
            ++redrawsChecked;
            fresh.redraw(QStringLiteral("all"), editor);
            for (int screen = 0; screen < ScreenCount; ++screen)
                QVERIFY2(s.preview.screen(screen) == fresh.screen(screen),
                         (at + ": screen " + QByteArray::number(screen)).constData());
        }
    }

    QString summary;
    for (size_t a = 0; a < std::size(Actions); ++a)
        summary += QStringLiteral("%1 %2, ").arg(Actions[a].name).arg(done[a]);
    qInfo("%d actions: %s", actions, qPrintable(summary));
    qInfo("checked: %d saved files, %d opens, %d starters, %d whole redraws, %d flashes",
          savesChecked, opensChecked, startersChecked, redrawsChecked, s.flashes);
    // A session that never saved, opened or redrew would prove little.
    QVERIFY(savesChecked > 0 && opensChecked > 0 && startersChecked > 0 && redrawsChecked > 0);
}

QTEST_GUILESS_MAIN(TestRandomSession)
#include "test_random_session.moc"
