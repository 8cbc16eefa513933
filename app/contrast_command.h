#pragma once

#include <QStringList>
#include <QTextStream>

// zef --contrast FILE [--lcd] [--language L]: the weak pairs of a scheme, one a line, weakest
// first. arguments: those after --contrast. Exit code 0 with no weak pair, 1 with one, 2 for
// arguments it does not take or a file that is no readable scheme.
int RunContrast(const QStringList& arguments, QTextStream& out, QTextStream& err);
