#include "app/flash_advice.h"
#include "app/processor_info.h"
#include "editor_fixture.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Two processors of a desktop Intel machine; the second runs at another clock at the moment,
// so a reader that takes any block but the first is caught.
const QByteArray IntelCpuinfo = "processor\t: 0\n"
                                "vendor_id\t: GenuineIntel\n"
                                "cpu family\t: 6\n"
                                "model\t\t: 158\n"
                                "model name\t: Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz\n"
                                "stepping\t: 10\n"
                                "microcode\t: 0xf4\n"
                                "cpu MHz\t\t: 3191.998\n"
                                "cache size\t: 12288 KB\n"
                                "flags\t\t: fpu vme de pse tsc msr pae mce cx8 apic sep\n"
                                "\n"
                                "processor\t: 1\n"
                                "vendor_id\t: GenuineIntel\n"
                                "cpu family\t: 15\n"
                                "model\t\t: 2\n"
                                "stepping\t: 1\n"
                                "cpu MHz\t\t: 800.000\n"
                                "\n";

const QByteArray AmdCpuinfo = "processor\t: 0\n"
                              "vendor_id\t: AuthenticAMD\n"
                              "cpu family\t: 23\n"
                              "model\t\t: 113\n"
                              "model name\t: AMD Ryzen 5 3600 6-Core Processor\n"
                              "stepping\t: 0\n"
                              "cpu MHz\t\t: 2199.501\n"
                              "\n";

// An ARM board: no family, model, stepping or speed, only the CPU's own fields.
const QByteArray ArmCpuinfo = "processor\t: 0\n"
                              "BogoMIPS\t: 108.00\n"
                              "Features\t: fp asimd evtstrm crc32 cpuid\n"
                              "CPU implementer\t: 0x41\n"
                              "CPU architecture: 8\n"
                              "CPU variant\t: 0x0\n"
                              "CPU part\t: 0xd08\n"
                              "CPU revision\t: 3\n"
                              "\n"
                              "Hardware\t: BCM2835\n"
                              "Revision\t: c03111\n"
                              "Model\t\t: Raspberry Pi 4 Model B Rev 1.1\n";

// A virtual machine that hides its clock, and an old Pentium that states it.
const QByteArray NoSpeedCpuinfo = "processor\t: 0\n"
                                  "cpu family\t: 5\n"
                                  "model\t\t: 2\n"
                                  "stepping\t: 9\n"
                                  "cpu MHz\t\t: unknown\n";
const QByteArray PentiumCpuinfo = "processor : 0\n"
                                  "cpu family : 5\n"
                                  "model : 2\n"
                                  "stepping : 12\n"
                                  "cpu MHz : 133.000\n";

struct Machine {
    QTemporaryDir folder;
    ProcessorSources sources{folder.filePath(QStringLiteral("cpuinfo")),
                             folder.filePath(QStringLiteral("cpuinfo_max_freq"))};

    explicit Machine(const QByteArray& cpuinfo, const QByteArray& maxFreq = {}) {
        write(sources.cpuinfoPath, cpuinfo);
        if (!maxFreq.isNull())
            write(sources.cpufreqPath, maxFreq);
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
};

} // namespace

class TestProcessorInfo : public QObject {
    Q_OBJECT
private slots:
    void levelsNameTheIntelGenerations_data();
    void levelsNameTheIntelGenerations();
    void revisionIsModelAndStepping_data();
    void revisionIsModelAndStepping();
    void machinesAreReadFromTheirFirstProcessor_data();
    void machinesAreReadFromTheirFirstProcessor();
    void aMissingSourceGivesNoSpeedAtAll();
    void theRunningMachineIsReadable();
    void startupKeepsTheSpeedText();
    void slowComputersLoseFlashOnSelect_data();
    void slowComputersLoseFlashOnSelect();
};

