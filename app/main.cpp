#include "app/command_line.h"
#include "app/start_up.h"
#include "assets/icons.h"

#include <QApplication>
#include <QTextStream>

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

    QApplication app(argc, argv);
    QApplication::setWindowIcon(ApplicationIcon());
    return RunEditor(*WindowArgumentsOf(arguments));
}
