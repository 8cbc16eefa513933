#include "assets/palette_pictures.h"

#include <QString>

QImage PalettePicture(PaletteKind kind) {
    // PNG loads as 32-bit; the palettes are read pixel by pixel as 24-bit colour.
    const QImage picture(QStringLiteral(":/palettes/") + QLatin1String(PaletteFileName(kind)));
    return picture.convertToFormat(QImage::Format_RGB888);
}
