#pragma once

#include <QString>

class QBoxLayout;
class QHBoxLayout;
class QLabel;

// A row for a colour swatch and its values, with the same room between its parts in every frame.
// A row put into another layout would take that layout's spacing, and a grid whose horizontal
// and vertical spacings differ gives none.
QHBoxLayout* NewValueRow();

// A caption such as "R:" and the label beside it that shows a number, named `objectName`. The
// value has no accessible name of its own, so screen readers read the number it shows, with the
// caption as its label. Both are added to a row; the value is returned.
QLabel* AddValueLabel(QBoxLayout* row, const QString& caption, const char* objectName);
