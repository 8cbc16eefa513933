#pragma once

#include <QStringList>

// The arguments without the options that every Qt program takes (-style, -platform, -reverse,
// -qwindowgeometry, ...) and their values, wherever they stand: what is left once QApplication
// has read its own. Known before any application object exists, so that the program can choose
// which one to make.
QStringList WithoutQtOptions(const QStringList& arguments);
