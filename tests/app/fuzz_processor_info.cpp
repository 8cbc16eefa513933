// Feeds arbitrary bytes to the processor query as the kernel's cpuinfo and cpufreq files (split
// at the first NUL byte): whatever they hold, the start-up window gets a name, a revision and a
// speed it can show.
#include "host/processor_info.h"
#include "memory_folder.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder(MemoryFolderTemplate(QStringLiteral("zef-fuzz")));
    static const QRegularExpression Revision(QStringLiteral("^Model \\d+, Stepping \\d+$"));
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    ProcessorSources sources{folder.filePath(QStringLiteral("cpuinfo")),
                             folder.filePath(QStringLiteral("cpuinfo_max_freq"))};
    WriteFile(sources.cpuinfoPath, split < 0 ? input : input.left(split));
    WriteFile(sources.cpufreqPath, split < 0 ? QByteArray() : input.mid(split + 1));

    const ProcessorInfo info = GetProcessorInfo(sources);
    const bool knownName = info.name == QLatin1String("None") || info.name.startsWith("Intel ");
    const bool revisionShown =
        info.revision == QLatin1String("None") || Revision.match(info.revision).hasMatch();
    // The cpuinfo file is there, so the platform can always be asked for a speed.
    if (!knownName || !revisionShown || !info.speed || *info.speed < 0)
        std::abort();
    if (SpeedText(info) != QString::number(*info.speed))
        std::abort();
    return 0;
}
