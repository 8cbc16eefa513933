#include "scheme/scheme_reader.h"
#include "scheme/scheme_text_codec.h"
#include "scheme/scheme_writer.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray ReplaceLine(const QByteArray& file, int line, const QByteArray& text) {
    QList<QByteArray> lines = file.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

// The reader's English message, or the name and elements 1, 2 and 60 (red green blue opacity).
QString Outcome(const ParsedScheme& scheme) {
    if (scheme.failure)
        return ReadFailureMessage(*scheme.failure).in(Language::English).value_or(u"?"_s);
    const auto element = [&](int k) {
        const ColourValue c = scheme.elementColour[k];
        return QString::asprintf("%d %d %d %d", RedOf(c), GreenOf(c), BlueOf(c),
                                 int(scheme.elementOpacity[k]));
    };
    return u"%1 | %2, %3, %4"_s.arg(scheme.schemeName, element(1), element(2), element(60));
}

} // namespace

class TestSchemeFile : public QObject {
    Q_OBJECT
private slots:
    void reading_data() {
        QTest::addColumn<QByteArray>("bytes"); // written to "bad.col"
        QTest::addColumn<QString>("file");     // what is read
        QTest::addColumn<QString>("outcome");
        const QString noScheme = u"This file is no colour scheme!"_s, bad = u"This file is bad!"_s;
        const QString readError = u"File read error!"_s;
        const QString plain = u" | 1 2 3 100, 2 4 6 100, 60 120 180 100"_s;
        const auto row = [](const char* tag, const QByteArray& bytes, const QString& outcome,
                            const QString& file = u"bad.col"_s) {
            QTest::newRow(tag) << bytes << file << outcome;
        };
        const QByteArray good = SchemeFileBytes("Name");
        row("empty file", QByteArray(), readError);
        row("header in lower case", QByteArray(good).replace("Colour", "colour"), noScheme);
        row("no name line", QByteArray(good).replace("Name\r\n", ""), noScheme);
        row("no Data word", QByteArray(good).replace("Data", "Date"), readError);
        row("empty line between elements", ReplaceLine(good, 10, "5 10 15 100\r\n"), bad);
        row("double space in a line", ReplaceLine(good, 4, "1  2 3 100"), bad);
        row("one number missing", ReplaceLine(good, 63, "60 120 180"), bad);
        row("one number too many", ReplaceLine(good, 63, "60 120 180 100 1"), bad);
        row("tab inside a word", ReplaceLine(good, 20, "17\t34 51 100 0"), readError);
        row("negative component", ReplaceLine(good, 5, "2 -4 6 100"), readError);
        row("number beyond 16 bits", ReplaceLine(good, 5, "2 32768 6 100"), readError);
        row("opacity beyond 16 bits", ReplaceLine(good, 5, "2 4 6 99999"), readError);
        row("larger than any scheme", good + QByteArray(MaxSchemeFileSize, ' '), readError);
        row("a folder", good, readError, QString());
        row("unreadable file", good, readError, u"unreadable.col"_s);
        row("inner spaces", SchemeFileBytes("  two  spaces   "), u"  two  spaces"_s + plain);
        row("LF, trailing spaces, empty lines",
            SchemeFileBytes("Lf").replace("\r\n", " \n") + "\n\n", u"Lf"_s + plain);
        row("CR", SchemeFileBytes("Cr").replace("\r\n", "\r"), u"Cr"_s + plain);
        row("one line", SchemeFileBytes("Flat").replace("\r\n", " "), u"Flat"_s + plain);
        row("values clamped, signs, any opacity",
            ReplaceLine(ReplaceLine(good, 4, "300 0 256 32767"), 5, "+7 007 -0 -32768"),
            u"Name | 255 0 255 32767, 7 7 0 -32768, 60 120 180 100"_s);
        row("code page", SchemeFileBytes("Modr\xe1 \x9a\xe8\xf8"), u"Modrá ščř"_s + plain);
        QByteArray large = SchemeFileBytes("Large");
        row("just under the size limit", large + QByteArray(MaxSchemeFileSize - large.size(), ' '),
            u"Large"_s + plain);
    }
    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, file);
        QFETCH(QString, outcome);
        QTemporaryDir folder;
        WriteFile(folder.filePath(u"bad.col"_s), bytes);
        QFile::setPermissions(WriteFile(folder.filePath(u"unreadable.col"_s), "ColourScheme"),
                              QFileDevice::WriteOwner);
        QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777));
        const auto asAUser = EnforcePermissions();
        // As the editor reads a file: a file that gives no bytes is a read error.
        const std::optional<QByteArray> read = ReadSchemeFileBytes(folder.filePath(file));
        QCOMPARE(read ? Outcome(ParseSchemeText(DecodeSchemeBytes(*read))) : u"File read error!"_s,
                 outcome);
    }

    // A document written and read back is the same document: the name loses its trailing spaces
    // and what the code page cannot hold becomes "?". The word Data in a name makes a file that
    // the reader refuses, which NameReadsBack tells beforehand.
    void writingAndReadingBack_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("readBack");
        const QString refused = u"(refused)"_s;
        QTest::newRow("code page") << u"  Grünn  Čer€ Ω 日😀  "_s << u"  Grünn  Čer€ ? ??"_s;
        QTest::newRow("Data first") << u"Data scheme"_s << refused;
        QTest::newRow("Data last, a space after") << u"My Data "_s << refused;
        QTest::newRow("on a line of its own") << u"My\rData"_s << refused;
        QTest::newRow("lower case") << u"My data scheme"_s << u"My data scheme"_s;
        QTest::newRow("start of a word") << u"Database"_s << u"Database"_s;
        QTest::newRow("end of a word") << u"MyData"_s << u"MyData"_s;
        QTest::newRow("after a tab") << u"My\tData"_s << u"My\tData"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void writingAndReadingBack() {
        QFETCH(QString, name);
        QFETCH(QString, readBack);
        SchemeDocument doc;
        doc.schemeName = name;
        for (int k = 1; k <= ElementCount; ++k) {
            doc.elementColour[k] = k * 0x1f3d5b & 0xffffff;
            doc.elementOpacity[k] = qint16(k % 4 * 50 - 50);
        }
        doc.elementColour[1] = MakeColour(0, 0, 128);
        const QByteArray bytes = EncodeSchemeText(BuildSchemeText(doc));
        // 63 lines, each ending in CR LF; the elements as four plain numbers.
        QVERIFY(bytes.endsWith("\r\n") && bytes.count("\r\n") == 63 && bytes.count('\n') == 63 &&
                bytes.contains("\r\nData\r\n0 0 128 0\r\n"));
        const ParsedScheme scheme = ParseSchemeText(DecodeSchemeBytes(bytes));
        QCOMPARE(scheme.failure ? u"(refused)"_s : scheme.schemeName, readBack);
        QCOMPARE(NameReadsBack(name), !scheme.failure);
        if (!scheme.failure) {
            QCOMPARE(scheme.elementColour, doc.elementColour);
            QCOMPARE(scheme.elementOpacity, doc.elementOpacity);
        }
    }

    // A write replaces the file whole or leaves what was there, and leaves nothing beside it.
    void writingWholeFiles_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("locked"); // made read-only first; "disk": the disk is full
        QTest::addColumn<bool>("written");
        QTest::newRow("new file") << u"new.col"_s << QString() << true;
        QTest::newRow("over an old file") << u"old.col"_s << QString() << true;
        QTest::newRow("read-only file") << u"old.col"_s << u"old.col"_s << false;
        QTest::newRow("read-only folder") << u"old.col"_s << u"."_s << false;
        QTest::newRow("no such folder") << u"no/new.col"_s << QString() << false;
        QTest::newRow("full disk") << u"old.col"_s << u"disk"_s << false;
        QTest::newRow("new file, full disk") << u"new.col"_s << u"disk"_s << false;
    }
    void writingWholeFiles() {
        QFETCH(QString, target);
        QFETCH(QString, locked);
        QFETCH(bool, written);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        // A file system of a few pages of memory, which needs root to mount.
        const bool full = locked == u"disk";
        if (full && ::mount("tmpfs", qPrintable(dir.path()), "tmpfs", 0, "size=16k") != 0)
            QSKIP("this machine does not let the test mount a small file system (it needs root)");
        const auto unmount = qScopeGuard([&] { ::umount2(qPrintable(dir.path()), 0); });
        const QString old = WriteFile(dir.filePath(u"old.col"_s), "old");
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
        QFile::setPermissions(old, QFileDevice::Permissions(0x6666));
        if (!locked.isEmpty()) // no file is named "disk"
            QFile::setPermissions(dir.filePath(locked), QFileDevice::Permissions(0x5555));
        QFile filler(dir.filePath(u"filler"_s));
        if (full && filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            while (filler.write(QByteArray(1024, 'x')) > 0) {
            }
        const QByteArray bytes = SchemeFileBytes("New");
        const bool ok = [&] {
            const auto asAUser = EnforcePermissions();
            return WriteWholeFile(dir.filePath(target), bytes);
        }();
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
        QCOMPARE(ok, written);
        // The old file whole, or the new one; nothing beside them.
        const bool replaced = written && target == u"old.col", added = written && !replaced;
        QCOMPARE(Contents(old), replaced ? bytes : "old");
        QCOMPARE(Contents(dir.filePath(u"new.col"_s)), added ? bytes : "(unreadable)");
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden).size(), 1 + added + full);
    }
};

QTEST_GUILESS_MAIN(TestSchemeFile)
#include "test_scheme_file.moc"
