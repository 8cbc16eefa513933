#include "editor_fixture.h"
#include "scheme/scheme_reader.h"

#include <QFile>
#include <QTest>

namespace {

const QString NotAScheme = QStringLiteral("This file is no colour scheme!");
const QString BadFile = QStringLiteral("This file is bad!");
const QString ReadError = QStringLiteral("File read error!");

QByteArray ReplaceLine(const QByteArray& file, int line, const QByteArray& text) {
    QList<QByteArray> lines = file.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

// Everything a failed read must leave as it was.
struct Snapshot {
    explicit Snapshot(const Editor& e)
        : name(e.document.schemeName), nameBox(e.nameBoxText()), filePath(e.document.filePath),
          fileLabel(e.fileLabel), modified(e.document.modified), colours(e.document.elementColour),
          opacity(e.document.elementOpacity), recent(e.recentFiles.entries) {
        for (int p = 0; p < 60; ++p)
            ticks[p] = e.elementList.isChecked(p);
    }
    bool operator==(const Snapshot&) const = default;

    QString name, nameBox, filePath, fileLabel;
    bool modified;
    std::array<ColourValue, 61> colours;
    std::array<qint16, 61> opacity;
    std::array<QString, 5> recent;
    std::array<bool, 60> ticks{};
};

} // namespace

class TestSchemeReader : public QObject {
    Q_OBJECT
private slots:
    void readsAValidFile();
    void failuresShowTheirMessageAndChangeNothing_data();
    void failuresShowTheirMessageAndChangeNothing();
    void messagesFollowTheLanguage_data();
    void messagesFollowTheLanguage();
    void filesThatCannotBeReadGiveTheReadError();
    void namesKeepTheirInnerAndLeadingSpaces();
    void valuesAreTakenAsTheReaderDefines();
    void anAllOpaqueSchemeSwitchesSafeSchemeOn();
    void theCodePageIsCentralEuropean();
};

void TestSchemeReader::readsAValidFile() {
    EditorFixture f;
    f.editor.elementList.setCurrent(7);
    const QString path =
        f.writeFile(QStringLiteral("a.col"), SchemeFileBytes("My scheme", {2, 45}));
    QVERIFY(ReadSchemeFile(f.editor, path));
    QVERIFY(f.dialogs.messages.isEmpty());

    const SchemeDocument& doc = f.editor.document;
    QCOMPARE(doc.schemeName, QStringLiteral("My scheme"));
    QCOMPARE(f.editor.nameBoxText(), QStringLiteral("My scheme"));
    QCOMPARE(doc.elementColour[1], MakeColour(1, 2, 3));
    QCOMPARE(doc.elementColour[60], MakeColour(60, 120, 180));
    QCOMPARE(doc.elementOpacity[2], qint16(0));
    QVERIFY(!f.editor.elementList.isChecked(1));
    QVERIFY(!f.editor.elementList.isChecked(44));
    QVERIFY(f.editor.elementList.isChecked(0));
    // Element 1 is selected afresh and shown.
    QCOMPARE(f.editor.elementList.current(), 0);
    QCOMPARE(f.editor.selectedItemText, QStringLiteral("01 - Font display date / time"));
    QCOMPARE(f.editor.swatchColour, MakeColour(1, 2, 3));
    QCOMPARE(f.editor.selectedBlue, 3);
    // Loading neither marks the scheme modified nor leaves the list locked.
    QVERIFY(doc.SchemeReady);
    QVERIFY(!doc.modified);
    QVERIFY(f.editor.elementList.enabled);
    QCOMPARE(f.redraws, QStringList{QStringLiteral("all")});
    // The file is remembered, in memory and in the settings file.
    QCOMPARE(f.editor.recentFiles.entries[0], path);
    QCOMPARE(f.editor.settings.ReadRegValue(QStringLiteral("Tesmira\\ZEF\\Recent"),
                                            QStringLiteral("File1"), RegValueKind::String),
             QVariant(path));
    // The caller, not the reader, decides about the file path.
    QVERIFY(doc.filePath.isEmpty());
}

void TestSchemeReader::failuresShowTheirMessageAndChangeNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray good = SchemeFileBytes("Name");
    QTest::newRow("empty file") << QByteArray() << ReadError;
    QTest::newRow("only line ends and spaces") << QByteArray("\r\n  \r\n\n") << ReadError;
    QTest::newRow("header in lower case")
        << QByteArray(good).replace("ColourScheme", "colourscheme") << NotAScheme;
    QTest::newRow("no name line") << QByteArray(good).replace("Name\r\n", "") << NotAScheme;
    QTest::newRow("no Data word") << QByteArray(good).replace("Data", "Date") << ReadError;
    QTest::newRow("empty line between elements")
        << ReplaceLine(good, 10, "5 10 15 100\r\n") << BadFile;
    QTest::newRow("double space in an element line")
        << ReplaceLine(good, 4, "1  2 3 100") << BadFile;
    QTest::newRow("one number missing") << ReplaceLine(good, 63, "60 120 180") << BadFile;
    QTest::newRow("one number too many") << ReplaceLine(good, 63, "60 120 180 100 1") << BadFile;
    QTest::newRow("name with the word Data") << SchemeFileBytes("My Data scheme") << BadFile;
    QTest::newRow("word that is no number") << ReplaceLine(good, 20, "17 x 51 100") << ReadError;
    QTest::newRow("tab inside a line") << ReplaceLine(good, 20, "17\t34 51 100 0") << ReadError;
    QTest::newRow("negative component") << ReplaceLine(good, 5, "2 -4 6 100") << ReadError;
    QTest::newRow("number beyond 16 bits") << ReplaceLine(good, 5, "2 32768 6 100") << ReadError;
    QTest::newRow("opacity beyond 16 bits") << ReplaceLine(good, 5, "2 4 6 99999") << ReadError;
    QTest::newRow("binary garbage")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << NotAScheme;
    QTest::newRow("header only") << QByteArray("ColourScheme\r\n") << ReadError;
}

