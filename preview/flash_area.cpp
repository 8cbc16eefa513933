#include "preview/flash_area.h"

#include "preview/screen_layers.h"

namespace {

// A pixel as a colour value, without the byte the display format may keep beside it.
QRgb ColourOf(const QImage& picture, int x, int y) {
    return picture.pixel(x, y) & 0xFFFFFF;
}

bool CoveredByLaterLayer(const ImageMap& map, int screen, int layer, int x, int y) {
    for (int m = layer + 1; m <= map.layerCount(screen); ++m) {
        if (map.layerMap(screen, m, x, y))
            return true;
    }
    return false;
}

} // namespace

FlashArea FindFlashArea(const QImage& picture, const ImageMap& map, int screen, int layer,
                        QPoint clicked) {
    FlashArea area;
    area.colour = ColourOf(picture, clicked.x(), clicked.y());
    for (int x = 0; x < ScreenWidth; ++x) {
        for (int y = 0; y < ScreenHeight; ++y) {
            if (!map.layerMap(screen, layer, x, y) || ColourOf(picture, x, y) != area.colour)
                continue;
            if (!CoveredByLaterLayer(map, screen, layer, x, y))
                area.pixels.append(QPoint(x, y));
        }
    }
    return area;
}

void InvertFlashArea(QImage& picture, const FlashArea& area) {
    // Opaque, as every shown pixel: at 32 bits the fourth byte is the opacity where windows are
    // composed with alpha. (QImage::setPixel makes it 255 in Format_RGB32 anyway.)
    const QRgb inverse = 0xFF000000 | (0xFFFFFF - area.colour);
    for (const QPoint& pixel : area.pixels)
        picture.setPixel(pixel, inverse);
}
