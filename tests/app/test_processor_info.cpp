#include "app/flash_advice.h"
#include "app/processor_info.h"
#include "editor_fixture.h"

#include <QTest>

class TestProcessorInfo : public QObject {
    Q_OBJECT
private slots:
    void levelsNameTheIntelGenerations_data();
    void levelsNameTheIntelGenerations();
    void machinesAreReadFromTheirFirstProcessor_data();
    void machinesAreReadFromTheirFirstProcessor();
    void theRunningMachineIsRead();
    void theSpeedAdvisesAndStandsOnTheGauge_data();
    void theSpeedAdvisesAndStandsOnTheGauge();
};

void TestProcessorInfo::levelsNameTheIntelGenerations_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::newRow("2") << 2 << "None";
    QTest::newRow("3") << 3 << "Intel 80386";
    QTest::newRow("4") << 4 << "Intel 80486";
    QTest::newRow("7") << 7 << "None";
}

void TestProcessorInfo::levelsNameTheIntelGenerations() {
    QFETCH(int, level);
    QFETCH(QString, name);
    QCOMPARE(ProcessorName(level), name);
}

void TestProcessorInfo::machinesAreReadFromTheirFirstProcessor_data() {
    // A machine of the fuzzer's corpus: cpuinfo, then after a NUL byte, if any, cpufreq's
    // maximum clock in kHz.
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("revision");
    QTest::addColumn<QString>("speed");
    QTest::newRow("Intel, the second processor slower") << "x86"
                                                        << "Intel Pentium Pro or Pentium II"
                                                        << "Model 85, Stepping 7"
                                                        << "2993";
    QTest::newRow("AMD, cpuinfo before cpufreq") << "amd"
                                                 << "None"
                                                 << "Model 113, Stepping 0"
                                                 << "2200";
    QTest::newRow("ARM, cpufreq") << "arm"
                                  << "None"
                                  << "None"
                                  << "1800";
    QTest::newRow("ARM without cpufreq") << "arm-without-cpufreq"
                                         << "None"
                                         << "None"
                                         << "0";
    QTest::newRow("ARM, broken cpufreq") << "arm-broken-cpufreq"
                                         << "None"
                                         << "None"
                                         << "0";
    QTest::newRow("hidden clock, cpufreq") << "hidden-clock"
                                           << "Intel Pentium"
                                           << "Model 2, Stepping 9"
                                           << "233";
    QTest::newRow("Pentium") << "pentium"
                             << "Intel Pentium"
                             << "Model 2, Stepping 12"
                             << "133";
    QTest::newRow("empty cpuinfo") << "empty"
                                   << "None"
                                   << "None"
                                   << "0";
    // No cpuinfo: the platform cannot be asked at all.
    QTest::newRow("missing cpuinfo") << ""
                                     << "None"
                                     << "None"
                                     << "x";
}

void TestProcessorInfo::machinesAreReadFromTheirFirstProcessor() {
    QFETCH(QString, machine);
    QFETCH(QString, name);
    QFETCH(QString, revision);
    QFETCH(QString, speed);
    EditorFixture f;
    const ProcessorSources sources{f.path(QStringLiteral("cpuinfo")),
                                   f.path(QStringLiteral("cpuinfo_max_freq"))};
    if (!machine.isEmpty()) {
        QFile file(QFINDTESTDATA("fuzz_corpus/cpuinfo/" + machine));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> parts = file.readAll().split('\0');
        f.writeFile(QStringLiteral("cpuinfo"), parts[0]);
        if (parts.size() > 1)
            f.writeFile(QStringLiteral("cpuinfo_max_freq"), parts[1]);
    }
    QCOMPARE(GetPlatformKind(sources), machine.isEmpty() ? 3 : 1);
    const ProcessorInfo info = ReadProcessorData(f.editor, sources);
    QCOMPARE(info.name, name);
    QCOMPARE(info.revision, revision);
    QCOMPARE(SpeedText(info), speed);
    QCOMPARE(f.editor.ProcessorSpeedText, speed);
}

void TestProcessorInfo::theRunningMachineIsRead() {
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (!cpuinfo.open(QIODevice::ReadOnly))
        QSKIP("this machine has no readable /proc/cpuinfo");
    const QByteArray text = cpuinfo.read(1024 * 1024);
    QCOMPARE(GetPlatformKind(), 1);
    // The kernel's file reports a size of 0; what it names must still be read.
    const ProcessorInfo info = GetProcessorInfo();
    QVERIFY(info.speed.has_value());
    if (text.contains("\ncpu MHz"))
        QVERIFY(*info.speed > 0);
    if (text.contains("\nmodel\t") && text.contains("\nstepping"))
        QVERIFY(info.revision.startsWith(QStringLiteral("Model ")));
}

void TestProcessorInfo::theSpeedAdvisesAndStandsOnTheGauge_data() {
    QTest::addColumn<QString>("speed");
    QTest::addColumn<bool>("flash"); // Flash on Select after the advice
    QTest::addColumn<int>("gauge");  // -1: empty
    QTest::newRow("unknown") << "x" << true << -1;
    QTest::newRow("none read") << "0" << false << 0;
    QTest::newRow("300") << "300" << false << 300;
    QTest::newRow("301") << "301" << true << 301;
    QTest::newRow("three quarters") << "2992" << true << 2992;
    QTest::newRow("the end") << "4000" << true << 4000;
    QTest::newRow("off the gauge") << "4500" << true << -1;
    QTest::newRow("beyond 16 bits") << "65836" << true << -1;
}

void TestProcessorInfo::theSpeedAdvisesAndStandsOnTheGauge() {
    QFETCH(QString, speed);
    QFETCH(bool, flash);
    QFETCH(int, gauge);
    EditorFixture f;
    f.editor.ProcessorSpeedText = speed;
    ApplySpeedAdvice(f.editor);
    QCOMPARE(f.editor.options.flashOnSelect, flash);
    const FlashAdvice advice = FlashAdviceFor(f.editor);
    QCOMPARE(advice.speed, speed + QStringLiteral(" MHz"));
    QCOMPARE(advice.gauge, gauge < 0 ? std::nullopt : std::optional<int>(gauge));
    // The advice only ever unticks, and never shows the dialog.
    f.editor.options.flashOnSelect = false;
    ApplySpeedAdvice(f.editor);
    QVERIFY(!f.editor.options.flashOnSelect && f.dialogs.flashAdviceDialogs.isEmpty());
}

QTEST_GUILESS_MAIN(TestProcessorInfo)
#include "test_processor_info.moc"
