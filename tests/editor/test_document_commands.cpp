#include "editor/document_commands.h"
#include "editor/language_command.h"
#include "editor/palette_colours.h"
#include "editor/recent_files.h"
#include "editor/scheme_loading.h"
#include "editor/scheme_saving.h"
#include "editor/undo_redo.h"
#include "editor_fixture.h"
#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"
#include "scheme/starter_schemes.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr Language Cs = Language::Czech, En = Language::English, De = Language::German;
using Entries = std::array<QString, RecentFiles::Count>;

Message Error(Language language, const QString& text) {
    const QString titles[] = {u"Chyba"_s, u"Error"_s, u"Fehler"_s};
    return {MessageIcon::Critical, text, titles[int(language)], MessageButtons::Ok};
}

Message Question(const QString& text, const QString& title) {
    return {MessageIcon::Exclamation, text, title, MessageButtons::YesNoCancel};
}

// The recent files as the settings file holds them, read by another editor.
Entries Stored(EditorFixture& f) {
    Editor other(f.dialogs, SettingsStore(f.editor.settings.filePath()));
    ReadRecentFiles(other);
    return other.recentFiles.entries;
}

// Everything a command could change that the user sees or that would be saved, as one list.
QStringList StateOf(const Editor& e) {
    const SchemeDocument& d = e.document;
    QStringList state;
    state << d.headerTag << d.schemeName << d.dataTag << d.filePath << e.nameBoxText()
          << e.shown.fileLabel << QString::fromUtf8(Contents(e.settings.filePath()));
    state << QString::asprintf("%d %d %d %d %d", d.modified, int(e.history.steps.historyPosition),
                               e.history.steps.lastIndex(), e.history.commands.undoEnabled,
                               e.history.commands.redoEnabled);
    for (int k = 1; k <= ElementCount; ++k)
        state << QString::asprintf("%d %d %d", d.elementColour[k], int(d.elementOpacity[k]),
                                   e.list.elements.isChecked(k - 1));
    for (int k = 0; k < RecentFiles::Count; ++k)
        state << e.recentFiles.entries[k] << e.recentMenu.captions[k];
    return state;
}

// The commands that replace the scheme, run with other.col to open and the save question
// answered as given; a dropped path is relative to the working folder.
enum class Replacing { NewBlue, NewRed, NewGreen, Open, DroppedPath };

