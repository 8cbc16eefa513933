#pragma once

#include <QString>

class QBoxLayout;
class QLabel;

// A caption such as "R:" and the label beside it that shows a number, named `objectName`; the
// caption names the value for screen readers. Both are added to a row; the value is returned.
QLabel* AddValueLabel(QBoxLayout* row, const QString& caption, const char* objectName);
