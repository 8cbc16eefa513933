#include "host/processor_info.h"

#include <QFile>
#include <QHash>
#include <cmath>

namespace {

// cpuinfo's first block is a few kilobytes; this bounds what a broken source costs.
constexpr qint64 MaxBytes = 1024 * 1024;

// The "key : value" lines of the first processor's block. Each processor has a block of its
// own, ended by an empty line; the first one stands for the machine.
std::optional<QHash<QString, QString>> FirstProcessorBlock(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    // Read whole: the kernel reports a size of 0 for its files, so that they seem to be at
    // their end before the first line is read.
    const QByteArray text = file.read(MaxBytes);
    QHash<QString, QString> fields;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty()) {
            if (!fields.isEmpty())
                break;
            continue;
        }
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString key = line.left(colon).trimmed();
        if (!fields.contains(key))
            fields.insert(key, line.mid(colon + 1).trimmed());
    }
    return fields;
}

std::optional<int> WholeNumber(const QHash<QString, QString>& fields, const QString& key) {
    bool ok = false;
    const int value = fields.value(key).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// A speed in MHz that fits the 32-bit number it is kept in.
std::optional<qint32> RoundedMHz(double mhz) {
    if (!std::isfinite(mhz) || mhz < 0 || mhz > 2147483647.0)
        return std::nullopt;
    return qint32(std::lround(mhz));
}

std::optional<qint32> CpufreqMHz(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    bool ok = false;
    const double khz = QString::fromLatin1(file.read(64)).trimmed().toDouble(&ok);
    return ok ? RoundedMHz(khz / 1000) : std::nullopt;
}

} // namespace

QString ProcessorName(int level) {
    switch (level) {
    case 3:
        return QStringLiteral("Intel 80386");
    case 4:
        return QStringLiteral("Intel 80486");
    case 5:
        return QStringLiteral("Intel Pentium");
    case 6:
        return QStringLiteral("Intel Pentium Pro or Pentium II");
    default:
        return QStringLiteral("None");
    }
}

QString RevisionText(quint16 revision) {
    return QStringLiteral("Model %1, Stepping %2").arg(revision >> 8).arg(revision & 0xFF);
}

int GetPlatformKind(const ProcessorSources& sources) {
    QFile file(sources.cpuinfoPath);
    return file.open(QIODevice::ReadOnly) ? 1 : 3;
}

std::optional<qint32> GetProcessorMHz(const ProcessorSources& sources) {
    if (GetPlatformKind(sources) != 1)
        return std::nullopt;
    const auto fields = FirstProcessorBlock(sources.cpuinfoPath);
    if (fields && fields->contains(QStringLiteral("cpu MHz"))) {
        bool ok = false;
        const double mhz = fields->value(QStringLiteral("cpu MHz")).toDouble(&ok);
        if (ok)
            if (const auto speed = RoundedMHz(mhz))
                return speed;
    }
    return CpufreqMHz(sources.cpufreqPath).value_or(0);
}

ProcessorInfo GetProcessorInfo(const ProcessorSources& sources) {
    ProcessorInfo info;
    const auto fields =
        FirstProcessorBlock(sources.cpuinfoPath).value_or(QHash<QString, QString>());
    // A machine that reports no family has no level, and no level names no processor.
    info.name = ProcessorName(WholeNumber(fields, QStringLiteral("cpu family")).value_or(0));
    const auto model = WholeNumber(fields, QStringLiteral("model"));
    const auto stepping = WholeNumber(fields, QStringLiteral("stepping"));
    // The revision is a 16-bit number: the model in its high byte, the stepping in its low one.
    if (model && stepping)
        info.revision = RevisionText(quint16((quint32(*model) << 8) + quint32(*stepping)));
    info.speed = GetProcessorMHz(sources);
    if (info.name.isEmpty())
        info.name = QStringLiteral("None");
    if (info.revision.isEmpty())
        info.revision = QStringLiteral("None");
    return info;
}

QString SpeedText(const ProcessorInfo& info) {
    return info.speed ? QString::number(*info.speed) : QStringLiteral("x");
}
