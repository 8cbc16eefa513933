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

    QString someFile() {
        static const char* const Names[] = {"one.col", "two.col", "three.col", "gone.col"};
        return folder_.filePath(QString::fromLatin1(Names[Pick(random_, 4)]));
    }

    MessageAnswer showMessage(const Message& message) override {
        if (message.buttons == MessageButtons::Ok) {
            ++errors;
            return MessageAnswer::Ok;
        }
        static const MessageAnswer Answers[] = {MessageAnswer::Yes, MessageAnswer::No,
                                                MessageAnswer::Cancel};
        const MessageAnswer answer = Answers[Pick(random_, 3)];
        cancelled = cancelled || answer == MessageAnswer::Cancel;
        return answer;
    }
    QString chooseFileToOpen(const FileDialogTexts&) override {
        lastOpenAnswer = Pick(random_, 8) == 0 ? QString() : someFile();
        return lastOpenAnswer;
    }
    QString chooseFileToSave(const FileDialogTexts&) override {
        return Pick(random_, 8) == 0 ? QString() : someFile();
    }
    ColourValue chooseColour(ColourValue) override { return ColourValue(Pick(random_, 1 << 24)); }
    void showSafeSchemeInfo(const SafeSchemeInfo&) override {}
    void showFlashAdvice(const FlashAdvice&) override {}
    void showAbout(const AboutTexts&) override {}
    void showLinks(const LinksTexts&) override {}

private:
    Random& random_;
    const QTemporaryDir& folder_;
};

// What a save could have written: the scheme as it stood before the action.
struct SchemeSnapshot {
    QString name;
    std::array<ColourValue, ElementCount + 1> colours{};
    std::array<bool, ElementCount + 1> ticks{};

    static SchemeSnapshot Of(const Editor& editor) {
        SchemeSnapshot s;
        s.name = editor.document.schemeName;
        s.colours = editor.document.elementColour;
        for (int k = 1; k <= ElementCount; ++k)
            s.ticks[k] = editor.elementList.isChecked(k - 1);
        return s;
    }
    bool matches(const ParsedScheme& parsed) const {
        if (parsed.failure || parsed.schemeName != name)
            return false;
        for (int k = 1; k <= ElementCount; ++k) {
            if (parsed.elementColour[k] != colours[k] ||
                (parsed.elementOpacity[k] != 0) != ticks[k])
                return false;
        }
        return true;
    }
};

QMap<QString, QByteArray> FilesIn(const QTemporaryDir& folder) {
    QMap<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(folder.path()).entryInfoList(QDir::Files)) {
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly))
            files.insert(info.filePath(), file.readAll());
    }
    return files;
}

ParsedScheme Parse(const QByteArray& bytes) {
    return ParseSchemeText(DecodeSchemeBytes(bytes));
}

enum class Action {
    ListClick,
    CheckBoxClick,
    PaletteClick,
    MixColour,
    Undo,
    Redo,
    SafeScheme,
    ProviderName,
    LcdColours,
    AutoRedraw,
    Refresh,
    FlashOption,
    PreviewClick,
    Language,
    Starter,
    Save,
    SaveAs,
    Open,
    OpenRecent,
    Rename,
    Count
};

// Each action's name and how often it comes, out of the sum: mostly the clicks of everyday
// editing. In the order of Action.
struct ActionKind {
    const char* name;
    int weight;
};
constexpr ActionKind Kinds[] = {
    {"list click", 20}, {"check box", 12},  {"palette", 20}, {"mix colour", 1},  {"undo", 8},
    {"redo", 6},        {"safe scheme", 2}, {"provider", 2}, {"lcd colours", 1}, {"autoredraw", 1},
    {"refresh", 1},     {"flash opt", 1},   {"preview", 2},  {"language", 1},    {"starter", 1},
    {"save", 2},        {"save as", 2},     {"open", 2},     {"open recent", 1}, {"rename", 1},
};
static_assert(std::size(Kinds) == size_t(Action::Count));

