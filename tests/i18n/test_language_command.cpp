#include "editor_fixture.h"
#include "i18n/language_command.h"
#include "scheme/document_commands.h"
#include "scheme/element_catalogue.h"
#include "scheme/recent_files.h"
#include "scheme/undo_redo.h"

#include <QDir>
#include <QSettings>
#include <QTest>

namespace {
const QString RecentKey = QStringLiteral("Tesmira\\ZEF\\Recent");
using Captions = std::array<QString, RecentFiles::Count>;
} // namespace

class TestLanguageCommand : public QObject {
    Q_OBJECT
private slots:
    void theCommandSwitchesStoresAndRenames();
    void anotherWordIsStoredAndSelectsNoLanguage();
    void aFailedWriteKeepsTheLanguageForThisRun();
    void theChooserStoresTheWordAndEmptiesTheList();
    void theStoredWordIsReadAsItIs();
};

void TestLanguageCommand::theCommandSwitchesStoresAndRenames() {
    EditorFixture f;
    const QString a = f.writeFile(QStringLiteral("a.col"), SchemeFileBytes("A"));
    const QString b = f.writeFile(QStringLiteral("b.col"), SchemeFileBytes("B"));
    QVERIFY(OpenSchemeFromPath(f.editor, a));
    QVERIFY(OpenSchemeFromPath(f.editor, b));
    CaptionRecentMenu(f.editor);
    f.editor.elementList.setCurrent(9);
    RecordStep(f.editor, 9, f.editor.document.elementColour[10], MakeColour(1, 1, 1));
    f.editor.document.elementColour[10] = MakeColour(1, 1, 1);
    f.editor.elementList.clickCheckBox(4);
    QVERIFY(f.editor.document.modified);
    const SchemeDocument document = f.editor.document;

    ApplyLanguageCommand(f.editor, QStringLiteral("Deutsch"));
    QCOMPARE(f.editor.language, Language::German);
    QCOMPARE(ReadStoredLanguage(f.editor.settings), QStringLiteral("Deutsch"));
    for (int p = 0; p < ElementCount; ++p)
        QCOMPARE(f.editor.elementList.entry(p).text, *ElementText(p + 1, Language::German));
    QCOMPARE(f.editor.recentMenu.captions,
             (Captions{"b.col", "a.col", "(nichts)", "(nichts)", "(nichts)"}));

    // The scheme, its ticks, the current entry and the history stay.
    QCOMPARE(f.editor.document.elementColour, document.elementColour);
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("B"));
    QVERIFY(f.editor.document.modified);
    QVERIFY(!f.editor.elementList.isChecked(4));
    QCOMPARE(f.editor.elementList.current(), 4);
    QCOMPARE(f.editor.history.historyPosition, qint16(1));
    QCOMPARE(f.editor.fileLabel, QStringLiteral("b.col"));

    ApplyLanguageCommand(f.editor, QStringLiteral("Czech"));
    QCOMPARE(f.editor.language, Language::Czech);
    QCOMPARE(f.editor.elementList.entry(0).text, *ElementText(1, Language::Czech));
    QCOMPARE(f.editor.recentMenu.captions,
             (Captions{"b.col", "a.col", "(žádný)", "(žádný)", "(žádný)"}));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestLanguageCommand::anotherWordIsStoredAndSelectsNoLanguage() {
    EditorFixture f;
    CaptionRecentMenu(f.editor);
    ApplyLanguageCommand(f.editor, QStringLiteral("english"));
    QCOMPARE(f.editor.language, Language::None);
    QCOMPARE(ReadStoredLanguage(f.editor.settings), QStringLiteral("english"));
    QCOMPARE(f.editor.recentMenu.captions,
             (Captions{"(none)", "(none)", "(none)", "(none)", "(none)"}));
}

void TestLanguageCommand::aFailedWriteKeepsTheLanguageForThisRun() {
    EditorFixture f;
    QDir(f.folder.path()).mkdir(QStringLiteral("zef.conf")); // the settings file is a folder
    ApplyLanguageCommand(f.editor, QStringLiteral("Deutsch"));
    QCOMPARE(f.editor.language, Language::German);
    QCOMPARE(f.editor.elementList.entry(0).text, *ElementText(1, Language::German));
    QCOMPARE(ReadStoredLanguage(f.editor.settings), QString());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestLanguageCommand::theChooserStoresTheWordAndEmptiesTheList() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zef.conf"));
    SettingsStore store(path);
    for (int k = 1; k <= 3; ++k) {
        store.WriteRegValue(RecentKey, QStringLiteral("File%1").arg(k),
                            QStringLiteral("/s/%1.col").arg(k), RegValueKind::String);
    }
    StoreChosenLanguage(store, QStringLiteral("Czech"));
    QCOMPARE(ReadStoredLanguage(store), QStringLiteral("Czech"));
    // All five values are there, each the empty text.
    QSettings file(path, QSettings::IniFormat);
    for (int k = 1; k <= 5; ++k) {
        const QString name = QStringLiteral("Recent/File%1").arg(k);
        QVERIFY2(file.contains(name), qPrintable(name));
        QCOMPARE(file.value(name).toString(), QString());
    }
}

void TestLanguageCommand::theStoredWordIsReadAsItIs() {
    QTemporaryDir folder;
    SettingsStore store(folder.filePath(QStringLiteral("zef.conf")));
    QCOMPARE(ReadStoredLanguage(store), QString());
    for (const QString& word : {QStringLiteral("Deutsch"), QStringLiteral("French"),
                                QStringLiteral(" Czech "), QString()}) {
        store.WriteRegValue(QStringLiteral("Tesmira\\ZEF\\Settings"), QStringLiteral("Language"),
                            word, RegValueKind::String);
        QCOMPARE(ReadStoredLanguage(store), word);
    }
}

QTEST_GUILESS_MAIN(TestLanguageCommand)
#include "test_language_command.moc"
