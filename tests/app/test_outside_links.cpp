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
        for (const QString& mount : gvfsMounts + QStringList{QString()})
            QDir(folder.path()).mkpath(QStringLiteral("gvfs/") + mount);
        QDir(folder.path()).mkpath(QStringLiteral("home"));
        QFile table(folder.filePath(QStringLiteral("mounts")));
        if (!table.open(QIODevice::WriteOnly) || table.write(mounts) != mounts.size())
            qFatal("cannot write the mount table");
        places = PhonePlaces{table.fileName(), folder.filePath(QStringLiteral("gvfs")),
                             folder.filePath(QStringLiteral("home"))};
    }
    QTemporaryDir folder;
    PhonePlaces places;
};

const QByteArray OrdinaryMounts = "sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0\n"
                                  "/dev/sda1 / ext4 rw,relatime,errors=remount-ro 0 0\n"
                                  "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n"
                                  "me@host:/srv /mnt/siefs fuse.sshfs rw,user_id=1000 0 0\n";

} // namespace

class TestOutsideLinks : public QObject {
    Q_OBJECT
private slots:
    void addressesGoToTheOpener();
    void theSystemsMountTableIsRead();
    void theExplorerOpensThePhonesFolder_data();
    void theExplorerOpensThePhonesFolder();
};

void TestOutsideLinks::addressesGoToTheOpener() {
    RecordedOpener opener(true);
    // The handler's answer comes back, for a caller that wants it.
    QVERIFY(OpenDocument(QStringLiteral("/home/jana/Modrá nebe.col")));
    OpenAuthorHomePage();
    WriteToAuthor();
    QCOMPARE(opener.opened,
             (QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/home/jana/Modrá nebe.col")),
                          QUrl(QString::fromUtf8(LinksDialogTexts::HomePage)),
                          QUrl(QStringLiteral("mailto:") + LinksDialogTexts::Email)}));
    QCOMPARE(opener.opened[2].path(), QString::fromUtf8(LinksDialogTexts::Email));
    RecordedOpener refusing(false);
    QVERIFY(!OpenDocument(QStringLiteral("https://example.org/")));
}

void TestOutsideLinks::theSystemsMountTableIsRead() {
    // The kernel's table claims to be empty until it is read; every system has its root in it.
    const QList<Mount> mounts = ReadMountTable(QStringLiteral("/proc/self/mounts"));
    QVERIFY(std::any_of(mounts.begin(), mounts.end(), [](const Mount& mount) {
        return mount.point == u"/proc" && mount.type == "proc";
    }));
    QVERIFY(ReadMountTable(QStringLiteral("/nonexistent/mounts")).isEmpty());
}

void TestOutsideLinks::theExplorerOpensThePhonesFolder_data() {
    QTest::addColumn<QByteArray>("mounts"); // "-": no mount table at all
    QTest::addColumn<QStringList>("gvfsMounts");
    QTest::addColumn<QString>("expected"); // "HOME", "GVFS/name", or an absolute path

    const QString obexA = QStringLiteral("obex:host=00_1A_2B_3C_4D_5E");
    const QString obexB = QStringLiteral("obex:host=00_0E_07_11_22_33");
    QTest::newRow("SieFS mount")
        << OrdinaryMounts + "siefs /media/jana/s55\\040flex fuse.siefs rw,nosuid,nodev 0 0\n" +
               "siefs /mnt/other fuse.siefs rw 0 0\n"
        << QStringList{obexA} << "/media/jana/s55 flex";
    QTest::newRow("SieFS mount, escaped backslash and tab")
        << QByteArray("siefs /mnt/a\\134b\\011c fuse.siefs rw 0 0") << QStringList{}
        << "/mnt/a\\b\tc";
    QTest::newRow("first OBEX mount")
        << OrdinaryMounts << QStringList{QStringLiteral("smb-share:server=nas"), obexA, obexB}
        << "GVFS/" + obexB;
    QTest::newRow("neither") << OrdinaryMounts << QStringList{QStringLiteral("mtp:host=phone")}
                             << "HOME";
    QTest::newRow("no mount table") << QByteArray("-") << QStringList{} << "HOME";
}

void TestOutsideLinks::theExplorerOpensThePhonesFolder() {
    QFETCH(QByteArray, mounts);
    QFETCH(QStringList, gvfsMounts);
    QFETCH(QString, expected);
    Places places(mounts, gvfsMounts);
    if (mounts == "-")
        QFile::remove(places.places.mountTable);
    if (expected == u"HOME")
        expected = places.places.homeFolder;
    else if (expected.startsWith(u"GVFS/"))
        expected = places.places.gvfsFolder + expected.mid(4);
    QStringList started;
    // The file manager is started and not waited for; whether it started is never reported.
    OpenPhoneExplorer(places.places, [&started](const QString& program, const QStringList& args) {
        started += program + u' ' + args.join(u'|');
        return false;
    });
    QCOMPARE(started, QStringList{"xdg-open " + expected});
}

QTEST_GUILESS_MAIN(TestOutsideLinks)
#include "test_outside_links.moc"