void TestProcessorInfo::levelsNameTheIntelGenerations_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::newRow("3") << 3 << QStringLiteral("Intel 80386");
    QTest::newRow("4") << 4 << QStringLiteral("Intel 80486");
    QTest::newRow("5") << 5 << QStringLiteral("Intel Pentium");
    QTest::newRow("6") << 6 << QStringLiteral("Intel Pentium Pro or Pentium II");
    QTest::newRow("later: 15") << 15 << QStringLiteral("None");
    QTest::newRow("7") << 7 << QStringLiteral("None");
    QTest::newRow("2") << 2 << QStringLiteral("None");
    QTest::newRow("none: 0") << 0 << QStringLiteral("None");
}

void TestProcessorInfo::levelsNameTheIntelGenerations() {
    QFETCH(int, level);
    QFETCH(QString, name);
    QCOMPARE(ProcessorName(level), name);
}

void TestProcessorInfo::revisionIsModelAndStepping_data() {
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("0x0209") << 0x0209 << QStringLiteral("Model 2, Stepping 9");
    QTest::newRow("0x9e0a") << 0x9e0a << QStringLiteral("Model 158, Stepping 10");
    QTest::newRow("0xffff") << 0xffff << QStringLiteral("Model 255, Stepping 255");
    QTest::newRow("0") << 0 << QStringLiteral("Model 0, Stepping 0");
}

void TestProcessorInfo::revisionIsModelAndStepping() {
    QFETCH(int, revision);
    QFETCH(QString, text);
    QCOMPARE(RevisionText(quint16(revision)), text);
}

void TestProcessorInfo::machinesAreReadFromTheirFirstProcessor_data() {
    QTest::addColumn<QByteArray>("cpuinfo");
    QTest::addColumn<QByteArray>("maxFreq"); // null: no cpufreq file
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("revision");
    QTest::addColumn<int>("speed");
    QTest::newRow("Intel") << IntelCpuinfo << QByteArray("4600000\n")
                           << QStringLiteral("Intel Pentium Pro or Pentium II")
                           << QStringLiteral("Model 158, Stepping 10") << 3192;
    QTest::newRow("AMD") << AmdCpuinfo << QByteArray() << QStringLiteral("None")
                         << QStringLiteral("Model 113, Stepping 0") << 2200;
    QTest::newRow("ARM with cpufreq") << ArmCpuinfo << QByteArray("1500000\n")
                                      << QStringLiteral("None") << QStringLiteral("None") << 1500;
    QTest::newRow("ARM without") << ArmCpuinfo << QByteArray() << QStringLiteral("None")
                                 << QStringLiteral("None") << 0;
    QTest::newRow("ARM, broken cpufreq") << ArmCpuinfo << QByteArray("fast\n")
                                         << QStringLiteral("None") << QStringLiteral("None") << 0;
    QTest::newRow("no speed anywhere")
        << NoSpeedCpuinfo << QByteArray() << QStringLiteral("Intel Pentium")
        << QStringLiteral("Model 2, Stepping 9") << 0;
    QTest::newRow("speed only in cpufreq")
        << NoSpeedCpuinfo << QByteArray("233000") << QStringLiteral("Intel Pentium")
        << QStringLiteral("Model 2, Stepping 9") << 233;
    QTest::newRow("Pentium") << PentiumCpuinfo << QByteArray() << QStringLiteral("Intel Pentium")
                             << QStringLiteral("Model 2, Stepping 12") << 133;
    QTest::newRow("empty") << QByteArray("") << QByteArray() << QStringLiteral("None")
                           << QStringLiteral("None") << 0;
}

void TestProcessorInfo::machinesAreReadFromTheirFirstProcessor() {
    QFETCH(QByteArray, cpuinfo);
    QFETCH(QByteArray, maxFreq);
    QFETCH(QString, name);
    QFETCH(QString, revision);
    QFETCH(int, speed);
    const Machine machine(cpuinfo, maxFreq);
    QCOMPARE(GetPlatformKind(machine.sources), 1);
    QCOMPARE(GetProcessorMHz(machine.sources), std::optional<qint32>(speed));
    const ProcessorInfo info = GetProcessorInfo(machine.sources);
    QCOMPARE(info.name, name);
    QCOMPARE(info.revision, revision);
    QCOMPARE(info.speed, std::optional<qint32>(speed));
    QCOMPARE(SpeedText(info), QString::number(speed));
}

