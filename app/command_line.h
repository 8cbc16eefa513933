#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

// What the editor window is started with: a forced preview depth and a file to open.
struct WindowArguments {
    std::optional<int> depth;
    QString file;
};
// The editor's arguments, [--depth 16|24|32] [FILE] in any order, among Qt's own options; nothing
// when the arguments ask for something else (an option that runs without a window) or are no
// command line of the program. Decided before any application object exists, so that a run
// without a window never makes a GUI application and needs no display.
std::optional<WindowArguments> WindowArgumentsOf(const QStringList& arguments);

// Runs arguments that do not start the editor window: the option without a window that they
// name, wherever it stands (--check, --starter, --render, --help, ...), on the other arguments
// less Qt's options; or the usage message when they name none. Returns the exit code.
int RunWithoutWindow(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The whole command line: the exit code of a run without a window, or nothing when the arguments
// start the editor window.
std::optional<int> RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The one-screen summary of the options, as --help prints it.
QString UsageText();
