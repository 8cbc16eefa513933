#include "preview/mask_fill.h"

#include "preview/mask_fill_kernels.h"

#include <cmath>

namespace {

// The colour in the display's three formats, encoded once per call.
struct Encoded {
    quint16 word16; // 5-6-5, each channel truncated to its bits, not rounded
    uchar bgr[3];   // 24 bits: blue, green, red
    quint32 word32; // 32 bits: 0xFFRRGGBB
};

// At 32 bits the fourth byte is 255: Qt reads it as the pixel's opacity where the windows are
// composed with alpha (Wayland), and a zero there would show the painted pixel as empty. It is
// part of the colour word, so every loop stores it with the colour and none pays for it.
Encoded Encode(ColourValue colour) {
    const quint32 r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
    return {quint16(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3)),
            {uchar(b), uchar(g), uchar(r)},
            0xFF000000 | (r << 16) | (g << 8) | b};
}

// The loops of one kind, one per depth.
struct FillLoops {
    void (*fill16)(const PixelBuffers&, quint16);
    void (*fill24)(const PixelBuffers&, const uchar*);
    void (*fill32)(const PixelBuffers&, quint32);
};

void FillWith(const FillLoops& loops, const uchar* mask, uchar* target,
              const BitmapGeometry& geometry, ColourValue colour) {
    if (geometry.width <= 0 || geometry.height <= 0)
        return;
    const Encoded encoded = Encode(colour);
    const PixelBuffers pictures{mask, target, geometry.width, geometry.height,
                                geometry.bytesPerRow};
    switch (geometry.bitsPerPixel) {
    case 16:
        return loops.fill16(pictures, encoded.word16);
    case 24:
        return loops.fill24(pictures, encoded.bgr);
    case 32:
        return loops.fill32(pictures, encoded.word32);
    default:
        return;
    }
}

} // namespace

void MaskFill(const uchar* mask, uchar* target, const BitmapGeometry& geometry,
              ColourValue colour) {
    FillWith({Fill16Vector, Fill24Vector, Fill32Vector}, mask, target, geometry, colour);
}

void MaskFillPlain(const uchar* mask, uchar* target, const BitmapGeometry& geometry,
                   ColourValue colour) {
    FillWith({Fill16Plain, Fill24Plain, Fill32Plain}, mask, target, geometry, colour);
}

ColourValue ToLcdColour(ColourValue colour) {
    const auto squeeze = [](int component, double span, int offset) {
        return int(std::lround(component * span / 255.0 + offset));
    };
    return MakeColour(squeeze(RedOf(colour), 154, 81), squeeze(GreenOf(colour), 210, 25),
                      squeeze(BlueOf(colour), 113, 95));
}