void TestProcessorInfo::aMissingSourceGivesNoSpeedAtAll() {
    // A cpufreq file alone does not count: without cpuinfo the platform cannot be asked.
    Machine machine(IntelCpuinfo, "3000000");
    QVERIFY(QFile::remove(machine.sources.cpuinfoPath));
    QCOMPARE(GetPlatformKind(machine.sources), 3);
    QCOMPARE(GetProcessorMHz(machine.sources), std::nullopt);
    const ProcessorInfo info = GetProcessorInfo(machine.sources);
    QCOMPARE(info, (ProcessorInfo{std::nullopt, QStringLiteral("None"), QStringLiteral("None")}));
    QCOMPARE(SpeedText(info), QStringLiteral("x"));
}

void TestProcessorInfo::theRunningMachineIsReadable() {
    if (!QFile(QStringLiteral("/proc/cpuinfo")).open(QIODevice::ReadOnly))
        QSKIP("this machine has no readable /proc/cpuinfo");
    QCOMPARE(GetPlatformKind(), 1);
    const ProcessorInfo info = GetProcessorInfo();
    QVERIFY(info.speed.has_value());
    QVERIFY(*info.speed >= 0);
    QVERIFY(!info.name.isEmpty());
    QVERIFY(!info.revision.isEmpty());
    // The kernel's file reports a size of 0; what it names must still be read.
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    QVERIFY(cpuinfo.open(QIODevice::ReadOnly));
    const QByteArray text = cpuinfo.read(1024 * 1024);
    if (text.contains("\ncpu MHz"))
        QVERIFY(*info.speed > 0);
    if (text.contains("\nmodel\t") && text.contains("\nstepping"))
        QVERIFY(info.revision.startsWith(QStringLiteral("Model ")));
}

void TestProcessorInfo::startupKeepsTheSpeedText() {
    EditorFixture f;
    const Machine pentium(PentiumCpuinfo);
    QCOMPARE(ReadProcessorData(f.editor, pentium.sources).name, QStringLiteral("Intel Pentium"));
    QCOMPARE(f.editor.ProcessorSpeedText, QStringLiteral("133"));
    QCOMPARE(FlashAdviceFor(f.editor).speed, QStringLiteral("133 MHz"));
    ApplySpeedAdvice(f.editor);
    QVERIFY(!f.editor.options.flashOnSelect);

    EditorFixture fresh;
    Machine gone(AmdCpuinfo);
    QVERIFY(QFile::remove(gone.sources.cpuinfoPath));
    ReadProcessorData(fresh.editor, gone.sources);
    QCOMPARE(fresh.editor.ProcessorSpeedText, QStringLiteral("x"));
    ApplySpeedAdvice(fresh.editor);
    QVERIFY(fresh.editor.options.flashOnSelect);
}

void TestProcessorInfo::slowComputersLoseFlashOnSelect_data() {
    QTest::addColumn<QString>("speed");
    QTest::addColumn<bool>("flash");
    QTest::newRow("300") << QStringLiteral("300") << false;
    QTest::newRow("301") << QStringLiteral("301") << true;
    QTest::newRow("no speed read: 0") << QStringLiteral("0") << false;
    QTest::newRow("133") << QStringLiteral("133") << false;
    QTest::newRow("2992") << QStringLiteral("2992") << true;
    QTest::newRow("unknown: x") << QStringLiteral("x") << true;
    QTest::newRow("beyond 16 bits") << QStringLiteral("65836") << true;
}

void TestProcessorInfo::slowComputersLoseFlashOnSelect() {
    QFETCH(QString, speed);
    QFETCH(bool, flash);
    EditorFixture f;
    f.editor.ProcessorSpeedText = speed;
    ApplySpeedAdvice(f.editor);
    QCOMPARE(f.editor.options.flashOnSelect, flash);
    QVERIFY(f.dialogs.flashAdviceDialogs.isEmpty());
    // The advice only ever unticks.
    f.editor.options.flashOnSelect = false;
    ApplySpeedAdvice(f.editor);
    QVERIFY(!f.editor.options.flashOnSelect);
}

QTEST_GUILESS_MAIN(TestProcessorInfo)
#include "test_processor_info.moc"
