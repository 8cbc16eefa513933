#pragma once

#include "assets/palette_kind.h"

#include <QImage>

// The palette picture of a tab as the program embeds it: 133 x 133 pixels, Format_RGB888.
QImage PalettePicture(PaletteKind kind);
