#include "preview/preview.h"

#include "preview/display_depth.h"
#include "preview/layer_paint.h"
#include "preview/mask_fill.h"

#include <cstring>

namespace {

// Overlays are copied with magenta as the transparent colour.
template <int BytesPerPixel>
void CopyWithoutMagenta(const QImage& from, QImage& to, const uchar* magenta) {
    const int width = from.width();
    for (int y = 0; y < from.height(); ++y) {
        const uchar* source = from.constScanLine(y);
        uchar* target = to.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (std::memcmp(source, magenta, BytesPerPixel) != 0)
                std::memcpy(target, source, BytesPerPixel);
            source += BytesPerPixel;
            target += BytesPerPixel;
        }
    }
}

QImage::Format FormatForDepth(int depth) {
    if (const std::optional<QImage::Format> format = DisplayFormat(depth))
        return *format;
    // A display the preview cannot paint on keeps its own small depth, which the first paint
    // refuses; a deeper one the preview does not know is painted as 32 bits.
    return depth < MinimumDisplayDepth ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
}

} // namespace

QImage TransparencyPattern(QImage::Format format) {
    QImage pattern(ScreenWidth, ScreenHeight, QImage::Format_RGB32);
    for (int y = 0; y < ScreenHeight; ++y) {
        for (int x = 0; x < ScreenWidth; ++x) {
            const bool grey = ((x / 8) + (y / 8)) % 2 == 0;
            pattern.setPixel(x, y, grey ? qRgb(204, 204, 204) : qRgb(255, 255, 255));
        }
    }
    return pattern.convertToFormat(format);
}

namespace {
std::array<std::vector<PreviewLayer>, ScreenCount> BuiltInLayers() {
    std::array<std::vector<PreviewLayer>, ScreenCount> layers;
    for (int i = 0; i < ScreenCount; ++i)
        layers[i] = LoadScreenLayers(i);
    return layers;
}
} // namespace

Preview::Preview(int depth, const std::function<void(int screen)>& mapProgress)
    : Preview(depth, BuiltInLayers(), mapProgress) {}

Preview::Preview(int depth, std::array<std::vector<PreviewLayer>, ScreenCount> layers,
                 const std::function<void(int screen)>& mapProgress)
    : depth_(depth), format_(FormatForDepth(depth)), layers_(std::move(layers)) {
    transparencyPattern_ = TransparencyPattern(format_);
    magenta_ = QImage(1, 1, QImage::Format_RGB32);
    magenta_.fill(qRgb(255, 0, 255));
    magenta_ = magenta_.convertToFormat(format_);
    for (int i = 0; i < ScreenCount; ++i) {
        screens_[i] = transparencyPattern_.copy();
        // Converted once here, so that a redraw only tests and stores pixels.
        for (PreviewLayer& layer : layers_[i])
            layer.picture = layer.picture.convertToFormat(format_);
    }
    maskPicture = QImage(ScreenWidth, ScreenHeight, format_);
    maskPicture.fill(QColor(255, 0, 255));
    imageMap_.buildImageMap(layers_, mapProgress);
    showInZoomView(0);
}

void Preview::showInZoomView(int screen) {
    zoomView = screens_[screen];
}

void Preview::fail(PreviewFailure failure) {
    ended_ = true;
    if (failed)
        failed(failure);
}

void Preview::paintElementMask(int screen, ColourValue colour, bool lcdColours) {
    if (ended_)
        return;
    QImage& target = screens_[screen];
    const BitmapGeometry geometry = GeometryOf(target);
    if (geometry.bitsPerPixel < MinimumDisplayDepth) {
        fail(PreviewFailure::DisplayTooShallow);
        return;
    }
    if (lcdColours)
        colour = ToLcdColour(colour);
    if (GeometryOf(maskPicture) != geometry) {
        fail(PreviewFailure::MismatchedPictures);
        return;
    }
    MaskFill(maskPicture.constBits(), target.bits(), geometry, colour);
}

void Preview::copyOverlay(int screen) {
    QImage& target = screens_[screen];
    const uchar* magenta = magenta_.constBits();
    switch (target.depth()) {
    case 16:
        CopyWithoutMagenta<2>(maskPicture, target, magenta);
        break;
    case 24:
        CopyWithoutMagenta<3>(maskPicture, target, magenta);
        break;
    case 32:
        CopyWithoutMagenta<4>(maskPicture, target, magenta);
        break;
    default:
        break; // a display the preview cannot paint on has stopped the preview before this
    }
}

void Preview::composeScreen(const PreviewInput& input, int i) {
    std::memcpy(screens_[i].bits(), transparencyPattern_.constBits(),
                transparencyPattern_.sizeInBytes());
    for (const PreviewLayer& layer : layers_[i]) {
        maskPicture = layer.picture;
        const LayerPaint paint = PaintOf(layer, input);
        if (paint.kind == LayerPaint::Colour)
            paintElementMask(i, paint.colour, input.lcdColours);
        else if (paint.kind == LayerPaint::Artwork)
            copyOverlay(i);
        if (ended_)
            return;
    }
}

void Preview::redraw(RedrawTarget what, const PreviewInput& input) {
    if (ended_)
        return;
    std::array<bool, ScreenCount> marked{};
    const bool all = what.isAll();
    if (!all) {
        if (!input.autoRedraw)
            return;
        for (int i = 0; i < ScreenCount; ++i) {
            for (const PreviewLayer& layer : layers_[i])
                marked[i] = marked[i] ||
                            (layer.kind == LayerKind::Element && layer.element == what.element());
        }
    }
    for (int i = 0; i < ScreenCount; ++i) {
        if (all || marked[i])
            composeScreen(input, i);
        if (ended_)
            return;
    }
    showInZoomView(zoomScreen);
}
