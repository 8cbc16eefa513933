#include "editor_fixture.h"
#include "scheme/document_commands.h"
#include "scheme/starter_schemes.h"
#include "scheme/undo_redo.h"

#include <QTest>

namespace {

QList<int> TransparentElements(const Editor& editor) {
    QList<int> elements;
    for (int p = 0; p < 60; ++p) {
        if (!editor.elementList.isChecked(p))
            elements.append(p + 1);
    }
    return elements;
}

} // namespace

class TestStarterSchemes : public QObject {
    Q_OBJECT
private slots:
    void namesAndLabelsFollowTheLanguage_data();
    void namesAndLabelsFollowTheLanguage();
    void colourSamplesOfTheTables();
    void aStarterIsANewUnsavedScheme();
    void cancelAtTheSaveQuestionKeepsTheScheme();
    void duringLoadingNothingIsRedrawn();
    void savingANewSchemeAsksForAFileName();
};

void TestStarterSchemes::namesAndLabelsFollowTheLanguage_data() {
    QTest::addColumn<int>("starter");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    const int blue = int(Starter::Blue), red = int(Starter::Red), green = int(Starter::Green);
    const int cz = int(Language::Czech), en = int(Language::English), de = int(Language::German);
    QTest::newRow("blue cs") << blue << cz << "Modrá ZEF"
                             << "Nový projekt - Modrá";
    QTest::newRow("blue en") << blue << en << "Blue ZEF"
                             << "New project - Blue";
    QTest::newRow("blue de") << blue << de << "Blau ZEF"
                             << "Neu project - Blau";
    QTest::newRow("red cs") << red << cz << "Červená ZEF"
                            << "Nový projekt - Červená";
    QTest::newRow("red en") << red << en << "Red ZEF"
                            << "New project - Red";
    QTest::newRow("red de") << red << de << "Rot ZEF"
                            << "Neu project - Rot";
    QTest::newRow("green cs") << green << cz << "Zelená ZEF"
                              << "Nový projekt - Zelená";
    QTest::newRow("green en") << green << en << "Green ZEF"
                              << "New project - Green";
    QTest::newRow("green de") << green << de << "Grünn ZEF"
                              << "Neu project - Grünn";
}

void TestStarterSchemes::namesAndLabelsFollowTheLanguage() {
    QFETCH(int, starter);
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(QString, label);
    EditorFixture f{static_cast<Language>(language)};
    CreateStarterScheme(f.editor, static_cast<Starter>(starter));
    QCOMPARE(f.editor.document.schemeName, name);
    QCOMPARE(f.editor.nameBoxText(), name);
    QCOMPARE(f.editor.fileLabel, label);

    // A word that selects no language leaves name and label as they were.
    f.editor.language = Language::None;
    CreateStarterScheme(f.editor, Starter::Red);
    QCOMPARE(f.editor.document.schemeName, name);
    QCOMPARE(f.editor.fileLabel, label);
}

void TestStarterSchemes::colourSamplesOfTheTables() {
    // Rows checked by hand, where the three starters differ most.
    EditorFixture f;
    const auto colour = [&](int element) {
        return f.editor.document.elementColour[element];
    };
    QCOMPARE(colour(1), MakeColour(0, 0, 128));
    QCOMPARE(colour(12), MakeColour(32, 160, 192));
    QCOMPARE(colour(24), MakeColour(96, 224, 0));
    QCOMPARE(colour(26), MakeColour(192, 128, 0));
    QCOMPARE(colour(46), MakeColour(0, 160, 192));
    QCOMPARE(colour(48), MakeColour(224, 128, 0));
    QCOMPARE(colour(54), MakeColour(0, 32, 192));
    QCOMPARE(TransparentElements(f.editor), (QList<int>{35, 45}));

    CreateStarterScheme(f.editor, Starter::Red);
    QCOMPARE(colour(14), MakeColour(128, 96, 192));
    QCOMPARE(colour(25), MakeColour(255, 255, 255));
    QCOMPARE(colour(35), MakeColour(192, 0, 0));
    QCOMPARE(colour(47), MakeColour(96, 224, 0));
    QCOMPARE(colour(56), MakeColour(160, 32, 0));
    QCOMPARE(TransparentElements(f.editor), QList<int>{45});

    CreateStarterScheme(f.editor, Starter::Green);
    QCOMPARE(colour(3), MakeColour(0, 0, 0));
    QCOMPARE(colour(24), MakeColour(96, 224, 0));
    QCOMPARE(colour(36), MakeColour(0, 0, 0));
    QCOMPARE(colour(48), MakeColour(224, 0, 0));
    QCOMPARE(colour(55), MakeColour(0, 128, 0));
    QCOMPARE(TransparentElements(f.editor), QList<int>{45});

    // The phone's white and black rows are the same in all three.
    for (const Starter s : {Starter::Blue, Starter::Red, Starter::Green}) {
        for (const int white : {2, 5, 6, 9, 16, 21, 31, 32, 41, 43, 49, 50, 58})
            QCOMPARE(StarterTable(s)[white - 1].red + StarterTable(s)[white - 1].blue, 510);
        for (const int black : {11, 13, 15, 20, 30, 52, 59, 60})
            QCOMPARE(MakeColour(StarterTable(s)[black - 1].red, StarterTable(s)[black - 1].green,
                                StarterTable(s)[black - 1].blue),
                     0);
    }
}

