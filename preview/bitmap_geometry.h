#pragma once

#include <QImage>
#include <optional>

// What the pixel routine needs to know of a picture's raw pixels.
struct BitmapGeometry {
    qint32 width = 0;
    qint32 height = 0;
    qint32 bytesPerRow = 0;
    quint16 bitsPerPixel = 0;

    friend bool operator==(const BitmapGeometry&, const BitmapGeometry&) = default;
};

inline BitmapGeometry GeometryOf(const QImage& image) {
    return {image.width(), image.height(), qint32(image.bytesPerLine()), quint16(image.depth())};
}

// The picture format of a display depth: 16 bits is 5-6-5, 24 bits the bytes blue, green, red,
// 32 bits blue, green, red and a fourth byte, which a shown pixel has at 255 (Qt takes it as the
// opacity where windows are composed with alpha). Nothing for another depth.
std::optional<QImage::Format> DisplayFormat(int depth);
