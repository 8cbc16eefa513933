#pragma once

#include <QImage>

// What a layer of a preview screen is: an element's mask, painted in its colour; an inverse
// layer, a mask painted in the inverse of its element's colour; an overlay, artwork of its own
// colours; or the conditional overlay, artwork shown only while its element is painted.
enum class LayerKind { Element, Inverse, Overlay, ConditionalOverlay };

// One layer of a preview screen. picture: 101 x 80, magenta where the pixel is not in the layer.
// element: the element the layer paints, inverts or follows (1 to 60); 0 for an overlay.
struct PreviewLayer {
    QImage picture;
    LayerKind kind = LayerKind::Overlay;
    int element = 0;
};
