#include "editor_fixture.h"
#include "scheme/document_commands.h"
#include "scheme/recent_files.h"
#include "scheme/undo_redo.h"

#include <QFile>
#include <QTest>

namespace {

const QString RecentKey = QStringLiteral("Tesmira\\ZEF\\Recent");

using Entries = std::array<QString, RecentFiles::Count>;

Entries Stored(const SettingsStore& settings) {
    Entries stored;
    for (int k = 0; k < RecentFiles::Count; ++k) {
        stored[k] =
            settings
                .ReadRegValue(RecentKey, QStringLiteral("File%1").arg(k + 1), RegValueKind::String)
                .toString();
    }
    return stored;
}

void Store(SettingsStore& settings, const Entries& entries) {
    for (int k = 0; k < RecentFiles::Count; ++k) {
        settings.WriteRegValue(RecentKey, QStringLiteral("File%1").arg(k + 1), entries[k],
                               RegValueKind::String);
    }
}

} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT
private slots:
    void aPathGoesOnTopWithoutLookingForCopies();
    void emptyItemsAreCaptionedInTheLanguage_data();
    void emptyItemsAreCaptionedInTheLanguage();
    void filledItemsShowTheFileName();
    void startUpReadsTheStoredList();
    void anEmptyItemDoesNothing();
    void anItemOpensItsFileAndMovesItUp();
    void aFileGoneSinceItWasListedStaysListed();
};

void TestRecentFiles::aPathGoesOnTopWithoutLookingForCopies() {
    EditorFixture f;
    RecentFiles recent;
    for (const char* path : {"/e.col", "/d.col", "/c.col", "/b.col", "/a.col"})
        AddRecentFile(recent, f.editor.settings, QString::fromLatin1(path));
    QCOMPARE(recent.entries, (Entries{"/a.col", "/b.col", "/c.col", "/d.col", "/e.col"}));

    AddRecentFile(recent, f.editor.settings, QStringLiteral("/f.col"));
    const Entries afterF{"/f.col", "/a.col", "/b.col", "/c.col", "/d.col"};
    QCOMPARE(recent.entries, afterF);
    QCOMPARE(Stored(f.editor.settings), afterF);

    AddRecentFile(recent, f.editor.settings, QStringLiteral("/b.col"));
    const Entries twice{"/b.col", "/f.col", "/a.col", "/b.col", "/c.col"};
    QCOMPARE(recent.entries, twice);
    QCOMPARE(Stored(f.editor.settings), twice);
}

void TestRecentFiles::emptyItemsAreCaptionedInTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("cs") << int(Language::Czech) << QStringLiteral("(žádný)");
    QTest::newRow("en") << int(Language::English) << QStringLiteral("(none)");
    QTest::newRow("de") << int(Language::German) << QStringLiteral("(nichts)");
}

void TestRecentFiles::emptyItemsAreCaptionedInTheLanguage() {
    QFETCH(int, language);
    QFETCH(QString, caption);
    EditorFixture f{static_cast<Language>(language)};
    f.editor.recentMenu.captions = {"x", "x", "x", "x", "x"};
    f.editor.recentFiles.entries = {"/s/one.col", "", "/s/three.col", "", ""};
    CaptionRecentMenu(f.editor);
    QCOMPARE(f.editor.recentMenu.captions, (Entries{"x", caption, "x", caption, caption}));

    // A word that selects no language leaves every caption as it was.
    f.editor.language = Language::None;
    f.editor.recentFiles.entries = {};
    CaptionRecentMenu(f.editor);
    QCOMPARE(f.editor.recentMenu.captions, (Entries{"x", caption, "x", caption, caption}));
}

void TestRecentFiles::filledItemsShowTheFileName() {
    EditorFixture f;
    QCOMPARE(f.editor.recentMenu.captions,
             (Entries{"(žádný)", "(žádný)", "(žádný)", "(žádný)", "(žádný)"}));
    CaptionRecentMenu(f.editor);
    f.editor.recentFiles.entries = {"/home/jana/Schémata/modré nebe.col", "no-folder.col", "/etc/",
                                    "", "/a/b/c.d.col"};
    f.editor.recentMenu.captions[3] = QStringLiteral("left alone");
    UpdateRecentMenu(f.editor);
    QCOMPARE(f.editor.recentMenu.captions,
             (Entries{"modré nebe.col", "(none)", "", "left alone", "c.d.col"}));
}

