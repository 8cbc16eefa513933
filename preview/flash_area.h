#pragma once

#include "preview/image_map.h"

#include <QImage>
#include <QList>
#include <QPoint>

// The pixels a click on a screen flashes: those of the clicked layer's area that show the
// clicked pixel's colour and that no later layer covers; and that colour.
struct FlashArea {
    QList<QPoint> pixels;
    QRgb colour = 0;
};
FlashArea FindFlashArea(const QImage& picture, const ImageMap& map, int screen, int layer,
                        QPoint clicked);

// Shows the area in the complementary colour: each of red, green and blue becomes 255 minus
// itself, whatever the byte order.
void InvertFlashArea(QImage& picture, const FlashArea& area);
