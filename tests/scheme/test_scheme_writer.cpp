#include "editor_fixture.h"
#include "scheme/scheme_reader.h"
#include "scheme/scheme_writer.h"
#include "scheme/undo_redo.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const Message Overwrite{MessageIcon::Exclamation, QStringLiteral("Přepsat existující soubor?"),
                        QStringLiteral("Uložit jako..."), MessageButtons::YesNoCancel};

} // namespace

class TestSchemeWriter : public QObject {
    Q_OBJECT
private slots:
    void writesTheExactLayout();
    void theTicksDecideTheOpacity();
    void aWrittenSchemeReadsBack();
    void aSuccessfulWriteFilesTheScheme();
    void overwritingAsksInCzechInEveryLanguage_data();
    void overwritingAsksInCzechInEveryLanguage();
    void aFailedWriteKeepsTheOldFileAndTheState_data();
    void aFailedWriteKeepsTheOldFileAndTheState();
    void charactersOutsideTheCodePageBecomeQuestionMarks();
};

void TestSchemeWriter::writesTheExactLayout() {
    EditorFixture f;
    const QString path = f.path(QStringLiteral("blue.col"));
    QCOMPARE(WriteSchemeFile(f.editor, path), WriteResult::Finished);
    const QByteArray bytes = Contents(path);
    QVERIFY(
        bytes.startsWith("ColourScheme\r\nBlue ZEF\r\nData\r\n0 0 128 100\r\n255 255 255 100\r\n"));
    QVERIFY(bytes.endsWith("\r\n0 0 0 100\r\n"));
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 64); // 63 lines, each ending in CR LF, and nothing after the last
    QVERIFY(lines.last().isEmpty());
    QCOMPARE(lines.at(37), QByteArray("192 0 0 0\r")); // element 35, transparent in Blue
    QVERIFY(!bytes.contains("\n\n"));
    QVERIFY(!bytes.contains("  "));
}

void TestSchemeWriter::theTicksDecideTheOpacity() {
    EditorFixture f;
    f.editor.document.elementOpacity[3] = 50; // as a file may have had it
    f.editor.elementList.setChecked(0, false);
    f.editor.elementList.setChecked(44, true);
    const QStringList lines = BuildSchemeText(f.editor).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.at(3), QStringLiteral("0 0 128 0"));
    QCOMPARE(lines.at(5), QStringLiteral("255 255 255 100"));
    QCOMPARE(lines.at(47), QStringLiteral("192 0 0 100"));
    QCOMPARE(f.editor.document.elementOpacity[1], qint16(0));
    QCOMPARE(f.editor.document.elementOpacity[3], qint16(100));
}

void TestSchemeWriter::aWrittenSchemeReadsBack() {
    EditorFixture f;
    f.editor.setNameBoxText(QStringLiteral("  My  own scheme  "));
    f.editor.document.elementColour[17] = MakeColour(1, 2, 3);
    f.editor.elementList.setChecked(20, false);
    const QString path = f.path(QStringLiteral("mine.col"));
    QCOMPARE(WriteSchemeFile(f.editor, path), WriteResult::Finished);

    EditorFixture g;
    QVERIFY(ReadSchemeFile(g.editor, path));
    QCOMPARE(g.editor.document.schemeName, QStringLiteral("  My  own scheme")); // trailing lost
    QCOMPARE(g.editor.document.elementColour, f.editor.document.elementColour);
    for (int p = 0; p < 60; ++p)
        QCOMPARE(g.editor.elementList.isChecked(p), f.editor.elementList.isChecked(p));
}

void TestSchemeWriter::aSuccessfulWriteFilesTheScheme() {
    EditorFixture f;
    f.editor.document.modified = true;
    RecordStep(f.editor, 3, 1, 2);
    const QString path = f.path(QStringLiteral("filed.col"));
    WriteSchemeFile(f.editor, path);
    QVERIFY(!f.editor.document.modified);
    QCOMPARE(f.editor.history.lastIndex(), 0);
    QVERIFY(!f.editor.commands.undoEnabled);
    QVERIFY(!f.editor.commands.redoEnabled);
    QCOMPARE(f.editor.document.filePath, path);
    QCOMPARE(f.editor.fileLabel, QStringLiteral("filed.col"));
    // Saving never touches the recent files.
    QVERIFY(f.editor.recentFiles.entries[0].isEmpty());

    // Writing again to the scheme's own file does not ask.
    f.editor.document.elementColour[1] = 0;
    QCOMPARE(WriteSchemeFile(f.editor, QString()), WriteResult::Finished);
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(Contents(path).contains("Data\r\n0 0 0 100\r\n"));
}