void TestSchemeReader::failuresShowTheirMessageAndChangeNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    EditorFixture f;
    f.editor.document.modified = true;
    const Snapshot before(f.editor);

    QVERIFY(!ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("bad.col"), bytes)));
    QCOMPARE(f.dialogs.messages, QList<Message>{ErrorMessage(message, QStringLiteral("Error"))});
    QVERIFY(Snapshot(f.editor) == before);
    QVERIFY(f.redraws.isEmpty());
    QVERIFY(f.editor.document.SchemeReady);
    QVERIFY(f.editor.elementList.enabled);
}

void TestSchemeReader::messagesFollowTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    const QByteArray bad = SchemeFileBytes("Name").append("1 2 3 4\r\n");
    const QByteArray noScheme("Hello");
    const QByteArray unreadable("ColourScheme x Date");
    const auto cz = int(Language::Czech), de = int(Language::German);
    QTest::newRow("cs not a scheme")
        << cz << noScheme << QStringLiteral("Nejedná se o soubor schématu!")
        << QStringLiteral("Chyba");
    QTest::newRow("cs bad") << cz << bad << QStringLiteral("Soubor je zřejmě porušen!")
                            << QStringLiteral("Chyba");
    QTest::newRow("cs read error")
        << cz << unreadable << QStringLiteral("Chyba při čtení ze souboru!")
        << QStringLiteral("Chyba");
    QTest::newRow("de not a scheme")
        << de << noScheme << QStringLiteral("Diese Datei ist nicht farbe Schema!")
        << QStringLiteral("Fehler");
    QTest::newRow("de bad") << de << bad << QStringLiteral("Diese Datei ist fehler!")
                            << QStringLiteral("Fehler");
    QTest::newRow("de read error") << de << unreadable << QStringLiteral("Fehler bei lesen Datei!")
                                   << QStringLiteral("Fehler");
}

void TestSchemeReader::messagesFollowTheLanguage() {
    QFETCH(int, language);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, title);
    EditorFixture f{static_cast<Language>(language)};
    QVERIFY(!ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("x.col"), bytes)));
    QCOMPARE(f.dialogs.messages, QList<Message>{ErrorMessage(text, title)});

    // With no interface language the read fails without a word.
    EditorFixture silent(Language::None);
    QVERIFY(!ReadSchemeFile(silent.editor, silent.writeFile(QStringLiteral("x.col"), bytes)));
    QVERIFY(silent.dialogs.messages.isEmpty());
}

