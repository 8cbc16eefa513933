#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

// The options that work without a window: --check, --starter, --help, --version (and the
// preview's --render, --thumbnail and --hit-map). Returns the exit code, or nothing when the
// arguments ask for the editor window (no option, or a file to open).
std::optional<int> RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

// What the editor window is started with: a forced preview depth and a file to open.
struct WindowArguments {
    std::optional<int> depth;
    QString file;
};
// Nothing when the arguments are not [--depth 16|24|32] [FILE].
std::optional<WindowArguments> WindowArgumentsOf(const QStringList& arguments);

// The one-screen summary of the options, as --help prints it.
QString UsageText();
