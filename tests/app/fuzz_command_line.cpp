// Feeds arbitrary command lines (one argument per line of the input) to the options that work
// without a window: whatever the arguments, the result is an exit code of 0, 1 or 2, or the
// editor window with arguments it can take; and a Qt option in front changes nothing.
#include "app/command_line.h"
#include "test_files.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    static int run = 0;
    if (run++ % 1000 == 0) {
        // A fresh folder now and then, holding one scheme for the options that read one.
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        QDir::setCurrent(folder.path());
        const QByteArray scheme = SchemeFileBytes("Fuzz");
        if (Contents(WriteFile(QStringLiteral("a.col"), scheme)) != scheme)
            std::abort();
    }
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList arguments = line.split(QLatin1Char('\n'));
    // Every file the options read or write stays inside the fuzzer's folder: no argument may name
    // another. --associate and --unassociate change the desktop's file types, so they are left out.
    static const QRegularExpression outside(QStringLiteral("/|^\\.\\.|^--(un)?associate"));
    if (arguments.size() > 12 || !arguments.filter(outside).isEmpty())
        return 0;

    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const std::optional<int> code = RunCommandLine(arguments, out, err);
    const std::optional<WindowArguments> window = WindowArgumentsOf(arguments);
    if (!code) {
        // The window starts with one of the arguments as its file and a depth it can paint in.
        if (!window || (!window->file.isEmpty() && !arguments.contains(window->file)) ||
            (window->depth && !QList<int>{16, 24, 32}.contains(*window->depth)))
            std::abort();
    } else if (*code < 0 || *code > 2 || (*code == 2 && errText.isEmpty())) {
        std::abort();
    }
    const auto reversed = WindowArgumentsOf(QStringList{QStringLiteral("-reverse")} + arguments);
    if (window ? !reversed || reversed->file != window->file || reversed->depth != window->depth
               : bool(reversed))
        std::abort();
    return 0;
}
