#include "editor_fixture.h"
#include "i18n/language_command.h"
#include "scheme/document_commands.h"
#include "scheme/recent_files.h"
#include "workspace/palette_colours.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLanguageCommand : public QObject {
    Q_OBJECT
private slots:
    void theCommandSwitchesStoresAndRenames_data();
    void theCommandSwitchesStoresAndRenames();
    void theChooserStoresTheWordAndEmptiesTheRecentList();
};

void TestLanguageCommand::theCommandSwitchesStoresAndRenames_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("empty"); // the caption of a recent item without a file
    QTest::newRow("Deutsch") << "Deutsch" << Language::German << "(nichts)";
    QTest::newRow("Czech") << "Czech" << Language::Czech << "(žádný)";
    QTest::newRow("English") << "English" << Language::English << "(none)";
    // Another word is stored as it is and selects no language: the captions stay as they were.
    QTest::newRow("english") << "english" << Language::None << "(none)";
}

void TestLanguageCommand::theCommandSwitchesStoresAndRenames() {
    QFETCH(QString, word);
    QFETCH(Language, language);
    QFETCH(QString, empty);
    EditorFixture f;
    const QString a = f.writeFile(QStringLiteral("a.col"), SchemeFileBytes("A"));
    QVERIFY(OpenSchemeFromPath(f.editor, a));
    CaptionRecentMenu(f.editor);
    f.editor.elementList.setCurrent(9);
    f.editor.colourFrame.customColour = MakeColour(1, 1, 1);
    ApplyPaletteColour(f.editor, ColourPicture::Custom);
    f.editor.elementList.clickCheckBox(4);
    const SchemeDocument document = f.editor.document;

    ApplyLanguageCommand(f.editor, word);
    QCOMPARE(f.editor.language, language);
    QCOMPARE(ReadStoredLanguage(f.editor.settings), word);
    // Each element's text in the language starts with its number; no language, no texts.
    for (int p = 0; p < ElementCount; ++p) {
        const QString text = f.editor.elementList.entry(p).text;
        QVERIFY2(language == Language::None
                     ? text.isEmpty()
                     : text.startsWith(u"%1 - "_s.arg(p + 1, 2, 10, QLatin1Char('0'))) &&
                           text.size() > 5,
                 qPrintable(text));
    }
    QCOMPARE(f.editor.elementList.entry(18).text, ElementText(19, language).value_or(QString()));
    QCOMPARE(f.editor.recentMenu.captions,
             (std::array<QString, RecentFiles::Count>{"a.col", empty, empty, empty, empty}));
    // The scheme, its ticks, the current entry and the history stay.
    QCOMPARE(f.editor.document.elementColour, document.elementColour);
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("A"));
    QVERIFY(f.editor.document.modified);
    QVERIFY(!f.editor.elementList.isChecked(4));
    QCOMPARE(f.editor.elementList.current(), 4);
    QCOMPARE(f.editor.history.historyPosition, qint16(1));
    QCOMPARE(f.editor.fileLabel, QStringLiteral("a.col"));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestLanguageCommand::theChooserStoresTheWordAndEmptiesTheRecentList() {
    EditorFixture f;
    for (const QString& path : {QStringLiteral("/s/1.col"), QStringLiteral("/s/2.col")})
        AddRecentFile(f.editor.recentFiles, f.editor.settings, path);
    StoreChosenLanguage(f.editor.settings, QStringLiteral("Czech"));
    QCOMPARE(ReadStoredLanguage(f.editor.settings), QStringLiteral("Czech"));
    ReadRecentFiles(f.editor);
    QCOMPARE(f.editor.recentFiles.entries, RecentFiles().entries);
}

QTEST_GUILESS_MAIN(TestLanguageCommand)
#include "test_language_command.moc"
