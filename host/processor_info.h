#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Where the processor's identity and speed are read from. The defaults are the kernel's own
// files; tests point them at files of their own.
struct ProcessorSources {
    QString cpuinfoPath = QStringLiteral("/proc/cpuinfo");
    // The highest clock of the first processor in kHz, for machines whose cpuinfo names no
    // speed (ARM, for one).
    QString cpufreqPath = QStringLiteral("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq");
};

// What the start-up window shows about the processor.
struct ProcessorInfo {
    // Nominal speed in MHz; nothing when the system cannot be asked (shown as "x").
    std::optional<qint32> speed;
    QString name;     // from the processor level, or "None"
    QString revision; // "Model m, Stepping s", or "None"

    friend bool operator==(const ProcessorInfo&, const ProcessorInfo&) = default;
};

// The name of a processor level (the cpuinfo "cpu family"): 3 to 6 name the Intel generations,
// every other level is "None".
QString ProcessorName(int level);
// "Model " + high byte + ", Stepping " + low byte, both unsigned decimal.
QString RevisionText(quint16 revision);

// 1 when the processor source can be read, 3 when it cannot (the old query for the system's
// family, which has no second family here).
int GetPlatformKind(const ProcessorSources& sources = {});
// The speed in MHz: cpuinfo's "cpu MHz" rounded, else the cpufreq maximum, else 0; nothing when
// the platform cannot be asked at all.
std::optional<qint32> GetProcessorMHz(const ProcessorSources& sources = {});
ProcessorInfo GetProcessorInfo(const ProcessorSources& sources = {});

// The speed as the editor keeps it in processorSpeedText: the decimal number, or "x".
QString SpeedText(const ProcessorInfo& info);
