// The Help and Tools menus' dialogs and the world outside the editor they lead to: the author's
// addresses, this computer's processor and speed, the phone's folder, the file association.
#include "editor/about_info.h"
#include "editor/association_command.h"
#include "editor/flash_advice.h"
#include "editor_fixture.h"
#include "golden.h"
#include "host/file_association.h"
#include "host/processor_info.h"
#include "recorded_opener.h"

#include <QTest>

namespace {

// Every text of the About, Links, Flash on Select and File Association dialogs for a language
// word, one "dialog.field=text" line each, line breaks written as \n.
QStringList DialogTexts(const QString& word) {
    EditorFixture f(LanguageFromWord(word));
    QStringList lines{u'[' + word + u']'};
    const auto add = [&lines](const QString& dialog, const QStringList& fields, QStringList texts) {
        for (qsizetype i = 0; i < fields.size(); ++i)
            lines.append(dialog + fields[i] + u'=' + texts.value(i).replace(u'\n', "\\n"));
    };
    const AboutTexts a = AboutTextsFor(f.editor);
    add("about.",
        {"caption", "title", "version", "purpose", "spyware", "description", "apology",
         "copyright"},
        {a.caption, a.title, a.version, a.purpose, a.spyware, a.description, a.apology,
         a.copyright});
    const LinksTexts l = LinksTextsFor(f.editor);
    add("links.", {"caption", "homeLabel", "emailLabel", "homePage", "email"},
        {l.caption, l.homeLabel, l.emailLabel, l.homePage, l.email});
    const FlashAdvice fl = FlashAdviceFor(f.editor);
    add("flash.", {"caption", "text", "pcLabel", "apology"},
        {fl.caption, fl.text, fl.pcLabel, fl.apology});
    const AssociationDialogTexts as = AssociationDialogTextsFor(f.editor.language);
    add("association.", {"caption", "instruction", "headers", "row"},
        {as.caption, as.instruction,
         as.formatHeader + u'|' + as.descriptionHeader + u'|' + as.extensionsHeader,
         as.rowFormat + u'|' + as.rowDescription + u'|' + as.rowExtensions});
    return lines;
}

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    // The three languages, and a word of no language, against the reviewed file.
    void theDialogsSpeakTheInterfaceLanguage() {
        QStringList lines;
        for (const char* word : {"Czech", "English", "Deutsch", "czech"})
            lines += DialogTexts(QLatin1String(word));
        CompareWithReviewed(lines.join(u'\n') + u'\n', QFINDTESTDATA("golden/dialog_texts.txt"));
    }

    void theCommandsShowTheirDialogAndTheLinksOpen() {
        EditorFixture f(Language::German);
        // File Association opens ticked while ".col" has a handler; OK registers or removes this
        // program as the row says, closing it does nothing.
        QTemporaryDir home;
        const DesktopFolders folders{home.filePath("data"), home.filePath("config")};
        qputenv("XDG_DATA_HOME", folders.dataHome.toUtf8());
        qputenv("XDG_CONFIG_HOME", folders.configHome.toUtf8());
        qputenv("XDG_CONFIG_DIRS", home.filePath("etc-xdg").toUtf8());
        f.dialogs.associationAnswers = {std::nullopt, true, false};
        ShowFileAssociation(f.editor, QStringLiteral("/opt/zef/zef"));
        QVERIFY(f.editor.dialogWasShown && QDir(home.path()).isEmpty());
        ShowFileAssociation(f.editor, QStringLiteral("/opt/zef/zef"));
        QVERIFY(Contents(folders.desktopEntry()).contains("\nExec=\"/opt/zef/zef\" %f\n"));
        ShowFileAssociation(f.editor, QStringLiteral("/opt/zef/zef"));
        QVERIFY(!QFile::exists(folders.desktopEntry()) && !QFile::exists(folders.mimeAppsList()));
        QCOMPARE(f.dialogs.associationDialogs.value(2),
                 (AssociationDialogState{AssociationDialogTextsFor(Language::German), true}));

        for (void (*command)(Editor&) : {ShowAbout, ShowLinks, ShowFlashAdvice}) {
            f.editor.dialogWasShown = false;
            command(f.editor);
            QVERIFY(f.editor.dialogWasShown);
        }
        QCOMPARE(f.dialogs.aboutDialogs, QList{AboutTextsFor(f.editor)});
        QCOMPARE(f.dialogs.linksDialogs, QList{LinksTextsFor(f.editor)});
        QCOMPARE(f.dialogs.flashAdviceDialogs, QList{FlashAdviceFor(f.editor)});

        // The addresses go to the desktop, whose answer comes back for a caller that wants it.
        RecordedOpener opener(true);
        QVERIFY(OpenDocument(QStringLiteral("/home/jana/Modrá nebe.col")));
        QCOMPARE(opener.opened, QList{QUrl::fromLocalFile("/home/jana/Modrá nebe.col")});
    }

