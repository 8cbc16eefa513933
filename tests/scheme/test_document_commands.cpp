#include "editor_fixture.h"
#include "scheme/document_commands.h"
#include "scheme/recent_files.h"
#include "scheme/starter_schemes.h"
#include "scheme/undo_redo.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>
#include <optional>

namespace {
const Message SaveQuestion =
    Question(QStringLiteral("Save changes in actual scheme?"), QStringLiteral("Actual scheme"));
const Message OverwriteQuestion{MessageIcon::Exclamation,
                                QStringLiteral("Přepsat existující soubor?"),
                                QStringLiteral("Uložit jako..."), MessageButtons::YesNoCancel};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything a command that replaces the scheme could change, taken whole so that a test can
// show that nothing changed at all.
struct EditorState {
    SchemeDocument document;
    QList<bool> ticks;
    QString nameBox, fileLabel;
    QStringList history;
    qint16 historyPosition = 0;
    bool undoEnabled = false, redoEnabled = false;
    RecentFiles recent;
    RecentMenu recentMenu;
    QByteArray store;

    explicit EditorState(const EditorFixture& f)
        : document(f.editor.document), nameBox(f.editor.nameBoxText()),
          fileLabel(f.editor.fileLabel),
          history(f.editor.history.stepElement + f.editor.history.stepColourBefore +
                  f.editor.history.stepColourAfter),
          historyPosition(f.editor.history.historyPosition),
          undoEnabled(f.editor.commands.undoEnabled), redoEnabled(f.editor.commands.redoEnabled),
          recent(f.editor.recentFiles), recentMenu(f.editor.recentMenu),
          store(Contents(f.editor.settings.filePath())) {
        for (int p = 0; p < f.editor.elementList.count(); ++p)
            ticks.append(f.editor.elementList.isChecked(p));
    }

    void compare(const EditorState& o) const {
        QCOMPARE(document.headerTag, o.document.headerTag);
        QCOMPARE(document.schemeName, o.document.schemeName);
        QCOMPARE(document.dataTag, o.document.dataTag);
        QCOMPARE(document.elementColour, o.document.elementColour);
        QCOMPARE(document.elementOpacity, o.document.elementOpacity);
        QCOMPARE(document.filePath, o.document.filePath);
        QCOMPARE(document.modified, o.document.modified);
        QCOMPARE(ticks, o.ticks);
        QCOMPARE(nameBox, o.nameBox);
        QCOMPARE(fileLabel, o.fileLabel);
        QCOMPARE(history, o.history);
        QCOMPARE(historyPosition, o.historyPosition);
        QCOMPARE(undoEnabled, o.undoEnabled);
        QCOMPARE(redoEnabled, o.redoEnabled);
        QCOMPARE(recent.entries, o.recent.entries);
        QCOMPARE(recentMenu.captions, o.recentMenu.captions);
        QCOMPARE(store, o.store);
    }
};

// The commands that replace the scheme, each with what it opens (empty for a starter).
enum class Replacing { NewBlue, NewRed, NewGreen, Open, RecentItem, DroppedPath, CommandLine };

void Run(EditorFixture& f, Replacing command, const QString& file) {
    switch (command) {
    case Replacing::NewBlue:
        return NewScheme(f.editor, Starter::Blue);
    case Replacing::NewRed:
        return NewScheme(f.editor, Starter::Red);
    case Replacing::NewGreen:
        return NewScheme(f.editor, Starter::Green);
    case Replacing::Open:
        f.dialogs.openAnswers = {file};
        return OpenScheme(f.editor);
    case Replacing::RecentItem:
        return OpenRecentFile(f.editor, 1);
    case Replacing::DroppedPath:
        OpenSchemeFromPath(f.editor, file);
        return;
    case Replacing::CommandLine:
        OpenCommandLineFile(f.editor, QLatin1Char('"') + file + QLatin1Char('"'));
        return;
    }
}

} // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT
private slots:
    void theSaveQuestionInEveryLanguage_data();
    void theSaveQuestionInEveryLanguage();
    void yesSavesAndTheCommandGoesOnWhateverTheSaveDid();
    void saveAsAsksAgainAfterNoToOverwriting();
    void aSchemeWithoutNameIsNotSaved();
    void saveWritesToTheFileOfTheLastSaveAs();
    void openReadsAndFilesTheScheme();
    void withoutALanguageNothingIsThrownAway();
    void cancelAtTheSaveQuestionKeepsEverything_data();
    void cancelAtTheSaveQuestionKeepsEverything();
    void aFailedSaveKeepsTheOldFileAndTheChanges_data();
    void aFailedSaveKeepsTheOldFileAndTheChanges();
    void pathsFromOutsideAreMadeAbsolute();
    void theCommandLineFile();
    void onlyOneSchemeFileIsTakenFromADrop();
};

