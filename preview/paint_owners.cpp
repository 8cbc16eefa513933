#include "preview/paint_owners.h"

#include "scheme/contrast_ratio.h"

#include <cstring>

namespace {

// The colour of a pixel of a Format_RGB32 picture, without its fourth byte.
QRgb PixelOf(const QImage& picture, int pixel) {
    return reinterpret_cast<const QRgb*>(picture.constBits())[pixel] & 0xFFFFFF;
}

} // namespace

PaintOwners::PaintOwners(const Preview& preview)
    : preview_(preview), pattern_(TransparencyPattern(QImage::Format_RGB32)) {
    for (int i = 0; i < ScreenCount; ++i) {
        const std::vector<PreviewLayer>& layers = preview.layers(i);
        painted_[i].resize(layers.size() + 1);
        artwork_[i].resize(layers.size() + 1);
        for (size_t j = 1; j <= layers.size(); ++j) {
            const PreviewLayer& layer = layers[j - 1];
            // In the display's format converted back, a mask pixel is black exactly where the
            // pixel routine finds it black, and an overlay pixel magenta exactly where the
            // overlay copy leaves the screen alone: 5-6-5 keeps both colours and no other
            // becomes either.
            const QImage picture = layer.picture.convertToFormat(QImage::Format_RGB32);
            const bool overlay =
                layer.kind == LayerKind::Overlay || layer.kind == LayerKind::ConditionalOverlay;
            std::vector<Run>& runs = painted_[i][j];
            for (int p = 0; p < PixelCount; ++p) {
                const QRgb colour = PixelOf(picture, p);
                if (!(overlay ? colour != 0xFF00FF : colour == 0))
                    continue;
                if (!runs.empty() && runs.back().start + runs.back().length == p)
                    ++runs.back().length;
                else
                    runs.push_back({quint16(p), 1});
            }
            if (overlay)
                artwork_[i][j] = picture;
        }
    }
}

void PaintOwners::compose(int screen, const PreviewInput& input, Screen& owners) const {
    const std::vector<PreviewLayer>& layers = preview_.layers(screen);
    owners.layer.fill(0);
    owners.paint[0] = {LayerPaint::Artwork};
    for (size_t j = 1; j <= layers.size(); ++j) {
        owners.paint[j] = PaintOf(layers[j - 1], input);
        if (owners.paint[j].kind == LayerPaint::Nothing)
            continue;
        for (const Run& run : painted_[screen][j])
            std::memset(owners.layer.data() + run.start, int(j), run.length);
    }
}

double PaintOwners::artworkLuminance(int screen, int layer, int pixel) const {
    const QRgb colour = PixelOf(layer == 0 ? pattern_ : artwork_[screen][size_t(layer)], pixel);
    return RelativeLuminance(qRed(colour), qGreen(colour), qBlue(colour));
}
