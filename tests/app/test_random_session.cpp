// A long editing session of random clicks, from a fixed seed, with the editor's promises checked
// after every single action: the history and its commands agree, every saved file reads back as
// the scheme that was saved, a scheme that was just saved or opened is unmodified, and a preview
// redrawn whole looks exactly as one composed afresh.
#include "editor/document_commands.h"
#include "editor/editor.h"
#include "editor/element_list_handlers.h"
#include "editor/language_command.h"
#include "editor/palette_colours.h"
#include "editor/preview_options.h"
#include "editor/preview_pointer.h"
#include "editor/provider_name.h"
#include "editor/recent_files.h"
#include "editor/safe_scheme.h"
#include "editor/scheme_loading.h"
#include "editor/silent_dialogs.h"
#include "editor/undo_redo.h"
#include "memory_folder.h"
#include "preview/preview.h"
#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"
#include "scheme/starter_schemes.h"
#include "test_files.h"

#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <random>
#include <vector>

namespace {

// A scheme as text, name then each element's colour and tick, to compare an editor with a file.
QString SchemeText(QString text, const auto& colours, auto painted) {
    for (int k = 1; k <= ElementCount; ++k)
        text += QStringLiteral(" %1%2").arg(colours[k]).arg(painted(k) ? u'+' : u'-');
    return text;
}
QString SchemeText(const Editor& e) {
    return SchemeText(e.document.schemeName, e.document.elementColour,
                      [&e](int k) { return e.list.elements.isChecked(k - 1); });
}
QString SchemeText(const QByteArray& bytes) {
    const ParsedScheme p = ParseSchemeText(DecodeSchemeBytes(bytes));
    return p.failure ? QStringLiteral("(no scheme)")
                     : SchemeText(p.schemeName, p.elementColour,
                                  [&p](int k) { return p.elementOpacity[k] != 0; });
}

QMap<QString, QByteArray> FilesIn(const QTemporaryDir& folder) {
    QMap<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(folder.path()).entryInfoList(QDir::Files))
        files.insert(info.filePath(), Contents(info.filePath()));
    return files;
}

// The editor and what the last action asked for, for the checks after it. Answers every dialog
// at random, as a user clicking anything would: questions get any of their buttons, file dialogs
// one of a few names in the session's folder (or Cancel), the colour chooser any colour.
struct Session : SilentDialogs {
    std::mt19937 random{20261206};
    QTemporaryDir folder{MemoryFolderTemplate(QStringLiteral("zef-session"))};
    Editor editor{*this, SettingsStore(folder.filePath(QStringLiteral("settings/zef.conf")))};
    Preview preview{24};
    QList<RedrawTarget> redraws;
    QString opened, lastOpenAnswer; // the file an open asked for, and the open dialog's answer
    int errors = 0, flashes = 0;    // messages with only an OK button; flashes of the preview
    bool cancelled = false, saved = false; // a question answered Cancel; a save asked for
    QString problem;

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
    MessageAnswer showMessage(const Message& message) override {
        if (message.buttons == MessageButtons::Ok)
            return ++errors, MessageAnswer::Ok;
        const MessageAnswer answer =
            std::array{MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel}[pick(3)];
        cancelled = cancelled || answer == MessageAnswer::Cancel;
        return answer;
    }
    QString someFile() {
        static const char* const names[] = {"one.col", "two.col", "three.col", "gone.col"};
        const int name = pick(8);
        return name ? folder.filePath(QLatin1String(names[name % 4])) : QString();
    }
    QString chooseFileToOpen(const FileDialogTexts&) override {
        return lastOpenAnswer = someFile();
    }
    QString chooseFileToSave(const FileDialogTexts&) override { return someFile(); }
    ColourValue chooseColour(ColourValue) override { return ColourValue(pick(1 << 24)); }
};