void TestSchemeReader::filesThatCannotBeReadGiveTheReadError() {
    EditorFixture f;
    const Snapshot before(f.editor);
    QStringList paths{f.path(QStringLiteral("missing.col")), f.folder.path()};

    // Larger than any scheme: refused before it is read whole.
    QByteArray huge = SchemeFileBytes("Big");
    huge.append(QByteArray(MaxSchemeFileSize, ' '));
    paths.append(f.writeFile(QStringLiteral("huge.col"), huge));

    const QString locked = f.writeFile(QStringLiteral("locked.col"), SchemeFileBytes("Locked"));
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    QFile::setPermissions(f.folder.path(), QFileDevice::Permissions(0x7755));

    for (const QString& path : paths) {
        f.dialogs.messages.clear();
        QVERIFY2(!ReadSchemeFile(f.editor, path), qPrintable(path));
        QCOMPARE(f.dialogs.messages,
                 QList<Message>{ErrorMessage(ReadError, QStringLiteral("Error"))});
    }
    {
        PermissionsEnforced asAUser;
        f.dialogs.messages.clear();
        QVERIFY(!ReadSchemeFile(f.editor, locked));
    }
    QCOMPARE(f.dialogs.messages, QList<Message>{ErrorMessage(ReadError, QStringLiteral("Error"))});
    QVERIFY(Snapshot(f.editor) == before);

    // Just under the limit is still a scheme: trailing spaces do not count as words.
    QByteArray large = SchemeFileBytes("Large");
    large.append(QByteArray(MaxSchemeFileSize - large.size(), ' '));
    QVERIFY(ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("large.col"), large)));
}

void TestSchemeReader::namesKeepTheirInnerAndLeadingSpaces() {
    EditorFixture f;
    QVERIFY(ReadSchemeFile(
        f.editor, f.writeFile(QStringLiteral("s.col"), SchemeFileBytes("  two  spaces   "))));
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("  two  spaces"));

    // Line ends of any platform, trailing spaces and extra empty lines at the end all read.
    QByteArray lf = SchemeFileBytes("Unix").replace("\r\n", " \n") + "\n\n";
    QVERIFY(ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("lf.col"), lf)));
    QByteArray cr = SchemeFileBytes("Mac").replace("\r\n", "\r");
    QVERIFY(ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("cr.col"), cr)));
    QCOMPARE(f.editor.document.elementColour[60], MakeColour(60, 120, 180));
    // The whole file may even stand on one line: only the words count.
    QByteArray oneLine = SchemeFileBytes("Flat").replace("\r\n", " ");
    QVERIFY(ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("flat.col"), oneLine)));
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Flat"));
}

void TestSchemeReader::valuesAreTakenAsTheReaderDefines() {
    EditorFixture f;
    QByteArray file = SchemeFileBytes("Values");
    file = ReplaceLine(file, 4, "300 0 256 50"); // element 1
    file = ReplaceLine(file, 5, "+7 007 -0 -3"); // element 2
    QVERIFY(ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("v.col"), file)));
    const SchemeDocument& doc = f.editor.document;
    QCOMPARE(doc.elementColour[1], MakeColour(255, 0, 255));
    // Any opacity but 0 is painted, and stays as read until the next write.
    QCOMPARE(doc.elementOpacity[1], qint16(50));
    QCOMPARE(doc.elementOpacity[2], qint16(-3));
    QVERIFY(f.editor.elementList.isChecked(0));
    QVERIFY(f.editor.elementList.isChecked(1));
    QCOMPARE(doc.elementColour[2], MakeColour(7, 7, 0));
}

void TestSchemeReader::anAllOpaqueSchemeSwitchesSafeSchemeOn() {
    EditorFixture f;
    QVERIFY(
        ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("a.col"), SchemeFileBytes("A", {3}))));
    QVERIFY(!f.editor.options.safeScheme);
    QVERIFY(ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("b.col"), SchemeFileBytes("B"))));
    QVERIFY(f.editor.options.safeScheme);
    // Once on, a scheme with a transparent element keeps it on, and the element transparent.
    QVERIFY(
        ReadSchemeFile(f.editor, f.writeFile(QStringLiteral("c.col"), SchemeFileBytes("C", {2}))));
    QVERIFY(f.editor.options.safeScheme);
    QVERIFY(!f.editor.elementList.isChecked(1));
    QCOMPARE(f.editor.recentFiles.entries[0], f.path(QStringLiteral("c.col")));
    QCOMPARE(f.editor.recentFiles.entries[2], f.path(QStringLiteral("a.col")));
}

void TestSchemeReader::theCodePageIsCentralEuropean() {
    EditorFixture f;
    // "Modrá ščř" in the Windows code page for Central Europe.
    QVERIFY(ReadSchemeFile(
        f.editor, f.writeFile(QStringLiteral("cz.col"), SchemeFileBytes("Modr\xe1 \x9a\xe8\xf8"))));
    QCOMPARE(f.editor.document.schemeName, QStringLiteral("Modrá ščř"));
}

QTEST_GUILESS_MAIN(TestSchemeReader)
#include "test_scheme_reader.moc"
