#include "editor/document_commands.h"
#include "editor/language_command.h"
#include "editor/palette_colours.h"
#include "editor_fixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLanguageCommand : public QObject {
    Q_OBJECT
private slots:
    void theCommandSwitchesStoresAndRenames_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("empty"); // the caption of a recent item without a file
        QTest::newRow("Deutsch") << u"Deutsch"_s << Language::German << u"(nichts)"_s;
        QTest::newRow("Czech") << u"Czech"_s << Language::Czech << u"(žádný)"_s;
        QTest::newRow("English") << u"English"_s << Language::English << u"(none)"_s;
        // Another word is stored as it is and selects no language: captions stay as they were.
        QTest::newRow("english") << u"english"_s << Language::None << u"(none)"_s;
    }
    void theCommandSwitchesStoresAndRenames() {
        QFETCH(QString, word);
        QFETCH(Language, language);
        QFETCH(QString, empty);
        EditorFixture f;
        QVERIFY(OpenSchemeFromPath(f.editor, f.writeFile(u"a.col"_s, SchemeFileBytes("A", {3}))));
        CaptionRecentMenu(f.editor);
        f.editor.list.elements.setCurrent(9);
        ApplyPaletteColour(f.editor, ColourPicture::Custom);
        f.editor.list.elements.clickCheckBox(4);
        const SchemeDocument document = f.editor.document;

        ApplyLanguageCommand(f.editor, word);
        QCOMPARE(f.editor.language, language);
        QCOMPARE(ReadStoredLanguage(f.editor.settings), word);
        // Each element's text starts with its number; without a language the texts are empty.
        for (int p = 0; p < ElementCount; ++p) {
            const QString text = f.editor.list.elements.entry(p).text;
            const QString number = u"%1 - "_s.arg(p + 1, 2, 10, QLatin1Char('0'));
            QVERIFY2(language == Language::None ? text.isEmpty()
                                                : text.startsWith(number) && text.size() > 5,
                     qPrintable(text));
        }
        QCOMPARE(f.editor.recentMenu.captions,
                 (std::array<QString, RecentFiles::Count>{"a.col", empty, empty, empty, empty}));
        // The scheme, its ticks, the current entry and the history stay, and the list is ready.
        QCOMPARE(f.editor.document.elementColour, document.elementColour);
        QVERIFY(f.editor.document.modified && !f.editor.list.elements.isChecked(4));
        QVERIFY(f.editor.list.schemeReady);
        QCOMPARE(f.editor.list.elements.current(), 4);
        QCOMPARE(f.editor.history.steps.historyPosition, qint16(1));
    }

    void theChooserStoresTheWordAndEmptiesTheRecentList() {
        EditorFixture f;
        for (int k = 0; k < RecentFiles::Count; ++k)
            AddRecentFile(f.editor.recentFiles, f.editor.settings, u"/s/%1.col"_s.arg(k));
        StoreChosenLanguage(f.editor.settings, u"Czech"_s);
        QCOMPARE(ReadStoredLanguage(f.editor.settings), u"Czech"_s);
        ReadRecentFiles(f.editor);
        QCOMPARE(f.editor.recentFiles.entries, RecentFiles().entries);
    }
};

QTEST_GUILESS_MAIN(TestLanguageCommand)
#include "test_language_command.moc"
