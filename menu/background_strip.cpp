#include "menu/background_strip.h"

QImage MenuBackgroundStrip() {
    QImage strip(BackgroundStripWidth, 1, QImage::Format_RGB32);
    for (int x = 0; x < BackgroundStripWidth; ++x)
        strip.setPixel(x, 0,
                       x < BackgroundStripColumn ? BackgroundStripColumnColour
                                                 : BackgroundStripFieldColour);
    return strip;
}