void TestDocumentCommands::theSaveQuestionInEveryLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("cs") << int(Language::Czech) << "Uložit změny v aktuálním schéma?"
                        << "Aktuální schéma";
    QTest::newRow("en") << int(Language::English) << "Save changes in actual scheme?"
                        << "Actual scheme";
    QTest::newRow("de") << int(Language::German) << "Speichern änderung in aktuell schema?"
                        << "Actual schema";
}

void TestDocumentCommands::theSaveQuestionInEveryLanguage() {
    QFETCH(int, language);
    QFETCH(QString, text);
    QFETCH(QString, title);
    EditorFixture f{static_cast<Language>(language)};
    QVERIFY(TestMakeProject(f.editor)); // nothing to ask about
    QVERIFY(f.dialogs.messages.isEmpty());

    f.editor.document.modified = true;
    f.dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    QVERIFY(!TestMakeProject(f.editor));
    QVERIFY(f.editor.document.modified);
    QVERIFY(TestMakeProject(f.editor));
    QVERIFY(!f.editor.document.modified);
    QCOMPARE(f.dialogs.messages, (QList<Message>{Question(text, title), Question(text, title)}));
}

void TestDocumentCommands::yesSavesAndTheCommandGoesOnWhateverTheSaveDid() {
    EditorFixture f;
    f.editor.document.modified = true;
    // A never-saved scheme: Yes opens Save As; cancelling it still lets New go on.
    f.dialogs.answers = {MessageAnswer::Yes};
    CreateStarterScheme(f.editor, Starter::Green);
    QCOMPARE(f.dialogs.saveDialogs.size(), 1);
    QCOMPARE(f.dialogs.saveDialogs.first().title,
             std::optional<QString>(QStringLiteral("Save As...")));
    QCOMPARE(f.dialogs.saveDialogs.first().filter,
             std::optional<QString>(QStringLiteral("Colour scheme Files (*.col)|*.col")));
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Green ZEF"));

    // With a file name chosen, Yes writes the old scheme before the new one replaces it.
    f.editor.setNameBoxText(QStringLiteral("Keep me"));
    f.dialogs.answers = {MessageAnswer::Yes};
    f.dialogs.saveAnswers = {f.path(QStringLiteral("kept.col"))};
    CreateStarterScheme(f.editor, Starter::Red);
    QFile kept(f.path(QStringLiteral("kept.col")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().startsWith("ColourScheme\r\nKeep me\r\n"));
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Red ZEF"));
    QVERIFY(f.editor.document.filePath.isEmpty());
}

void TestDocumentCommands::saveAsAsksAgainAfterNoToOverwriting() {
    EditorFixture f;
    const QString existing = f.writeFile(QStringLiteral("there.col"), "there");
    f.dialogs.saveAnswers = {existing, existing};
    f.dialogs.answers = {MessageAnswer::No, MessageAnswer::Cancel};
    SaveSchemeAs(f.editor);
    QCOMPARE(f.dialogs.saveDialogs.size(), 2);
    QCOMPARE(f.dialogs.messages, (QList<Message>{OverwriteQuestion, OverwriteQuestion}));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("there"));
    QVERIFY(f.editor.document.filePath.isEmpty());
}

