#pragma once

#include "assets/palette_kind.h"

#include <QImage>

// Draws a palette picture from its description: 133 x 133 pixels, Format_RGB888, a one-pixel
// frame around a 131 x 131 pattern.
QImage DrawPalettePicture(PaletteKind kind);
