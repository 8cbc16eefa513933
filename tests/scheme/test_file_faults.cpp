// Scheme files when the machine misbehaves: a disk that is full, a file that another program
// rewrites while the editor reads it.
#include "editor_fixture.h"
#include "scheme/document_commands.h"
#include "scheme/scheme_reader.h"
#include "scheme/undo_redo.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestFileFaults : public QObject {
    Q_OBJECT
private slots:
    void savingOntoAFullDiskKeepsTheOldFile() {
        // A file system of a few pages of memory, which needs root to mount.
        QTemporaryDir disk;
        if (::mount("tmpfs", qPrintable(disk.path()), "tmpfs", 0, "size=16k,mode=0755") != 0)
            QSKIP(qPrintable(u"this machine does not let the test mount a small file system to "
                             u"fill (it needs root): "_s +
                             QString::fromLocal8Bit(std::strerror(errno))));
        const auto unmount = qScopeGuard([&] { ::umount2(qPrintable(disk.path()), MNT_DETACH); });
        EditorFixture f;
        const QString path = disk.filePath(u"scheme.col"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(SchemeFileBytes("Old")) > 0);
        file.close();
        QVERIFY(OpenSchemeFromPath(f.editor, path));
        f.editor.document.elementColour[1] = MakeColour(9, 9, 9);
        RecordStep(f.editor, 0, MakeColour(1, 2, 3), MakeColour(9, 9, 9));
        f.editor.document.modified = true;
        const int fd = ::open(qPrintable(disk.filePath(u"filler"_s)), O_WRONLY | O_CREAT, 0644);
        const QByteArray block(1024, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);

        const QList<Message> cannot{ErrorMessage(u"File cannot be saved!"_s, u"Error"_s)};
        SaveScheme(f.editor);
        QCOMPARE(f.dialogs.messages, cannot);
        QCOMPARE(Contents(path), SchemeFileBytes("Old"));
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{u"filler"_s, u"scheme.col"_s}));
        // Nothing of the edit is lost: it can still be saved elsewhere, and undone.
        QVERIFY(f.editor.document.modified && f.editor.commands.undoEnabled);
        QCOMPARE(f.editor.document.filePath, path);
        // Save As onto the full disk leaves no new file either.
        f.dialogs.saveAnswers = {disk.filePath(u"new.col"_s)};
        SaveSchemeAs(f.editor);
        QCOMPARE(f.dialogs.messages, cannot + cannot);
        QVERIFY(!QFileInfo::exists(disk.filePath(u"new.col"_s)));
        // Once there is room again, the same save goes through.
        QVERIFY(QFile::remove(disk.filePath(u"filler"_s)));
        SaveScheme(f.editor);
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(Contents(path).contains("Data\r\n9 9 9 100\r\n"));
        QVERIFY(!f.editor.document.modified);
    }

    void aFileRewrittenWhileItIsReadIsReadWholeOrNotAtAll() {
        EditorFixture f;
        const QString path = f.writeFile(u"busy.col"_s, "no scheme yet");
        const QByteArray first = SchemeFileBytes("First");
        QByteArray second = SchemeFileBytes("Second", {3, 4, 5});
        second.replace(" 100\r\n", " 100 \r\n"); // another length, so that the halves differ too
        const QByteArray huge = first + QByteArray(MaxSchemeFileSize, ' ');

        // Another program rewrites the file over and over, in two halves, sometimes far too big,
        // sometimes by putting a new file in its place.
        std::atomic<bool> stop = false;
        std::atomic<int> rounds = 0;
        std::thread writer([&] {
            for (int round = 0; !stop; round = ++rounds) {
                const QByteArray& bytes = round % 17 == 0 ? huge : round % 2 ? first : second;
                if (round % 5 == 0) {
                    QFile fresh(path + u".new"_s);
                    if (fresh.open(QIODevice::WriteOnly))
                        fresh.write(bytes);
                    fresh.close();
                    ::rename(qPrintable(fresh.fileName()), qPrintable(path));
                    continue;
                }
                QFile file(path);
                if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                    continue;
                file.write(bytes.left(bytes.size() / 2));
                file.flush();
                file.write(bytes.mid(bytes.size() / 2));
                file.close();
                // Mostly the file is whole, as it would be between another program's saves.
                std::this_thread::sleep_for(std::chrono::microseconds(round % 7 * 50));
            }
        });
        // A failed check returns early: the writer still stops.
        const auto join = qScopeGuard([&] {
            stop = true;
            writer.join();
        });
        while (rounds < 1)
            std::this_thread::yield();
        // Reads on until both outcomes were seen often enough, however the threads take turns.
        int read = 0, refused = 0;
        for (int i = 0; i < 20000 && (read < 100 || refused < 100); ++i) {
            f.dialogs.messages.clear();
            f.editor.setNameBoxText(u"Before"_s);
            f.editor.document.modified = false;
            if (OpenSchemeFromPath(f.editor, path)) {
                ++read;
                const QString name = f.editor.document.schemeName;
                QVERIFY2(name == u"First"_s || name == u"Second"_s, qPrintable(name));
                // Every colour and tick is the named file's, none from the other one.
                for (int k = 1; k <= 60; ++k) {
                    QCOMPARE(f.editor.document.elementColour[k], MakeColour(k, 2 * k, 3 * k));
                    QCOMPARE(f.editor.elementList.isChecked(k - 1),
                             name == u"First"_s || k < 3 || k > 5);
                }
                QVERIFY(f.dialogs.messages.isEmpty());
            } else {
                ++refused;
                // A refused read says so and leaves the scheme as it was.
                QCOMPARE(f.dialogs.messages.size(), 1);
                QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Critical);
                QCOMPARE(f.editor.document.schemeName, u"Before"_s);
            }
        }
        qInfo("%d reads whole, %d refused", read, refused);
        QVERIFY(read > 0 && refused > 0);
    }
};

int RunFileFaultTests(int argc, char** argv) {
    TestFileFaults faults;
    return QTest::qExec(&faults, argc, argv);
}

#include "test_file_faults.moc"
