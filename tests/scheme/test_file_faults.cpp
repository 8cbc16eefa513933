// Scheme files when the machine misbehaves: a disk that is full, a file that another program
// rewrites while the editor reads it.
#include "editor_fixture.h"
#include "scheme/document_commands.h"
#include "scheme/scheme_reader.h"
#include "scheme/undo_redo.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// A file system of a few pages of memory, mounted for as long as this lives; empty when the
// machine does not let the test mount one.
class SmallFileSystem {
public:
    SmallFileSystem() {
        if (::mount("tmpfs", qPrintable(folder.path()), "tmpfs", 0, "size=16k,mode=0755") == 0)
            mounted_ = true;
        else
            problem = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallFileSystem() {
        if (mounted_)
            ::umount2(qPrintable(folder.path()), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    QString path(const QString& name) const { return folder.filePath(name); }

    // Writes a filler file until the file system has no room left.
    void fill() const {
        const int fd = ::open(qPrintable(path(QStringLiteral("filler"))), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        const QByteArray block(1024, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);
    }

    QTemporaryDir folder;
    QString problem;

private:
    bool mounted_ = false;
};

QList<Message> CannotBeSaved() {
    return {ErrorMessage(QStringLiteral("File cannot be saved!"), QStringLiteral("Error"))};
}

} // namespace

class TestFileFaults : public QObject {
    Q_OBJECT
private slots:
    void savingOntoAFullDiskKeepsTheOldFile();
    void aFileRewrittenWhileItIsReadIsReadWholeOrNotAtAll();
};

void TestFileFaults::savingOntoAFullDiskKeepsTheOldFile() {
    SmallFileSystem disk;
    if (!disk.mounted())
        QSKIP(qPrintable(QStringLiteral("this machine does not let the test mount a small file "
                                        "system to fill (it needs root): ") +
                         disk.problem));
    EditorFixture f;
    const QString path = disk.path(QStringLiteral("scheme.col"));
    const QByteArray old = SchemeFileBytes("Old");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(old), old.size());
    }
    QVERIFY(OpenSchemeFromPath(f.editor, path));
    f.editor.document.elementColour[5] = MakeColour(9, 9, 9);
    RecordStep(f.editor, 4, MakeColour(5, 10, 15), MakeColour(9, 9, 9));
    f.editor.document.modified = true;
    disk.fill();

    SaveScheme(f.editor);
    QCOMPARE(f.dialogs.messages, CannotBeSaved());
    QCOMPARE(Contents(path), old);
    QCOMPARE(QDir(disk.folder.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("filler"), QStringLiteral("scheme.col")}));
    // Nothing of the edit is lost: it can still be saved elsewhere, and undone.
    QVERIFY(f.editor.document.modified);
    QCOMPARE(f.editor.document.filePath, path);
    QCOMPARE(f.editor.document.elementColour[5], MakeColour(9, 9, 9));
    QVERIFY(f.editor.commands.undoEnabled);

    // Save As onto the full disk leaves no new file either.
    f.dialogs.messages.clear();
    f.dialogs.saveAnswers = {disk.path(QStringLiteral("new.col"))};
    SaveSchemeAs(f.editor);
    QCOMPARE(f.dialogs.messages, CannotBeSaved());
    QVERIFY(!QFileInfo::exists(disk.path(QStringLiteral("new.col"))));

    // Once there is room again, the same save goes through.
    QVERIFY(QFile::remove(disk.path(QStringLiteral("filler"))));
    f.dialogs.messages.clear();
    SaveScheme(f.editor);
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(Contents(path).contains("\r\n9 9 9 100\r\n"));
    QVERIFY(!f.editor.document.modified);
}

void TestFileFaults::aFileRewrittenWhileItIsReadIsReadWholeOrNotAtAll() {
    EditorFixture f;
    const QString path = f.path(QStringLiteral("busy.col"));
    const QByteArray first = SchemeFileBytes("First");
    QByteArray second = SchemeFileBytes("Second", {3, 4, 5});
    second.replace(" 100\r\n", " 100 \r\n"); // another length, so that the halves differ too
    const QByteArray huge = first + QByteArray(MaxSchemeFileSize, ' ');
    f.writeFile(QStringLiteral("busy.col"), "no scheme yet");

    // Another program rewrites the file over and over, in two halves, sometimes far too big,
    // sometimes by putting a new file in its place.
    std::atomic<bool> stop = false;
    std::atomic<int> rounds = 0;
    std::thread writer([&] {
        for (int round = 0; !stop; round = ++rounds) {
            const QByteArray& bytes = round % 17 == 0 ? huge : round % 2 ? first : second;
            if (round % 5 == 0) {
                const QString fresh = path + QStringLiteral(".new");
                QFile file(fresh);
                if (file.open(QIODevice::WriteOnly))
                    file.write(bytes);
                file.close();
                ::rename(qPrintable(fresh), qPrintable(path));
                continue;
            }
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                continue;
            file.write(bytes.left(bytes.size() / 2));
            file.flush();
            file.write(bytes.mid(bytes.size() / 2));
            file.close();
            // Most of the time the file is whole, as it would be between another program's saves.
            std::this_thread::sleep_for(std::chrono::microseconds(round % 7 * 50));
        }
    });

    while (rounds < 1)
        std::this_thread::yield();
    // Reads on until both outcomes were seen often enough, however the two threads happen to
    // take turns.
    int read = 0, refused = 0;
    for (int i = 0; i < 20000 && (read < 100 || refused < 100); ++i) {
        f.dialogs.messages.clear();
        f.editor.setNameBoxText(QStringLiteral("Before"));
        f.editor.document.modified = false;
        if (OpenSchemeFromPath(f.editor, path)) {
            ++read;
            const QString name = f.editor.document.schemeName;
            QVERIFY2(name == QLatin1String("First") || name == QLatin1String("Second"),
                     qPrintable(name));
            // Every colour and tick is the named file's, none from the other one.
            for (int k = 1; k <= 60; ++k) {
                QCOMPARE(f.editor.document.elementColour[k], MakeColour(k, 2 * k, 3 * k));
                const bool transparent = name == QLatin1String("Second") && k >= 3 && k <= 5;
                QCOMPARE(f.editor.elementList.isChecked(k - 1), !transparent);
            }
            QVERIFY(f.dialogs.messages.isEmpty());
        } else {
            ++refused;
            // A refused read says so and leaves the scheme as it was.
            QCOMPARE(f.dialogs.messages.size(), 1);
            QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Critical);
            QCOMPARE(f.editor.document.schemeName, QStringLiteral("Before"));
        }
    }
    stop = true;
    writer.join();
    qInfo("%d reads whole, %d refused", read, refused);
    QVERIFY(read > 0 && refused > 0);
}

QTEST_GUILESS_MAIN(TestFileFaults)
#include "test_file_faults.moc"
