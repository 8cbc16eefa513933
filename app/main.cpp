#include "app/command_line.h"
#include "app/start_up.h"
#include "assets/icons.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    // The arguments choose the one application object before it is made: the editor window's
    // QApplication, which takes Qt's own options out of argv and applies them, or for everything
    // else a QCoreApplication, which needs no display and no platform plugin.
    if (const std::optional<WindowArguments> window = WindowArgumentsOf(arguments)) {
        QApplication app(argc, argv);
        QApplication::setWindowIcon(ApplicationIcon());
        return RunEditor(*window);
    }
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunWithoutWindow(arguments, out, err);
}
