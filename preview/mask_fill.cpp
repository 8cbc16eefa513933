#include "preview/mask_fill.h"

#include <cmath>
#include <cstring>

namespace {

// The loops below store unconditionally (the old or the new value), which lets the compiler
// turn them into vector code; a conditional store would keep them one pixel at a time.

void Fill16(const uchar* __restrict mask, uchar* __restrict target, const BitmapGeometry& g,
            quint16 word) {
    for (qint32 y = 0; y < g.height; ++y) {
        // Rows start on 2-byte boundaries, so each row is a run of 16-bit words.
        const quint16* __restrict m = reinterpret_cast<const quint16*>(mask + y * g.bytesPerRow);
        quint16* __restrict t = reinterpret_cast<quint16*>(target + y * g.bytesPerRow);
        for (qint32 x = 0; x < g.width; ++x)
            t[x] = m[x] == 0 ? word : t[x];
    }
}

void Fill24(const uchar* mask, uchar* target, const BitmapGeometry& g, uchar b, uchar gr, uchar r) {
    const qint32 padding = g.bytesPerRow - g.width * 3;
    for (qint32 y = 0; y < g.height; ++y) {
        for (qint32 x = 0; x < g.width; ++x) {
            const bool black = (mask[0] | mask[1] | mask[2]) == 0;
            target[0] = black ? b : target[0];
            target[1] = black ? gr : target[1];
            target[2] = black ? r : target[2];
            mask += 3;
            target += 3;
        }
        mask += padding;
        target += padding;
    }
}

// At 32 bits the picture is taken as one run of pixels, without row padding.
void Fill32(const uchar* __restrict mask, uchar* __restrict target, const BitmapGeometry& g,
            quint32 word) {
    const qint64 pixels = qint64(g.width) * g.height;
    const quint32* __restrict m = reinterpret_cast<const quint32*>(mask);
    quint32* __restrict t = reinterpret_cast<quint32*>(target);
    for (qint64 i = 0; i < pixels; ++i)
        t[i] = (m[i] & 0x00FFFFFF) == 0 ? word : t[i];
}

} // namespace

void MaskFill(const uchar* mask, uchar* target, const BitmapGeometry& geometry,
              ColourValue colour) {
    const quint32 r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
    switch (geometry.bitsPerPixel) {
    case 16:
        // Each channel is truncated to its bits, not rounded.
        Fill16(mask, target, geometry, quint16(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3)));
        break;
    case 24:
        Fill24(mask, target, geometry, uchar(b), uchar(g), uchar(r));
        break;
    case 32:
        Fill32(mask, target, geometry, (r << 16) | (g << 8) | b);
        break;
    default:
        break;
    }
}

ColourValue ToLcdColour(ColourValue colour) {
    const auto squeeze = [](int component, double span, int offset) {
        return int(std::lround(component * span / 255.0 + offset));
    };
    return MakeColour(squeeze(RedOf(colour), 154, 81), squeeze(GreenOf(colour), 210, 25),
                      squeeze(BlueOf(colour), 113, 95));
}
