#include "editor_fixture.h"
#include "scheme/document_commands.h"
#include "scheme/starter_schemes.h"
#include "scheme/undo_redo.h"

#include <QFile>
#include <QTest>

namespace {
const Message SaveQuestion =
    Question(QStringLiteral("Save changes in actual scheme?"), QStringLiteral("Actual scheme"));
const Message OverwriteQuestion{MessageIcon::Exclamation,
                                QStringLiteral("Přepsat existující soubor?"),
                                QStringLiteral("Uložit jako..."), MessageButtons::YesNoCancel};
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

QTEST_GUILESS_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