    // Each machine in machines/ (cpuinfo, then after a NUL byte, if any, cpufreq's maximum clock
    // in kHz) and one without cpuinfo, as the reviewed file has them.
    void machinesAreReadFromTheirFirstProcessor() {
        const QDir corpus(QFINDTESTDATA("machines"));
        QString actual;
        for (const QString& machine : corpus.entryList(QDir::Files) + QStringList{QString()}) {
            EditorFixture f;
            const ProcessorSources sources{f.path("cpuinfo"), f.path("cpuinfo_max_freq")};
            if (!machine.isEmpty()) {
                const QList<QByteArray> parts = Contents(corpus.filePath(machine)).split('\0');
                f.writeFile(QStringLiteral("cpuinfo"), parts[0]);
                if (parts.size() > 1)
                    f.writeFile(QStringLiteral("cpuinfo_max_freq"), parts[1]);
            }
            const int kind = GetPlatformKind(sources);
            const ProcessorInfo info = ReadProcessorData(f.editor, sources);
            actual += QStringLiteral("%1: platform %2, %3/%4/%5\n")
                          .arg(machine.isEmpty() ? QStringLiteral("(no cpuinfo)") : machine)
                          .arg(kind)
                          .arg(info.name, info.revision, f.editor.shown.processorSpeedText);
        }
        CompareWithReviewed(actual, QFINDTESTDATA("golden/machines.txt"));
        // The kernel's own file reports a size of 0; what it names must still be read.
        QCOMPARE(GetPlatformKind(), 1);
        QVERIFY(GetProcessorInfo().speed.has_value());
    }

    void theSpeedAdvisesAndStandsOnTheGauge_data() {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<bool>("flash"); // Flash on Select after the advice
        QTest::addColumn<int>("gauge");  // -1: empty
        // Unknown, none read, both sides of 300 MHz, the gauge's end, beyond it and beyond 16 bits.
        const std::tuple<const char*, bool, int> rows[] = {
            {"x", true, -1},      {"0", false, 0},    {"300", false, 300}, {"301", true, 301},
            {"4000", true, 4000}, {"4500", true, -1}, {"65836", true, -1}};
        for (const auto& [speed, flash, gauge] : rows)
            QTest::newRow(speed) << QString(speed) << flash << gauge;
    }

    void theSpeedAdvisesAndStandsOnTheGauge() {
        QFETCH(QString, speed);
        QFETCH(bool, flash);
        QFETCH(int, gauge);
        EditorFixture f;
        f.editor.shown.processorSpeedText = speed;
        ApplySpeedAdvice(f.editor);
        QCOMPARE(f.editor.options.flashOnSelect, flash);
        const FlashAdvice advice = FlashAdviceFor(f.editor);
        QCOMPARE(advice.speed, speed + QStringLiteral(" MHz"));
        QCOMPARE(advice.gauge.value_or(-1), gauge);
        // The advice only ever unticks, and never shows the dialog.
        f.editor.options.flashOnSelect = false;
        ApplySpeedAdvice(f.editor);
        QVERIFY(!f.editor.options.flashOnSelect && f.dialogs.flashAdviceDialogs.isEmpty());
    }

    void theExplorerOpensThePhonesFolder_data() {
        QTest::addColumn<QByteArray>("mounts"); // "-": no mount table at all
        QTest::addColumn<QStringList>("gvfs");  // the mounts in the gvfs folder
        QTest::addColumn<QString>("expected");  // "HOME", "GVFS/name", or an absolute path
        const QByteArray usual = "/dev/sda1 / ext4 rw,relatime 0 0\n"
                                 "me@host:/srv /mnt/siefs fuse.sshfs rw,user_id=1000 0 0\n";
        const QString obexA = QStringLiteral("obex:host=00_1A_2B_3C_4D_5E");
        const QString obexB = QStringLiteral("obex:host=00_0E_07_11_22_33");
        QTest::newRow("SieFS mount") << usual + "siefs /media/s55\\040flex fuse.siefs rw 0 0\n" +
                                            "siefs /mnt/other fuse.siefs rw 0 0\n"
                                     << QStringList{obexA} << "/media/s55 flex";
        QTest::newRow("SieFS mount, escaped backslash and tab, three fields")
            << QByteArray("siefs /mnt/a\\134b\\011c fuse.siefs") << QStringList{} << "/mnt/a\\b\tc";
        QTest::newRow("first OBEX mount")
            << usual << QStringList{"smb-share:server=nas", obexA, obexB} << "GVFS/" + obexB;
        QTest::newRow("neither") << usual << QStringList{"mtp:host=phone"} << "HOME";
        QTest::newRow("no mount table") << QByteArray("-") << QStringList{} << "HOME";
    }

    void theExplorerOpensThePhonesFolder() {
        QFETCH(QByteArray, mounts);
        QFETCH(QStringList, gvfs);
        QFETCH(QString, expected);
        EditorFixture f;
        const PhonePlaces places{f.path("mounts"), f.path("gvfs"), f.path("home")};
        if (mounts != "-")
            f.writeFile(QStringLiteral("mounts"), mounts);
        for (const QString& mount : gvfs)
            QDir(places.gvfsFolder).mkpath(mount);
        expected.replace(QLatin1String("HOME"), places.homeFolder)
            .replace(QLatin1String("GVFS"), places.gvfsFolder);
        QStringList started;
        // The file manager is started and not waited for; whether it started is never reported.
        OpenPhoneExplorer(places, [&started](const QString& program, const QStringList& arguments) {
            started += program + u' ' + arguments.join(u'|');
            return false;
        });
        QCOMPARE(started, QStringList{"xdg-open " + expected});
        // The kernel's table claims to be empty until it is read; every system has /proc in it.
        QVERIFY(std::ranges::any_of(
            ReadMountTable(QStringLiteral("/proc/self/mounts")),
            [](const Mount& m) { return m.point == u"/proc" && m.type == "proc"; }));
    }
};

QTEST_GUILESS_MAIN(TestHelpMenu)
#include "test_help_menu.moc"