void TestDocumentCommands::aSchemeWithoutNameIsNotSaved() {
    for (const auto& [language, text, title] :
         {std::tuple{Language::Czech, "Vložte název schéma!", "Chyba"},
          std::tuple{Language::English, "Enter name scheme!", "Error"},
          std::tuple{Language::German, "Sie geben Schema Name ein!", "Fehler"}}) {
        EditorFixture f{language};
        f.editor.setNameBoxText(QString());
        f.dialogs.saveAnswers = {f.path(QStringLiteral("x.col"))};
        SaveScheme(f.editor);
        SaveSchemeAs(f.editor);
        const Message missing = ErrorMessage(QString::fromUtf8(text), QString::fromUtf8(title));
        QCOMPARE(f.dialogs.messages, (QList<Message>{missing, missing}));
        QVERIFY(f.dialogs.saveDialogs.isEmpty());
        QVERIFY(!QFile::exists(f.path(QStringLiteral("x.col"))));
    }
}

void TestDocumentCommands::saveWritesToTheFileOfTheLastSaveAs() {
    EditorFixture f;
    const QString path = f.path(QStringLiteral("new.col"));
    f.dialogs.saveAnswers = {path};
    SaveSchemeAs(f.editor);
    QCOMPARE(f.editor.fileLabel, QStringLiteral("new.col"));
    QCOMPARE(f.editor.document.filePath, path);
    f.editor.setNameBoxText(QStringLiteral("Second"));
    SaveScheme(f.editor);
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.dialogs.saveDialogs.size(), 1);
    QVERIFY(!f.editor.document.modified);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\r\nSecond\r\n"));
    QVERIFY(f.editor.recentFiles.entries[0].isEmpty());
}

void TestDocumentCommands::openReadsAndFilesTheScheme() {
    EditorFixture f{Language::German};
    const QString path = f.writeFile(QStringLiteral("opened.col"), SchemeFileBytes("Opened"));
    RecordStep(f.editor, 0, 1, 2);
    f.dialogs.openAnswers = {path};
    OpenScheme(f.editor);
    QCOMPARE(f.dialogs.openDialogs.first().title, std::optional<QString>(QStringLiteral("Öffnen")));
    QCOMPARE(f.dialogs.openDialogs.first().filter,
             std::optional<QString>(QStringLiteral("Datei farbig Schema (*.col)|*.col")));
    QCOMPARE(f.editor.document.filePath, path);
    QCOMPARE(f.editor.fileLabel, QStringLiteral("opened.col"));
    QVERIFY(!f.editor.commands.undoEnabled);
    QCOMPARE(f.editor.recentFiles.entries[0], path);
    QCOMPARE(f.editor.recentMenu.captions[0], QStringLiteral("opened.col"));

    // Cancelling the dialog changes nothing.
    OpenScheme(f.editor);
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Opened"));
}

void TestDocumentCommands::withoutALanguageNothingIsThrownAway() {
    EditorFixture f{Language::None};
    f.editor.document.modified = true;
    QVERIFY(!TestMakeProject(f.editor));
    CreateStarterScheme(f.editor, Starter::Red);
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.editor.document.elementColour[1], MakeColour(0, 0, 128));
    QVERIFY(f.editor.document.modified);
    // The file dialogs keep their own title and have no filter.
    f.editor.document.modified = false;
    OpenScheme(f.editor);
    QVERIFY(!f.dialogs.openDialogs.first().title);
    QVERIFY(!f.dialogs.openDialogs.first().filter);
}

