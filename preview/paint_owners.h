#pragma once

#include "preview/image_map.h"
#include "preview/layer_paint.h"

#include <QImage>
#include <array>
#include <vector>

// Which layer paints each pixel of a screen with the scheme as it is now, found by walking the
// screen's layers in drawing order as the composition does, but writing layer numbers instead
// of colours: what lies in front of what, without painting a picture. The pixels each layer
// can paint are taken from its picture once.
class PaintOwners {
public:
    static constexpr int PixelCount = ScreenWidth * ScreenHeight;

    // The preview's layers, which must outlive this.
    explicit PaintOwners(const Preview& preview);

    struct Screen {
        // Per pixel, row by row from the top left: the number of the layer that painted it last,
        // 0 where the transparency pattern shows. Eight bytes more, so that pixels can be read
        // eight at a time up to the last.
        std::array<quint8, PixelCount + 8> layer{};
        // What each layer paints now, by layer number; number 0 is the transparency pattern,
        // which counts as artwork.
        std::array<LayerPaint, ImageMap::LayerSlots> paint{};
    };
    void compose(int screen, const PreviewInput& input, Screen& owners) const;

    // The relative luminance of a pixel of artwork: of the overlay with that layer number, or
    // of the transparency pattern for layer 0.
    double artworkLuminance(int screen, int layer, int pixel) const;

private:
    const Preview& preview_;
    // A run of pixels a layer paints, row by row; a run may go on into the next row.
    struct Run {
        quint16 start, length;
    };
    // Per screen and layer number, the pixels the layer paints when it paints at all.
    std::array<std::vector<std::vector<Run>>, ScreenCount> painted_;
    // Per screen and layer number, the overlays' pictures as 0xRRGGBB words; null for the
    // other layers.
    std::array<std::vector<QImage>, ScreenCount> artwork_;
    QImage pattern_;
};
