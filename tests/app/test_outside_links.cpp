#include "i18n/links_texts.h"
#include "recorded_opener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// A mount table, a gvfs folder with the given mounts, and a home folder, all temporary.
struct Places {
    Places(const QByteArray& mounts, const QStringList& gvfsMounts) {
        QDir root(folder.path());
        root.mkpath(QStringLiteral("gvfs"));
        root.mkpath(QStringLiteral("home"));
        for (const QString& mount : gvfsMounts)
            root.mkpath(QStringLiteral("gvfs/") + mount);
        QFile table(folder.filePath(QStringLiteral("mounts")));
        if (!table.open(QIODevice::WriteOnly) || table.write(mounts) != mounts.size())
            qFatal("cannot write the mount table");
        places = PhonePlaces{table.fileName(), folder.filePath(QStringLiteral("gvfs")),
                             folder.filePath(QStringLiteral("home"))};
    }
    QString gvfs(const QString& mount) const { return places.gvfsFolder + u'/' + mount; }

    QTemporaryDir folder;
    PhonePlaces places;
};

const QByteArray OrdinaryMounts = "sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0\n"
                                  "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n"
                                  "/dev/sda1 / ext4 rw,relatime,errors=remount-ro 0 0\n"
                                  "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n"
                                  "me@host:/srv /mnt/siefs fuse.sshfs rw,user_id=1000 0 0\n";

const QString ObexA = QStringLiteral("obex:host=00_1A_2B_3C_4D_5E");
const QString ObexB = QStringLiteral("obex:host=00_0E_07_11_22_33");

} // namespace

class TestOutsideLinks : public QObject {
    Q_OBJECT
private slots:
    void addressesGoToTheOpener();
    void theAuthorsLinksOpenTheirAddresses();
    void withoutAnOpenerTheDesktopsIsUsedAgain();
    void theSystemsMountTableIsRead();
    void theExplorerChoosesThePhonesFolder_data();
    void theExplorerChoosesThePhonesFolder();
    void theExplorerStartsTheFileManagerOnIt();
};

void TestOutsideLinks::addressesGoToTheOpener() {
    RecordedOpener opener(true);
    // The handler's answer comes back, for a caller that wants it.
    QVERIFY(OpenDocument(QStringLiteral("https://example.org/zef?a=1")));
    QVERIFY(OpenDocument(QStringLiteral("mailto:jana@example.org")));
    QVERIFY(OpenDocument(QStringLiteral("/home/jana/Modrá nebe.col")));
    QCOMPARE(opener.opened.size(), 3);
    QCOMPARE(opener.opened[0], QUrl(QStringLiteral("https://example.org/zef?a=1")));
    QCOMPARE(opener.opened[1].scheme(), QStringLiteral("mailto"));
    QCOMPARE(opener.opened[1].path(), QStringLiteral("jana@example.org"));
    QCOMPARE(opener.opened[2], QUrl::fromLocalFile(QStringLiteral("/home/jana/Modrá nebe.col")));

    RecordedOpener refusing(false);
    QVERIFY(!OpenDocument(QStringLiteral("https://example.org/")));
    QCOMPARE(refusing.opened.size(), 1);
    QCOMPARE(opener.opened.size(), 3);
}

void TestOutsideLinks::theAuthorsLinksOpenTheirAddresses() {
    RecordedOpener opener;
    OpenAuthorHomePage();
    WriteToAuthor();
    QCOMPARE(opener.opened.size(), 2);
    QCOMPARE(opener.opened[0], QUrl(QString::fromUtf8(LinksDialogTexts::HomePage)));
    QCOMPARE(opener.opened[1].toString(),
             QStringLiteral("mailto:") + QString::fromUtf8(LinksDialogTexts::Email));
}

void TestOutsideLinks::withoutAnOpenerTheDesktopsIsUsedAgain() {
    DocumentOpener before;
    {
        RecordedOpener outer;
        {
            RecordedOpener inner;
            OpenAuthorHomePage();
            QCOMPARE(inner.opened.size(), 1);
        }
        // The inner one put the outer one back.
        OpenAuthorHomePage();
        QCOMPARE(outer.opened.size(), 1);
    }
    // The outer one put back the empty opener, which stands for the desktop's.
    before = SetDocumentOpener({});
    QVERIFY(!before);
}