void TestDocumentCommands::cancelAtTheSaveQuestionKeepsEverything_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("name"); // the scheme name after No
    QTest::newRow("New Blue") << int(Replacing::NewBlue) << "Blue ZEF";
    QTest::newRow("New Red") << int(Replacing::NewRed) << "Red ZEF";
    QTest::newRow("New Green") << int(Replacing::NewGreen) << "Green ZEF";
    QTest::newRow("Open") << int(Replacing::Open) << "Other";
    QTest::newRow("recent item") << int(Replacing::RecentItem) << "Other";
    QTest::newRow("dropped file") << int(Replacing::DroppedPath) << "Other";
    QTest::newRow("command line") << int(Replacing::CommandLine) << "Other";
}

void TestDocumentCommands::cancelAtTheSaveQuestionKeepsEverything() {
    QFETCH(int, command);
    QFETCH(QString, name);
    EditorFixture f;
    const QString other = f.writeFile(QStringLiteral("other.col"), SchemeFileBytes("Other"));
    const QString mine = f.writeFile(QStringLiteral("mine.col"), SchemeFileBytes("Mine", {3}));
    QVERIFY(OpenSchemeFromPath(f.editor, other));
    QVERIFY(OpenSchemeFromPath(f.editor, mine));
    // Edits of every kind: a colour with its history step, a tick, the name.
    RecordStep(f.editor, 0, f.editor.document.elementColour[1], MakeColour(9, 9, 9));
    f.editor.document.elementColour[1] = MakeColour(9, 9, 9);
    f.editor.elementList.clickCheckBox(2);
    f.editor.setNameBoxText(QStringLiteral("Mine, edited"));
    QVERIFY(f.editor.document.modified);
    const EditorState before(f);

    f.dialogs.answers = {MessageAnswer::Cancel};
    Run(f, Replacing(command), other);
    QCOMPARE(f.dialogs.messages, QList<Message>{SaveQuestion});
    QVERIFY(f.dialogs.openDialogs.isEmpty());
    EditorState(f).compare(before);
    if (QTest::currentTestFailed())
        return;

    // No throws the changes away and the command goes on.
    f.dialogs.answers = {MessageAnswer::No};
    Run(f, Replacing(command), other);
    QCOMPARE(f.dialogs.messages, (QList<Message>{SaveQuestion, SaveQuestion}));
    QCOMPARE(f.editor.document.schemeName, name);
    QVERIFY(!f.editor.document.modified);
    QCOMPARE(f.editor.history.historyPosition, qint16(0));
    QCOMPARE(Contents(mine), SchemeFileBytes("Mine", {3}));
}

void TestDocumentCommands::aFailedSaveKeepsTheOldFileAndTheChanges_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("lockFolder"); // the folder rather than the file is read-only
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("read-only file, cs")
        << int(Language::Czech) << false << "Soubor nemohl být uložen!"
        << "Chyba";
    QTest::newRow("read-only file, en")
        << int(Language::English) << false << "File cannot be saved!"
        << "Error";
    QTest::newRow("read-only file, de")
        << int(Language::German) << false << "Datei kann nicht speichern!"
        << "Fehler";
    QTest::newRow("read-only folder, en")
        << int(Language::English) << true << "File cannot be saved!"
        << "Error";
}

void TestDocumentCommands::aFailedSaveKeepsTheOldFileAndTheChanges() {
    QFETCH(int, language);
    QFETCH(bool, lockFolder);
    QFETCH(QString, text);
    QFETCH(QString, title);
    EditorFixture f{Language(language)};
    QFile::setPermissions(f.folder.path(), QFileDevice::Permissions(0x7777));
    const QByteArray old = SchemeFileBytes("Old");
    const QString path = f.writeFile(QStringLiteral("old.col"), old);
    QVERIFY(OpenSchemeFromPath(f.editor, path));
    RecordStep(f.editor, 0, f.editor.document.elementColour[1], MakeColour(7, 7, 7));
    f.editor.document.elementColour[1] = MakeColour(7, 7, 7);
    f.editor.document.modified = true;
    if (lockFolder)
        QFile::setPermissions(f.folder.path(), QFileDevice::Permissions(0x5555));
    else
        QFile::setPermissions(path, QFileDevice::Permissions(0x4444));
    const EditorState before(f);
    {
        PermissionsEnforced asAUser;
        SaveScheme(f.editor);
    }
    QFile::setPermissions(f.folder.path(), QFileDevice::Permissions(0x7777));
    QCOMPARE(f.dialogs.messages, QList<Message>{ErrorMessage(text, title)});
    QCOMPARE(Contents(path), old);
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("old.col"), QStringLiteral("zef.conf")}));
    EditorState(f).compare(before);
    QVERIFY(f.editor.document.modified);
}

