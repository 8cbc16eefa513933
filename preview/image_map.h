#pragma once

#include "preview/preview_layer.h"
#include "preview/screen_layers.h"

#include <QtGlobal>
#include <array>
#include <functional>
#include <vector>

// Which layer covers each pixel of each screen, and which element each layer belongs to, so
// that pointing at the preview costs a few table look-ups and no pixel reading. Built once from
// the layer pictures; it does not depend on the scheme.
class ImageMap {
public:
    // Layer numbers run from 1, as in the screens' layer lists; 0 is never a layer.
    static constexpr int LayerSlots = MaxLayersPerScreen + 1;

    // layers: each screen's layers, pictures in the display's format. progress runs with each
    // screen's number before that screen is mapped.
    void buildImageMap(const std::array<std::vector<PreviewLayer>, ScreenCount>& layers,
                       const std::function<void(int screen)>& progress = {});

    // 1 where the layer's picture covers the pixel, else 0.
    quint16 layerMap(int screen, int layer, int x, int y) const {
        return layerMap_[index(screen, layer, x, y)];
    }
    // The element of an element layer, 0 for every other layer.
    quint16 layerElement(int screen, int layer) const { return layerElement_[screen][layer]; }
    int layerCount(int screen) const { return layerCount_[screen]; }

    // The topmost layer that covers the pixel, 0 when none does.
    int topmostLayer(int screen, int x, int y) const {
        for (int k = layerCount_[screen]; k >= 1; --k) {
            if (layerMap_[index(screen, k, x, y)])
                return k;
        }
        return 0;
    }

private:
    static qsizetype index(int screen, int layer, int x, int y) {
        return ((qsizetype(screen) * LayerSlots + layer) * ScreenHeight + y) * ScreenWidth + x;
    }

    std::vector<quint16> layerMap_;
    std::array<std::array<quint16, LayerSlots>, ScreenCount> layerElement_{};
    std::array<int, ScreenCount> layerCount_{};
};

// Whether a pixel, in the display's format, belongs to its layer: it does unless it is the
// magenta that marks "not in this layer".
bool PixelInLayer(const uchar* pixel, int bitsPerPixel);