void Run(EditorFixture& f, Replacing command, MessageAnswer answer) {
    f.dialogs.answers = {answer};
    f.dialogs.openAnswers = {f.path(u"other.col"_s)};
    const QString previous = QDir::currentPath();
    QDir::setCurrent(f.folder.path());
    if (command <= Replacing::NewGreen)
        NewScheme(f.editor, Starter(int(command)));
    else if (command == Replacing::Open)
        OpenScheme(f.editor);
    else
        OpenSchemeFromPath(f.editor,
                           u"../"_s + QFileInfo(f.folder.path()).fileName() + u"/./other.col"_s);
    QDir::setCurrent(previous);
}

} // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT
private slots:
    void startersWriteTheirFilesExactly_data() {
        QTest::addColumn<Starter>("starter");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::newRow("blue cs") << Starter::Blue << Cs << u"Modrá ZEF"_s
                                 << u"Nový projekt - Modrá"_s;
        QTest::newRow("red en") << Starter::Red << En << u"Red ZEF"_s << u"New project - Red"_s;
        QTest::newRow("green de") << Starter::Green << De << u"Grünn ZEF"_s
                                  << u"Neu project - Grünn"_s;
    }
    void startersWriteTheirFilesExactly() {
        QFETCH(Starter, starter);
        QFETCH(Language, language);
        QFETCH(QString, name);
        QFETCH(QString, label);
        EditorFixture f{language};
        f.editor.list.elements.setCurrent(30);
        CreateStarterScheme(f.editor, starter);
        QCOMPARE(f.editor.document.schemeName + f.editor.nameBoxText(), name + name);
        QCOMPARE(f.editor.shown.fileLabel, label);
        QCOMPARE(f.editor.list.elements.current(), 0);
        QCOMPARE(f.editor.shown.swatchColour, f.editor.document.elementColour[1]);
        QCOMPARE(f.redraws, QList{RedrawTarget::all()});
        // The committed file of each starter, with the name of the language.
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 0, 0);
        QList<QByteArray> golden =
            Contents(QFINDTESTDATA(u"starters/"_s + tag + u".col"_s)).split('\n');
        golden[1] = EncodeSchemeText(name) + '\r';
        // The new scheme holds the file's opacities (its colours are written below); until the
        // next save the opacity, not the tick, decides the preview's conditional overlays.
        const ParsedScheme parsed = ParseSchemeText(DecodeSchemeBytes(golden.join('\n')));
        QCOMPARE(f.editor.document.elementOpacity, parsed.elementOpacity);
        QCOMPARE(WriteSchemeFile(f.editor, f.path(u"starter.col"_s)), WriteResult::Finished);
        QCOMPARE(Contents(f.path(u"starter.col"_s)).split('\n'), golden);
    }

    void reading_data() {
        // What the user gets: the message of a failure, or the name of the scheme read.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* tag, const QByteArray& bytes, const QString& outcome,
                            Language language = En) {
            QTest::newRow(tag) << bytes << language << outcome;
        };
        const QByteArray good = SchemeFileBytes("Name");
        row("not a scheme, cs", "Hi", u"Nejedná se o soubor schématu!"_s, Cs);
        row("bad, de", good + "1 2 3 4\r\n", u"Diese Datei ist fehler!"_s, De);
        row("transparent", SchemeFileBytes("Mine", {2, 45}), u"Mine"_s);
        row("all painted, one at 50", QByteArray(good).replace("\n2 4 6 100", "\n2 4 6 50"),
            u"Name"_s);
    }
    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(Language, language);
        QFETCH(QString, outcome);
        EditorFixture f{language};
        const QString file = f.writeFile(u"bad.col"_s, bytes);
        f.editor.list.elements.setCurrent(7);
        const QStringList before = StateOf(f.editor);
        const bool read = ReadSchemeFile(f.editor, file);
        const SchemeDocument& doc = f.editor.document;
        QCOMPARE(read ? doc.schemeName : outcome, outcome);
        QCOMPARE(f.dialogs.messages, read ? QList<Message>() : QList{Error(language, outcome)});
        // Either way the list is left ready; a failure changes nothing and draws nothing.
        QVERIFY(f.editor.list.schemeReady && f.editor.list.elements.enabled);
        if (!read) {
            QCOMPARE(StateOf(f.editor), before);
            QVERIFY(f.redraws.isEmpty());
            return;
        }
        const ParsedScheme parsed = ParseSchemeText(DecodeSchemeBytes(bytes));
        QCOMPARE(doc.elementColour, parsed.elementColour);
        QCOMPARE(doc.elementOpacity, parsed.elementOpacity);
        QCOMPARE(f.editor.nameBoxText(), doc.schemeName);
        // Every opacity but 0 is painted; a scheme without a transparent element is safe.
        QCOMPARE(f.editor.list.elements.isChecked(1), doc.elementOpacity[2] != 0);
        QCOMPARE(f.editor.options.safeScheme,
                 std::count(doc.elementOpacity.begin() + 1, doc.elementOpacity.end(), 0) == 0);
        // Element 1 is selected afresh and shown; loading is no edit.
        QCOMPARE(f.editor.list.elements.current(), 0);
        QCOMPARE(f.editor.shown.selectedItemText, u"01 - Font display date / time"_s);
        QCOMPARE(f.editor.shown.swatchColour, doc.elementColour[1]);
        QVERIFY(!doc.modified);
        QVERIFY(f.redraws.last().isAll());
        // The file is remembered; the caller decides the file path.
        QCOMPARE(Stored(f)[0], file);
        QVERIFY(doc.filePath.isEmpty());
    }

    void saving_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("target"); // chosen in Save As; none for a scheme without name
        QTest::addColumn<QList<MessageAnswer>>("answers"); // to the overwrite question, each time
        QTest::addColumn<QString>("message"); // the error shown; a file to save is read-only
        const auto row = [](const char* tag, Language language, const char* target,
                            const QList<MessageAnswer>& answers, const QString& message = {}) {
            QTest::newRow(tag) << language << QString::fromUtf8(target) << answers << message;
        };
        using enum MessageAnswer;
        row("overwrite, yes, cs", Cs, "old.col", {Yes});
        row("no asks for another name, en", En, "old.col", {No, Cancel});
        row("read-only file, de", De, "old.col", {Yes}, u"Datei kann nicht speichern!"_s);
        row("no name, cs", Cs, "", {}, u"Vložte název schéma!"_s);
    }
    void saving() {
        QFETCH(Language, language);
        QFETCH(QString, target);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QString, message);
        EditorFixture f{language};
        QFile::setPermissions(f.folder.path(), QFileDevice::Permissions(0x7777));
        const QString old = f.writeFile(u"old.col"_s, "old");
        QFile::setPermissions(old, QFileDevice::Permissions(message.isEmpty() ? 0x6666 : 0x4444));
        RecordStep(f.editor, 3, 1, 2);
        RecordStep(f.editor, 3, 2, 3);
        Undo(f.editor);
        f.editor.document.modified = true;
        f.dialogs.saveAnswers = {f.path(target), f.path(target)};
        f.dialogs.answers = answers;
        // The overwrite question has always been asked in Czech, whatever the language.
        QList<Message> expected(answers.size(),
                                Question(u"Přepsat existující soubor?"_s, u"Uložit jako..."_s));
        {
            const auto asAUser = EnforcePermissions();
            if (target.isEmpty()) { // neither Save As nor Save writes a scheme without name
                f.editor.setNameBoxText(QString());
                f.editor.document.filePath = old;
                SaveSchemeAs(f.editor);
                expected << Error(language, message);
            }
            SaveScheme(f.editor); // Save As for a never-saved scheme
        }
        if (!message.isEmpty())
            expected << Error(language, message);
        QCOMPARE(f.dialogs.messages, expected);
        const QString dialog[] = {u"Uložit jako... Soubory barevného schéma (*.col)|*.col"_s,
                                  u"Save As... Colour scheme Files (*.col)|*.col"_s,
                                  u"Speichern als... Datei farbig schema (*.col)|*.col"_s};
        QCOMPARE(f.dialogs.saveDialogs.size(), target.isEmpty() ? 0 : qMax(answers.size(), 1));
        for (const FileDialogTexts& texts : f.dialogs.saveDialogs)
            QCOMPARE(texts.title.value_or(QString()) + u' ' + texts.filter.value_or(QString()),
                     dialog[int(language)]);
        // Nothing is left beside the file, and the recent files are not touched.
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"old.col"_s});
        if (answers != QList{MessageAnswer::Yes} || !message.isEmpty()) {
            QCOMPARE(Contents(old), "old");
            QCOMPARE(f.editor.history.steps.lastIndex(), 2);
            QVERIFY(f.editor.document.modified);
            QCOMPARE(f.editor.document.filePath, target.isEmpty() ? old : QString());
            return;
        }
        // A successful write files the scheme and empties the history.
        const UndoRedoState& commands = f.editor.history.commands;
        QVERIFY(!f.editor.document.modified && !commands.undoEnabled && !commands.redoEnabled);
        QCOMPARE(f.editor.document.filePath + f.editor.shown.fileLabel, old + u"old.col"_s);
    }

    void undoAndRedo_data() {
        // eN: the current element coloured N; u: Undo; r: Redo; sN: select entry N; n: New Red.
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("history"); // position/last, and the commands enabled
        QTest::addColumn<int>("current");
        QTest::addColumn<ColourValue>("colour"); // of the current element
        QTest::addColumn<QString>("redraws");
        const auto row = [](const char* tag, const char* script, const char* history, int current,
                            ColourValue colour, const char* redraws) {
            QTest::newRow(tag) << script << history << current << colour << redraws;
        };
        const ColourValue blue = MakeColour(0, 0, 128);
        row("nothing to undo or redo", "u r", "0/0", 0, blue, "");
        row("two of three undone", "e1 e2 e3 u u", "1/3 undo redo", 0, 1, "1 1 1 1 1");
        row("undo and redo after it", "e1 e2 e3 u u e4 u r", "2/2 undo", 0, 4, "1 1 1 1 1 1 1 1");
        row("undo selects the element", "s9 e7 s2 u", "0/1 redo", 9, MakeColour(160, 0, 0),
            "10 10");
        row("a new scheme starts afresh", "e5 n e6 u", "0/1 redo", 0, MakeColour(128, 0, 0),
            "1 all 1 1");
    }
    void undoAndRedo() {
        QFETCH(QString, script);
        QFETCH(QString, history);
        QFETCH(int, current);
        QFETCH(ColourValue, colour);
        QFETCH(QString, redraws);
        EditorFixture f;
        Editor& editor = f.editor;
        for (const QString& step : script.split(u' ')) {
            editor.document.modified = false;
            editor.colourFrame.customColour = step.mid(1).toInt();
            if (step[0] == u'e')
                ApplyPaletteColour(editor, ColourPicture::Custom);
            if (step[0] == u'u')
                Undo(editor);
            if (step[0] == u'r')
                Redo(editor);
            if (step[0] == u's')
                editor.list.elements.setCurrent(step.mid(1).toInt());
            if (step[0] == u'n')
                CreateStarterScheme(editor, Starter::Red);
            QCOMPARE(editor.document.modified, step[0] == u'e'); // undo and redo are no edits
        }
        const UndoRedoState& commands = editor.history.commands;
        QCOMPARE(u"%1/%2%3%4"_s.arg(editor.history.steps.historyPosition)
                     .arg(editor.history.steps.lastIndex())
                     .arg(commands.undoEnabled ? " undo" : "", commands.redoEnabled ? " redo" : ""),
                 history);
        QCOMPARE(editor.list.elements.current(), current);
        QCOMPARE(editor.document.elementColour[current + 1], colour);
        QCOMPARE(editor.shown.swatchColour, colour);
        QCOMPARE(editor.shown.selectedItemText, editor.list.elements.entry(current).text);
        QCOMPARE(f.redrawsText(), redraws);
    }

    void aFullHistoryForgetsItsOldestStepWhole() {
        EditHistory history;
        for (int i = 1; i <= EditHistory::MaxSteps + 2; ++i)
            history.recordStep(i % ElementCount, i - 1, i);
        QCOMPARE(std::pair(int(history.historyPosition), history.lastIndex()),
                 std::pair(32767, 32767));
        // The two oldest steps went; the others keep their order.
        for (const int k : {1, 2, 32767})
            QVERIFY(history.step(k) == (HistoryStep{(k + 2) % ElementCount, k + 1, k + 2}));
    }

    void theSaveQuestionBeforeReplacingTheScheme_data() {
        QTest::addColumn<Replacing>("command");
        QTest::addColumn<Language>("language");
        QTest::addColumn<bool>("yes"); // then Yes, after the scheme was changed again
        QTest::newRow("New Blue, cs") << Replacing::NewBlue << Cs << false;
        QTest::newRow("New Green, de, yes") << Replacing::NewGreen << De << true;
        QTest::newRow("Open, de, yes") << Replacing::Open << De << true;
        QTest::newRow("dropped file, en") << Replacing::DroppedPath << En << false;
        // With no language there is nobody to ask, and nothing is thrown away.
        QTest::newRow("Open, no language") << Replacing::Open << Language::None << false;
    }
    void theSaveQuestionBeforeReplacingTheScheme() {
        QFETCH(Replacing, command);
        QFETCH(Language, language);
        QFETCH(bool, yes);
        EditorFixture f{language};
        const QString other = f.writeFile(u"other.col"_s, SchemeFileBytes("Other"));
        const QString mine = f.writeFile(u"mine.col"_s, SchemeFileBytes("Mine", {3}));
        QVERIFY(OpenSchemeFromPath(f.editor, other) && OpenSchemeFromPath(f.editor, mine));
        // Edits of every kind: a colour with its history step, a tick, the name.
        f.editor.colourFrame.customColour = MakeColour(9, 9, 9);
        ApplyPaletteColour(f.editor, ColourPicture::Custom);
        f.editor.list.elements.clickCheckBox(2);
        f.editor.setNameBoxText(u"Mine, edited"_s);
        const QStringList before = StateOf(f.editor);
        const Message questions[] = {
            Question(u"Uložit změny v aktuálním schéma?"_s, u"Aktuální schéma"_s),
            Question(u"Save changes in actual scheme?"_s, u"Actual scheme"_s),
            Question(u"Speichern änderung in aktuell schema?"_s, u"Actual schema"_s)};
        const QList<Message> asked =
            language == Language::None ? QList<Message>() : QList{questions[int(language)]};

        Run(f, command, MessageAnswer::Cancel);
        QCOMPARE(f.dialogs.messages, asked);
        QVERIFY(f.dialogs.openDialogs.isEmpty());
        QCOMPARE(StateOf(f.editor), before);
        if (language == Language::None)
            return;
        // No throws the changes away and the command goes on, with an empty history.
        Run(f, command, MessageAnswer::No);
        QCOMPARE(f.dialogs.messages, asked + asked);
        QVERIFY(!f.editor.document.modified && !f.editor.history.commands.undoEnabled);
        QCOMPARE(Contents(mine), SchemeFileBytes("Mine", {3}));
        if (yes) { // Yes saves first, and the command goes on whatever the save did
            f.editor.setNameBoxText(u"Again"_s);
            Run(f, command, MessageAnswer::Yes);
            QCOMPARE(f.dialogs.messages.size(), 3);
            QVERIFY(!f.editor.document.modified);
        }
        if (command <= Replacing::NewGreen) {
            const Starter starter = Starter(int(command));
            QCOMPARE(f.editor.document.schemeName + f.editor.shown.fileLabel,
                     *StarterName(starter, language) + *StarterFileLabel(starter, language));
            QVERIFY(f.editor.document.filePath.isEmpty());
            QCOMPARE(f.dialogs.saveDialogs.size(), yes ? 1 : 0); // a never-saved scheme
            return;
        }
        // An opened file is filed under its absolute path, on top of the recent files.
        QCOMPARE(f.editor.document.schemeName, yes ? u"Again"_s : u"Other"_s);
        QCOMPARE(f.editor.document.filePath + f.editor.recentFiles.entries[0], other + other);
        QCOMPARE(f.editor.shown.fileLabel + f.editor.recentMenu.captions[0],
                 u"other.colother.col"_s);
        const FileDialogTexts open = f.dialogs.openDialogs.value(0);
        if (command == Replacing::Open)
            QCOMPARE(open.title.value_or(QString()) + u' ' + open.filter.value_or(QString()),
                     u"Öffnen Datei farbig Schema (*.col)|*.col"_s);
    }

    // A path from the command line that starts with a quote loses its first and last characters,
    // whatever the last is; any other is opened as it is, a quote at its end and all. No path at
    // all is nothing to open, and no failure. A drop gives a path for one scheme file alone.
    void pathsFromOutside() {
        EditorFixture f;
        const QString path = f.writeFile(u"my scheme.col"_s, SchemeFileBytes("Mine"));
        for (const QString& line : {u"\"%1\""_s, u"\"%1!"_s, u"%1"_s})
            QVERIFY2(OpenCommandLineFile(f.editor, line.arg(path)), qPrintable(line));
        QVERIFY(!OpenCommandLineFile(f.editor, path + u'"') && OpenCommandLineFile(f.editor, {}));
        const QUrl scheme = QUrl::fromLocalFile(u"/home/jana/Modrá nebe.col"_s);
        QCOMPARE(DroppedSchemePath({scheme}), u"/home/jana/Modrá nebe.col"_s);
        QCOMPARE(DroppedSchemePath({QUrl(u"file:///media/OLD.COL"_s)}), u"/media/OLD.COL"_s);
        QVERIFY(!DroppedSchemePath({}) && !DroppedSchemePath({scheme, scheme}));
        QVERIFY(!DroppedSchemePath({QUrl::fromLocalFile(u"/home/jana/photo.png"_s)}));
        QVERIFY(!DroppedSchemePath({QUrl(u"https://example.org/blue.col"_s)}));
    }

    void recentItemsOpenTheirFiles() {
        EditorFixture f;
        // As the start-up finds them: stored by earlier reads, then read after the captioning.
        RecentFiles earlier;
        QStringList paths{u"no-folder.col"_s};
        for (const char* name : {"d", "c", "b", "a"})
            paths << f.writeFile(QString::fromLatin1(name) + u".col"_s, SchemeFileBytes(name));
        for (const QString& path : paths)
            AddRecentFile(earlier, f.editor.settings, path);
        const QString &a = paths[4], &b = paths[3], &c = paths[2], &d = paths[1];
        CaptionRecentMenu(f.editor);
        ReadRecentFiles(f.editor);
        QCOMPARE(f.editor.recentFiles.entries, (Entries{a, b, c, d, paths[0]}));
        // A path without "/" leaves its item's caption as it was.
        QCOMPARE(f.editor.recentMenu.captions,
                 (Entries{"a.col", "b.col", "c.col", "d.col", "(none)"}));
        // An item that is not there does nothing; an unexpected question would fail the test.
        f.editor.document.modified = true;
        OpenRecentFile(f.editor, -1);
        OpenRecentFile(f.editor, 5);
        QCOMPARE(f.editor.shown.fileLabel, u"New project - Blue"_s);
        f.editor.document.modified = false;
        // An item opens its file, which then stands in two items.
        OpenRecentFile(f.editor, 2);
        QCOMPARE(f.editor.document.schemeName + f.editor.document.filePath, u"c"_s + c);
        QCOMPARE(f.editor.recentMenu.captions,
                 (Entries{"c.col", "a.col", "b.col", "c.col", "d.col"}));
        // A file gone since it was listed gives the read error and stays listed.
        QVERIFY(QFile::remove(b));
        OpenRecentFile(f.editor, 2);
        QCOMPARE(f.dialogs.messages, QList{Error(En, u"File read error!"_s)});
        QCOMPARE(Stored(f), (Entries{c, a, b, c, d}));
        QCOMPARE(f.editor.recentMenu.captions[2] + f.editor.shown.fileLabel, u"b.colc.col"_s);
        // The language chosen at the first start empties the list.
        StoreChosenLanguage(f.editor.settings, u"Czech"_s);
        QCOMPARE(Stored(f), RecentFiles().entries);
    }
};

QTEST_GUILESS_MAIN(TestDocumentCommands)

#include "test_document_commands.moc"
