// Saving when the machine misbehaves: a disk that is full.
#include "editor/document_commands.h"
#include "editor/undo_redo.h"
#include "editor_fixture.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

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
        QVERIFY(f.editor.document.modified && f.editor.history.commands.undoEnabled);
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
};

int RunFileFaultTests(int argc, char** argv) {
    TestFileFaults faults;
    return QTest::qExec(&faults, argc, argv);
}

#include "test_file_faults.moc"