Action PickAction(Random& random) {
    static const int Total = [] {
        int sum = 0;
        for (const ActionKind& kind : Kinds)
            sum += kind.weight;
        return sum;
    }();
    int roll = Pick(random, Total);
    for (int a = 0; a < int(Action::Count); ++a) {
        if (roll < Kinds[a].weight)
            return Action(a);
        roll -= Kinds[a].weight;
    }
    return Action::ListClick;
}

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
    Random random(20261206);
    QTemporaryDir folder(MemoryFolderTemplate(QStringLiteral("zef-session")));
    RandomDialogs dialogs(random, folder);
    Editor editor(dialogs, SettingsStore(folder.filePath(QStringLiteral("settings/zef.conf"))));
    QStringList redraws;
    editor.previewRedrawn = [&redraws](const QString& what) {
        redraws.append(what);
    };
    // As the window loads: element names, the Blue starter, then the first whole redraw.
    FillElementNames(editor);
    CreateStarterScheme(editor, Starter::Blue);
    editor.document.SchemeReady = true;
    Preview preview(24);
    editor.preview = &preview;
    RedrawPreview(editor, QStringLiteral("all"));
    // Composes the screens once more from the editor's colours, to hold the live preview to.
    Preview fresh(24);

    std::array<int, int(Action::Count)> done{};
    // The folder's files as the last action left them; only the editor writes there.
    QMap<QString, QByteArray> filesBefore = FilesIn(folder);
    int savesChecked = 0, opensChecked = 0, startersChecked = 0, redrawsChecked = 0, flashes = 0;

    for (int step = 0; step < actions; ++step) {
        const Action action = PickAction(random);
        ++done[int(action)];
        const SchemeSnapshot before = SchemeSnapshot::Of(editor);
        const int errorsBefore = dialogs.errors;
        dialogs.cancelled = false;
        dialogs.lastOpenAnswer.clear();
        redraws.clear();
        QString openedPath;
        std::optional<Starter> starter;
        const auto where = [&] {
            return QStringLiteral("action %1 (%2)").arg(step).arg(Kinds[int(action)].name);
        };

        switch (action) {
        case Action::ListClick:
            editor.elementList.setCurrent(Pick(random, ElementCount));
            break;
        case Action::CheckBoxClick:
            editor.elementList.clickCheckBox(Pick(random, ElementCount));
            break;
        case Action::PaletteClick: {
            const ColourPicture picture = ColourPicture(Pick(random, 4));
            HoverPaletteColour(editor, picture, Pick(random, 200) - 5, Pick(random, 160) - 5);
            if (editor.elementList.current() >= 0)
                ApplyPaletteColour(editor, picture);
            break;
        }
        case Action::MixColour:
            MixCustomColour(editor);
            break;
        case Action::Undo:
            if (editor.commands.undoEnabled)
                Undo(editor);
            break;
        case Action::Redo:
            if (editor.commands.redoEnabled)
                Redo(editor);
            break;
        case Action::SafeScheme:
            SetSafeScheme(editor, !editor.options.safeScheme);
            break;
        case Action::ProviderName:
            SetProviderNameOption(editor, !editor.options.hideProviderName);
            break;
        case Action::LcdColours:
            LcdColoursClicked(editor, !editor.options.lcdColours);
            break;
        case Action::AutoRedraw:
            AutoRedrawClicked(editor, !editor.options.autoRedraw);
            break;
        case Action::Refresh:
            RefreshClicked(editor);
            break;
        case Action::FlashOption:
            editor.options.flashOnSelect = !editor.options.flashOnSelect;
            break;
        case Action::PreviewClick: {
            const int screen = Pick(random, ScreenCount);
            HoverPreview(editor, screen, Pick(random, ScreenWidth), Pick(random, ScreenHeight));
            ClickPreview(editor, screen);
            if (!editor.flash.FlashBusy)
                break;
            ++flashes;
            const QImage shown = preview.screen(screen);
            const int current = editor.elementList.current();
            // A second click while the flash shows changes nothing.
            ClickPreview(editor, screen);
            QVERIFY2(preview.screen(screen) == shown && editor.elementList.current() == current,
                     qPrintable(where()));
            QVERIFY2(QTest::qWaitFor([&] { return !editor.flash.FlashBusy; }, 2000),
                     qPrintable(where() + QStringLiteral(": the flash did not end")));
            break;
        }
        case Action::Language: {
            static const char* const Words[] = {"Czech", "English", "Deutsch"};
            ApplyLanguageCommand(editor, QString::fromLatin1(Words[Pick(random, 3)]));
            break;
        }
        case Action::Starter:
            starter = Starter(Pick(random, 3));
            NewScheme(editor, *starter);
            break;
        case Action::Save:
            SaveScheme(editor);
            break;
        case Action::SaveAs:
            SaveSchemeAs(editor);
            break;
        case Action::Open:
            OpenScheme(editor);
            break;
        case Action::OpenRecent: {
            const int index = Pick(random, RecentFiles::Count);
            openedPath = editor.recentFiles.entries[index];
            OpenRecentFile(editor, index);
            break;
        }
        case Action::Rename:
            editor.setNameBoxText(Pick(random, 10) == 0
                                      ? QString()
                                      : QStringLiteral("Scheme %1").arg(Pick(random, 100)));
            break;
        case Action::Count:
            break;
        }

        // The history's position stays within it, and Undo and Redo are enabled as it says.
        const EditHistory& h = editor.history;
        QVERIFY2(h.historyPosition >= 0 && h.historyPosition <= h.lastIndex(), qPrintable(where()));
        QVERIFY2(h.stepColourBefore.size() == h.stepElement.size() &&
                     h.stepColourAfter.size() == h.stepElement.size(),
                 qPrintable(where()));
        UndoRedoState expected;
        UpdateUndoRedo(h, expected);
        QVERIFY2(editor.commands.undoEnabled == expected.undoEnabled &&
                     editor.commands.redoEnabled == expected.redoEnabled,
                 qPrintable(where()));

        // Every file the action wrote reads back as the scheme stood before it.
        const QMap<QString, QByteArray> filesAfter = FilesIn(folder);
        bool wrote = false;
        for (auto it = filesAfter.cbegin(); it != filesAfter.cend(); ++it) {
            if (filesBefore.value(it.key()) == it.value())
                continue;
            wrote = true;
            ++savesChecked;
            QVERIFY2(before.matches(Parse(it.value())),
                     qPrintable(where() + QStringLiteral(": ") + it.key()));
        }
        if (wrote && (action == Action::Save || action == Action::SaveAs))
            QVERIFY2(!editor.document.modified, qPrintable(where()));

        // A scheme just opened or started is unmodified and is what it came from.
        if (action == Action::Open)
            openedPath = dialogs.lastOpenAnswer;
        const bool opened = (action == Action::Open || action == Action::OpenRecent) &&
                            !openedPath.isEmpty() && dialogs.errors == errorsBefore &&
                            !dialogs.cancelled && editor.document.filePath == openedPath;
        if (opened) {
            ++opensChecked;
            QVERIFY2(!editor.document.modified, qPrintable(where()));
            QVERIFY2(SchemeSnapshot::Of(editor).matches(Parse(filesAfter.value(openedPath))),
                     qPrintable(where()));
        }
        if (starter && !dialogs.cancelled) {
            ++startersChecked;
            QVERIFY2(!editor.document.modified && editor.document.filePath.isEmpty(),
                     qPrintable(where()));
            for (int k = 1; k <= ElementCount; ++k) {
                const StarterElement& e = StarterTable(*starter)[k - 1];
                QVERIFY2(editor.document.elementColour[k] == MakeColour(e.red, e.green, e.blue),
                         qPrintable(where()));
            }
        }

        filesBefore = filesAfter;

        // A whole redraw leaves the preview exactly as a fresh composition of the scheme.
        if (!redraws.isEmpty() && redraws.last() == QLatin1String("all") &&
            !editor.flash.FlashBusy) {
            ++redrawsChecked;
            fresh.redraw(QStringLiteral("all"), editor);
            for (int screen = 0; screen < ScreenCount; ++screen) {
                QVERIFY2(preview.screen(screen) == fresh.screen(screen),
                         qPrintable(where() + QStringLiteral(": screen %1").arg(screen)));
            }
        }
    }

    QString summary;
    for (int a = 0; a < int(Action::Count); ++a)
        summary += QStringLiteral("%1 %2, ").arg(Kinds[a].name).arg(done[a]);
    qInfo("%d actions: %s", actions, qPrintable(summary));
    qInfo("checked: %d saved files, %d opens, %d starters, %d whole redraws, %d flashes",
          savesChecked, opensChecked, startersChecked, redrawsChecked, flashes);
    // A session that never saved, opened or redrew would prove little.
    QVERIFY(savesChecked > 0 && opensChecked > 0 && startersChecked > 0 && redrawsChecked > 0);
}

QTEST_GUILESS_MAIN(TestRandomSession)
#include "test_random_session.moc"