void TestRecentFiles::startUpReadsTheStoredList() {
    EditorFixture f{Language::German};
    Store(f.editor.settings, {"/x/first.col", "", "/y/third.col", "", ""});
    CaptionRecentMenu(f.editor);
    ReadRecentFiles(f.editor);
    QCOMPARE(f.editor.recentFiles.entries, (Entries{"/x/first.col", "", "/y/third.col", "", ""}));
    QCOMPARE(f.editor.recentMenu.captions,
             (Entries{"first.col", "(nichts)", "third.col", "(nichts)", "(nichts)"}));
}

void TestRecentFiles::anEmptyItemDoesNothing() {
    EditorFixture f;
    f.editor.recentFiles.entries = {f.writeFile(QStringLiteral("a.col"), SchemeFileBytes("A")), "",
                                    "", "", ""};
    f.editor.document.modified = true; // an unexpected question would fail the test
    for (int index : {1, 4, -1, 5})
        OpenRecentFile(f.editor, index);
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(f.editor.document.modified);
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Blue ZEF"));
    QCOMPARE(f.editor.fileLabel, QStringLiteral("New project - Blue"));
}

void TestRecentFiles::anItemOpensItsFileAndMovesItUp() {
    EditorFixture f;
    const QString a = f.writeFile(QStringLiteral("a.col"), SchemeFileBytes("A"));
    const QString b = f.writeFile(QStringLiteral("b.col"), SchemeFileBytes("B"));
    const QString c = f.writeFile(QStringLiteral("c.col"), SchemeFileBytes("C", {5}));
    Store(f.editor.settings, {a, b, c, "", ""});
    CaptionRecentMenu(f.editor);
    ReadRecentFiles(f.editor);
    RecordStep(f.editor, 0, 1, 2);

    OpenRecentFile(f.editor, 2);
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("C"));
    QVERIFY(!f.editor.elementList.isChecked(4));
    QCOMPARE(f.editor.document.filePath, c);
    QCOMPARE(f.editor.fileLabel, QStringLiteral("c.col"));
    QCOMPARE(f.editor.history.historyPosition, qint16(0));
    QVERIFY(!f.editor.commands.undoEnabled);
    // The same file now stands in two items.
    QCOMPARE(f.editor.recentFiles.entries, (Entries{c, a, b, c, ""}));
    QCOMPARE(Stored(f.editor.settings), (Entries{c, a, b, c, ""}));
    QCOMPARE(f.editor.recentMenu.captions, (Entries{"c.col", "a.col", "b.col", "c.col", "(none)"}));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestRecentFiles::aFileGoneSinceItWasListedStaysListed() {
    for (const auto& [language, text, title] :
         {std::tuple{Language::Czech, "Chyba při čtení ze souboru!", "Chyba"},
          std::tuple{Language::English, "File read error!", "Error"},
          std::tuple{Language::German, "Fehler bei lesen Datei!", "Fehler"}}) {
        EditorFixture f{language};
        const QString gone = f.writeFile(QStringLiteral("gone.col"), SchemeFileBytes("Gone"));
        const QString kept = f.writeFile(QStringLiteral("kept.col"), SchemeFileBytes("Kept"));
        QVERIFY(OpenSchemeFromPath(f.editor, gone));
        QVERIFY(OpenSchemeFromPath(f.editor, kept));
        QVERIFY(QFile::remove(gone));
        const Entries listed{kept, gone, "", "", ""};
        const RecentMenu captions = f.editor.recentMenu;

        OpenRecentFile(f.editor, 1);
        QCOMPARE(f.dialogs.messages,
                 (QList<Message>{ErrorMessage(QString::fromUtf8(text), QString::fromUtf8(title))}));
        QCOMPARE(f.editor.recentFiles.entries, listed);
        QCOMPARE(Stored(f.editor.settings), listed);
        QCOMPARE(f.editor.recentMenu.captions, captions.captions);
        QCOMPARE(f.editor.document.schemeName, QStringLiteral("Kept"));
        QCOMPARE(f.editor.document.filePath, kept);
        QCOMPARE(f.editor.fileLabel, QStringLiteral("kept.col"));
    }
}

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "test_recent_files.moc"