void TestStarterSchemes::aStarterIsANewUnsavedScheme() {
    EditorFixture f;
    f.editor.document.filePath = QStringLiteral("/somewhere/old.col");
    f.editor.elementList.setCurrent(30);
    RecordStep(f.editor, 30, 1, 2);
    CreateStarterScheme(f.editor, Starter::Green);
    const SchemeDocument& doc = f.editor.document;
    QVERIFY(doc.filePath.isEmpty());
    QVERIFY(!doc.modified);
    QCOMPARE(f.editor.history.lastIndex(), 0);
    QVERIFY(!f.editor.commands.undoEnabled);
    QCOMPARE(f.editor.elementList.current(), 0);
    QCOMPARE(f.editor.swatchColour, MakeColour(32, 96, 0));
    QVERIFY(!f.editor.options.safeScheme);
    QVERIFY(doc.SchemeReady);
    QCOMPARE(f.redraws, QStringList{QStringLiteral("all")});
    QCOMPARE(doc.elementOpacity[45], qint16(0));
    QCOMPARE(doc.elementOpacity[44], qint16(100));
    // A starter never goes into the recent files.
    QVERIFY(f.editor.recentFiles.entries[0].isEmpty());
}

void TestStarterSchemes::cancelAtTheSaveQuestionKeepsTheScheme() {
    EditorFixture f;
    f.editor.setNameBoxText(QStringLiteral("Changed"));
    QVERIFY(f.editor.document.modified);
    RecordStep(f.editor, 0, 1, 2);
    f.dialogs.answers = {MessageAnswer::Cancel};
    CreateStarterScheme(f.editor, Starter::Red);
    QCOMPARE(f.dialogs.messages,
             QList<Message>{Question(QStringLiteral("Save changes in actual scheme?"),
                                     QStringLiteral("Actual scheme"))});
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Changed"));
    QCOMPARE(f.editor.fileLabel, QStringLiteral("New project - Blue"));
    QVERIFY(f.editor.document.modified);
    QCOMPARE(f.editor.history.historyPosition, qint16(1));

    f.dialogs.answers = {MessageAnswer::No};
    CreateStarterScheme(f.editor, Starter::Red);
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Red ZEF"));
    QVERIFY(!f.editor.document.modified);
}

void TestStarterSchemes::duringLoadingNothingIsRedrawn() {
    EditorFixture f;
    f.editor.document.SchemeReady = false;
    CreateStarterScheme(f.editor, Starter::Blue);
    QVERIFY(f.redraws.isEmpty());
    QVERIFY(!f.editor.document.SchemeReady);
    QVERIFY(!f.editor.document.modified);
}

void TestStarterSchemes::savingANewSchemeAsksForAFileName() {
    EditorFixture f;
    SaveScheme(f.editor);
    QCOMPARE(f.dialogs.saveDialogs.size(), 1);
    QVERIFY(f.dialogs.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestStarterSchemes)
#include "test_starter_schemes.moc"