void TestDocumentCommands::pathsFromOutsideAreMadeAbsolute() {
    EditorFixture f;
    QDir(f.folder.path()).mkdir(QStringLiteral("sub"));
    const QString path = f.writeFile(QStringLiteral("sub/rel.col"), SchemeFileBytes("Rel"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(f.path(QStringLiteral("sub"))));
    const bool opened = OpenSchemeFromPath(f.editor, QStringLiteral("../sub/./rel.col"));
    QDir::setCurrent(previous);
    QVERIFY(opened);
    QCOMPARE(f.editor.document.filePath, path);
    QCOMPARE(f.editor.recentFiles.entries[0], path);
    QCOMPARE(f.editor.fileLabel, QStringLiteral("rel.col"));
    QCOMPARE(f.editor.recentMenu.captions[0], QStringLiteral("rel.col"));
}

void TestDocumentCommands::theCommandLineFile() {
    EditorFixture f;
    const QString path = f.writeFile(QStringLiteral("my scheme.col"), SchemeFileBytes("Quoted"));
    // Nothing named: nothing to do, and the first activation goes on.
    QVERIFY(OpenCommandLineFile(f.editor, QString()));
    QVERIFY(f.dialogs.messages.isEmpty());

    // A leading quote drops the first and the last character, whatever the last one is.
    QVERIFY(OpenCommandLineFile(f.editor, QLatin1Char('"') + path + QLatin1Char('x')));
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Quoted"));
    QCOMPARE(f.editor.document.filePath, path);

    // An unquoted path is taken as it is, quotes inside included.
    QVERIFY(!OpenCommandLineFile(f.editor, path + QLatin1Char('"')));
    QCOMPARE(f.dialogs.messages,
             QList<Message>{ErrorMessage(QStringLiteral("File read error!"), "Error")});
    QCOMPARE(f.editor.document.filePath, path);

    // A cancelled save question ends the open early too.
    f.editor.document.modified = true;
    f.dialogs.answers = {MessageAnswer::Cancel};
    QVERIFY(!OpenCommandLineFile(f.editor, path));
    QVERIFY(f.editor.document.modified);
}

void TestDocumentCommands::onlyOneSchemeFileIsTakenFromADrop() {
    const QUrl scheme = QUrl::fromLocalFile(QStringLiteral("/home/jana/Modrá nebe.col"));
    QCOMPARE(DroppedSchemePath({scheme}), QStringLiteral("/home/jana/Modrá nebe.col"));
    QCOMPARE(DroppedSchemePath({QUrl(QStringLiteral("file:///media/phone/OLD.COL"))}),
             QStringLiteral("/media/phone/OLD.COL"));
    QVERIFY(!DroppedSchemePath({}));
    QVERIFY(!DroppedSchemePath({scheme, scheme}));
    QVERIFY(!DroppedSchemePath({QUrl::fromLocalFile(QStringLiteral("/home/jana/photo.png"))}));
    QVERIFY(!DroppedSchemePath({QUrl::fromLocalFile(QStringLiteral("/home/jana/col"))}));
    QVERIFY(!DroppedSchemePath({QUrl(QStringLiteral("https://example.org/blue.col"))}));
}

QTEST_GUILESS_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
