#pragma once

#include <QColor>
#include <QPalette>
#include <optional>

class QWidget;

// Keeps a colour of a widget readable against another colour of its palette, on every desktop:
// `adjusted` takes `start` (or the colour the desktop gives that role), moved toward white or
// black only as far as a contrast of 4.5:1 as drawn (and a margin) with `against` needs; again
// whenever the desktop's palette changes.
//
//     KeepReadable(warningLabel, QPalette::WindowText, QPalette::Window, QColor(160, 0, 0));
void KeepReadable(QWidget* widget, QPalette::ColorRole adjusted, QPalette::ColorRole against,
                  std::optional<QColor> start = std::nullopt);