void TestSchemeWriter::overwritingAsksInCzechInEveryLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("written");
    for (const Language language : {Language::Czech, Language::English, Language::German}) {
        const QByteArray word = LanguageWord(language).toLatin1();
        QTest::newRow(word + " yes")
            << int(language) << int(MessageAnswer::Yes) << int(WriteResult::Finished) << true;
        QTest::newRow(word + " no") << int(language) << int(MessageAnswer::No)
                                    << int(WriteResult::DeclinedOverwrite) << false;
        QTest::newRow(word + " cancel")
            << int(language) << int(MessageAnswer::Cancel) << int(WriteResult::Cancelled) << false;
    }
}

void TestSchemeWriter::overwritingAsksInCzechInEveryLanguage() {
    QFETCH(int, language);
    QFETCH(int, answer);
    QFETCH(int, result);
    QFETCH(bool, written);
    EditorFixture f{static_cast<Language>(language)};
    f.editor.document.modified = true;
    const QString path = f.writeFile(QStringLiteral("old.col"), "old");
    f.dialogs.answers = {static_cast<MessageAnswer>(answer)};
    QCOMPARE(int(WriteSchemeFile(f.editor, path)), result);
    QCOMPARE(f.dialogs.messages, QList<Message>{Overwrite});
    QCOMPARE(Contents(path) != "old", written);
    QCOMPARE(f.editor.document.modified, !written);
}

void TestSchemeWriter::aFailedWriteKeepsTheOldFileAndTheState_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("cs") << int(Language::Czech) << QStringLiteral("Soubor nemohl být uložen!")
                        << QStringLiteral("Chyba");
    QTest::newRow("en") << int(Language::English) << QStringLiteral("File cannot be saved!")
                        << QStringLiteral("Error");
    QTest::newRow("de") << int(Language::German) << QStringLiteral("Datei kann nicht speichern!")
                        << QStringLiteral("Fehler");
}

void TestSchemeWriter::aFailedWriteKeepsTheOldFileAndTheState() {
    QFETCH(int, language);
    QFETCH(QString, text);
    QFETCH(QString, title);
    EditorFixture f{static_cast<Language>(language)};
    QFile::setPermissions(f.folder.path(), QFileDevice::Permissions(0x7755));
    QDir(f.folder.path()).mkdir(QStringLiteral("locked"));
    const QString path = f.writeFile(QStringLiteral("locked/old.col"), "old contents\r\n");
    QFile::setPermissions(path, QFileDevice::Permissions(0x6644));
    QFile::setPermissions(f.path(QStringLiteral("locked")), QFileDevice::Permissions(0x5555));
    f.editor.document.modified = true;
    f.editor.document.filePath = f.path(QStringLiteral("earlier.col"));
    RecordStep(f.editor, 0, 1, 2);
    f.dialogs.answers = {MessageAnswer::Yes};
    {
        PermissionsEnforced asAUser;
        QCOMPARE(WriteSchemeFile(f.editor, path), WriteResult::Finished);
    }
    QCOMPARE(f.dialogs.messages, (QList<Message>{Overwrite, ErrorMessage(text, title)}));
    QCOMPARE(Contents(path), QByteArray("old contents\r\n"));
    QCOMPARE(QDir(f.path(QStringLiteral("locked"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("old.col")});
    QVERIFY(f.editor.document.modified);
    QCOMPARE(f.editor.document.filePath, f.path(QStringLiteral("earlier.col")));
    QCOMPARE(f.editor.history.historyPosition, qint16(1));

    // A folder that does not exist fails the same way.
    f.dialogs.messages.clear();
    WriteSchemeFile(f.editor, f.path(QStringLiteral("no/such/folder.col")));
    QCOMPARE(f.dialogs.messages, QList<Message>{ErrorMessage(text, title)});
}

void TestSchemeWriter::charactersOutsideTheCodePageBecomeQuestionMarks() {
    EditorFixture f;
    f.editor.setNameBoxText(QStringLiteral("Zelená ščř € 日本 \U0001F600"));
    const QString path = f.path(QStringLiteral("cp.col"));
    WriteSchemeFile(f.editor, path);
    QVERIFY(
        Contents(path).startsWith("ColourScheme\r\nZelen\xe1 \x9a\xe8\xf8 \x80 ?? ?\r\nData\r\n"));
}

QTEST_GUILESS_MAIN(TestSchemeWriter)
#include "test_scheme_writer.moc"