// The actions with how often each comes: mostly the clicks of everyday editing.
struct Action {
    Action(const char* name, int weight, void (*run)(Session&))
        : name(name), weight(weight), run(run) {}
    const char* name;
    int weight;
    void (*run)(Session&);
};
const Action Actions[] = {
    Action("list click", 20,
           [](Session& s) { s.editor.list.elements.setCurrent(s.pick(ElementCount)); }),
    Action("check box", 12,
           [](Session& s) { s.editor.list.elements.clickCheckBox(s.pick(ElementCount)); }),
    Action("palette", 20,
           [](Session& s) {
               const ColourPicture picture = ColourPicture(s.pick(4));
               HoverPaletteColour(s.editor, picture, s.pick(200) - 5, s.pick(160) - 5);
               if (s.editor.list.elements.current() >= 0)
                   ApplyPaletteColour(s.editor, picture);
           }),
    Action("mix colour", 1, [](Session& s) { MixCustomColour(s.editor); }),
    Action("undo", 8,
           [](Session& s) { s.editor.history.commands.undoEnabled ? Undo(s.editor) : void(); }),
    Action("redo", 6,
           [](Session& s) { s.editor.history.commands.redoEnabled ? Redo(s.editor) : void(); }),
    Action("safe scheme", 2,
           [](Session& s) { SetSafeScheme(s.editor, !s.editor.options.safeScheme); }),
    Action("provider", 2,
           [](Session& s) { SetProviderNameOption(s.editor, !s.editor.options.hideProviderName); }),
    Action("lcd", 1, [](Session& s) { LcdColoursClicked(s.editor, !s.editor.options.lcdColours); }),
    Action("autoredraw", 1,
           [](Session& s) { AutoRedrawClicked(s.editor, !s.editor.options.autoRedraw); }),
    Action("refresh", 1, [](Session& s) { RefreshClicked(s.editor); }),
    Action("flash", 1, [](Session& s) { s.editor.options.flashOnSelect ^= true; }),
    Action("preview", 2,
           [](Session& s) {
               Editor& e = s.editor;
               const int screen = s.pick(ScreenCount);
               HoverPreview(e, screen, s.pick(ScreenWidth), s.pick(ScreenHeight));
               ClickPreview(e, screen);
               s.flashes += e.flash.flashBusy;
               if (!QTest::qWaitFor([&e] { return !e.flash.flashBusy; }, 2000))
                   s.problem = QStringLiteral("the flash did not end");
           }),
    Action("language", 1,
           [](Session& s) {
               const char* const words[] = {"Czech", "English", "Deutsch"};
               ApplyLanguageCommand(s.editor, QLatin1String(words[s.pick(3)]));
           }),
    Action("starter", 1, [](Session& s) { NewScheme(s.editor, Starter(s.pick(3))); }),
    Action("save", 2, [](Session& s) { s.saved = true, SaveScheme(s.editor); }),
    Action("save as", 2, [](Session& s) { s.saved = true, SaveSchemeAs(s.editor); }),
    Action("open", 2, [](Session& s) { OpenScheme(s.editor), s.opened = s.lastOpenAnswer; }),
    Action("recent", 1,
           [](Session& s) {
               const int entry = s.pick(RecentFiles::Count);
               s.opened = s.editor.recentFiles.entries[entry];
               OpenRecentFile(s.editor, entry);
           }),
    Action("rename", 1,
           [](Session& s) {
               s.editor.setNameBoxText(s.pick(10) ? QStringLiteral("Scheme %1").arg(s.pick(100))
                                                  : "");
           }),
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
                            : 100000;
    Session s;
    Editor& editor = s.editor;
    editor.previewRedrawn = [&s](RedrawTarget what) {
        s.redraws.append(what);
    };
    // As the window loads: element names, the Blue starter, then the first whole redraw.
    FillElementNames(editor);
    CreateStarterScheme(editor, Starter::Blue);
    editor.list.schemeReady = true;
    AttachPreview(editor, s.preview);
    RedrawPreview(editor, RedrawTarget::all());
    // Composes the screens once more from the editor's colours, to hold the live preview to.
    Preview fresh(24);

    std::vector<int> weights;
    for (const Action& action : Actions)
        weights.push_back(action.weight);
    std::discrete_distribution<int> choose(weights.begin(), weights.end());
    // The folder's files as the last action left them; only the editor writes there.
    QMap<QString, QByteArray> filesBefore = FilesIn(s.folder);
    int savesChecked = 0, opensChecked = 0, redrawsChecked = 0;

    for (int step = 0; step < actions; ++step) {
        const int a = choose(s.random);
        const QString before = SchemeText(editor);
        const int errorsBefore = s.errors;
        s.cancelled = s.saved = false;
        s.lastOpenAnswer.clear(), s.redraws.clear(), s.opened.clear();
        Actions[a].run(s);
        const QByteArray at = "action " + QByteArray::number(step) + " (" + Actions[a].name + ")";
        QVERIFY2(s.problem.isEmpty(), (at + ": " + s.problem.toUtf8()).constData());

        // The history's position stays within it, and Undo and Redo are enabled as it says.
        const EditHistory& h = editor.history.steps;
        UndoRedoState expected;
        UpdateUndoRedo(h, expected);
        QVERIFY2(h.historyPosition >= 0 && h.historyPosition <= h.lastIndex() &&
                     editor.history.commands.undoEnabled == expected.undoEnabled &&
                     editor.history.commands.redoEnabled == expected.redoEnabled,
                 at.constData());

        // Every file written reads back as the scheme before the action; a save leaves it
        // unmodified.
        const QMap<QString, QByteArray> filesAfter = FilesIn(s.folder);
        for (auto it = filesAfter.cbegin(); it != filesAfter.cend(); ++it)
            if (filesBefore.value(it.key()) != it.value()) {
                ++savesChecked;
                QCOMPARE(SchemeText(it.value()), before);
                QVERIFY2(!s.saved || !editor.document.modified, at.constData());
            }
        filesBefore = filesAfter;

        // A scheme just opened is unmodified and is what it came from.
        if (!s.opened.isEmpty() && s.errors == errorsBefore && !s.cancelled &&
            editor.document.filePath == s.opened) {
            ++opensChecked;
            QVERIFY2(!editor.document.modified, at.constData());
            QCOMPARE(SchemeText(editor), SchemeText(filesAfter.value(s.opened)));
        }

        // A whole redraw leaves the preview exactly as a fresh composition of the scheme.
        if (!s.redraws.isEmpty() && s.redraws.last().isAll() && !editor.flash.flashBusy) {
            ++redrawsChecked;
            fresh.redraw(RedrawTarget::all(), PreviewInputOf(editor));
            for (int screen = 0; screen < ScreenCount; ++screen)
                QVERIFY2(s.preview.screen(screen) == fresh.screen(screen),
                         (at + ": screen " + QByteArray::number(screen)).constData());
        }
    }

    qInfo("%d actions, checked: %d saved files, %d opens, %d whole redraws, %d flashes", actions,
          savesChecked, opensChecked, redrawsChecked, s.flashes);
    // A session that never saved, opened or redrew would prove little.
    QVERIFY(savesChecked > 0 && opensChecked > 0 && redrawsChecked > 0);
}

QTEST_GUILESS_MAIN(TestRandomSession)
#include "test_random_session.moc"
