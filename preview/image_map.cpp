#include "preview/image_map.h"

#include "preview/bitmap_geometry.h"

bool PixelInLayer(const uchar* pixel, int bitsPerPixel) {
    if (bitsPerPixel == 16) {
        // Byte-wise, so that magenta in 5-5-5 form (low byte 31) is rejected as well as the
        // 5-6-5 form (low byte 31, high byte 248).
        const uchar lo = pixel[0], hi = pixel[1];
        return lo != 31 && hi != 248 && (hi & lo) != 24;
    }
    return !(pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255);
}

void ImageMap::buildImageMap(const std::array<std::vector<PreviewLayer>, ScreenCount>& layers,
                             const std::function<void(int screen)>& progress) {
    layerMap_.assign(qsizetype(ScreenCount) * LayerSlots * ScreenWidth * ScreenHeight, 0);
    for (auto& row : layerElement_)
        row.fill(0);
    for (int i = 0; i < ScreenCount; ++i) {
        if (progress)
            progress(i);
        layerCount_[i] = int(layers[i].size());
        for (int j = 1; j <= layerCount_[i]; ++j) {
            const PreviewLayer& layer = layers[i][j - 1];
            // Overlays and inverse layers name no element under the pointer.
            layerElement_[i][j] = quint16(layer.kind == LayerKind::Element ? layer.element : 0);
            const QImage& picture = layer.picture;
            const BitmapGeometry g = GeometryOf(picture);
            const int bytesPerPixel = g.bitsPerPixel / 8;
            const uchar* bits = picture.constBits();
            for (int y = 0; y < ScreenHeight; ++y) {
                for (int x = 0; x < ScreenWidth; ++x) {
                    const uchar* pixel = bits + y * g.bytesPerRow + x * bytesPerPixel;
                    if (PixelInLayer(pixel, g.bitsPerPixel))
                        layerMap_[index(i, j, x, y)] = 1;
                }
            }
        }
    }
}
