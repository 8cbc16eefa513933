#include "app/command_line.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    {
        // The command-line options need no display, so they run without a GUI application.
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const std::optional<int> code = RunCommandLine(arguments, out, err))
            return *code;
    }
    QTextStream(stderr) << "zef: the editor window is not available in this build; "
                        << "see 'zef --help' for what runs without it." << Qt::endl;
    return 1;
}