void TestOutsideLinks::theSystemsMountTableIsRead() {
    // The kernel's table claims to be empty until it is read; every system has its root in it.
    const QList<Mount> mounts = ReadMountTable(QStringLiteral("/proc/self/mounts"));
    QVERIFY(std::any_of(mounts.begin(), mounts.end(),
                        [](const Mount& mount) { return mount.point == u"/"; }));
    QVERIFY(std::any_of(mounts.begin(), mounts.end(), [](const Mount& mount) {
        return mount.point == u"/proc" && mount.type == "proc";
    }));
    QVERIFY(ReadMountTable(QStringLiteral("/nonexistent/mounts")).isEmpty());
}

void TestOutsideLinks::theExplorerChoosesThePhonesFolder_data() {
    QTest::addColumn<QByteArray>("mounts");
    QTest::addColumn<QStringList>("gvfsMounts");
    QTest::addColumn<QString>("expected"); // "HOME", "GVFS/name", or an absolute path

    const QByteArray sieFs = "siefs /media/jana/s55\\040flex fuse.siefs rw,nosuid,nodev 0 0\n";
    QTest::newRow("SieFS mount") << OrdinaryMounts + sieFs + "siefs /mnt/other fuse.siefs rw 0 0\n"
                                 << QStringList{ObexA} << QStringLiteral("/media/jana/s55 flex");
    QTest::newRow("SieFS mount, escaped backslash and tab")
        << QByteArray("siefs /mnt/a\\134b\\011c fuse.siefs rw 0 0") << QStringList{}
        << QStringLiteral("/mnt/a\\b\tc");
    QTest::newRow("first OBEX mount")
        << OrdinaryMounts << QStringList{QStringLiteral("smb-share:server=nas"), ObexA, ObexB}
        << QStringLiteral("GVFS/") + ObexB;
    QTest::newRow("neither") << OrdinaryMounts
                             << QStringList{QStringLiteral("smb-share:server=nas"),
                                            QStringLiteral("mtp:host=phone")}
                             << QStringLiteral("HOME");
    QTest::newRow("empty mount table") << QByteArray() << QStringList{} << QStringLiteral("HOME");
}

void TestOutsideLinks::theExplorerChoosesThePhonesFolder() {
    QFETCH(QByteArray, mounts);
    QFETCH(QStringList, gvfsMounts);
    QFETCH(QString, expected);
    Places places(mounts, gvfsMounts);
    if (expected == u"HOME")
        expected = places.places.homeFolder;
    else if (expected.startsWith(u"GVFS/"))
        expected = places.gvfs(expected.mid(5));
    QCOMPARE(PhoneFolder(places.places), expected);
}

void TestOutsideLinks::theExplorerStartsTheFileManagerOnIt() {
    struct Start {
        QString program;
        QStringList arguments;
    };
    QList<Start> starts;
    const ProgramLauncher launch = [&starts](const QString& program, const QStringList& arguments) {
        starts.append({program, arguments});
        return false; // no file manager: nothing is reported
    };

    Places obex(OrdinaryMounts, {ObexA});
    OpenPhoneExplorer(obex.places, launch);
    Places none(OrdinaryMounts, {});
    QFile::remove(none.places.mountTable);
    QDir(none.places.gvfsFolder).removeRecursively();
    OpenPhoneExplorer(none.places, launch);

    QCOMPARE(starts.size(), 2);
    QCOMPARE(starts[0].program, QStringLiteral("xdg-open"));
    QCOMPARE(starts[0].arguments, QStringList{obex.gvfs(ObexA)});
    QCOMPARE(starts[1].program, QStringLiteral("xdg-open"));
    QCOMPARE(starts[1].arguments, QStringList{none.places.homeFolder});
}

QTEST_GUILESS_MAIN(TestOutsideLinks)
#include "test_outside_links.moc"
