#include "preview/layer_paint.h"

#include "preview/mask_fill.h"

LayerPaint PaintOf(const PreviewLayer& layer, const PreviewInput& input) {
    const SchemeDocument& doc = input.document;
    const int n = layer.element;
    switch (layer.kind) {
    case LayerKind::Element:
    case LayerKind::Inverse:
        // A layer whose element is transparent draws nothing.
        if (!input.ticks[n - 1])
            return {LayerPaint::Nothing, n};
        return {LayerPaint::Colour, n,
                layer.kind == LayerKind::Inverse ? InverseColour(doc.elementColour[n])
                                                 : doc.elementColour[n]};
    case LayerKind::ConditionalOverlay:
        // It follows the opacity of the last open, creation or save, not the tick.
        return {doc.elementOpacity[n] == 100 ? LayerPaint::Artwork : LayerPaint::Nothing, n};
    case LayerKind::Overlay:
        break;
    }
    return {LayerPaint::Artwork};
}

ColourValue PaintedColour(ColourValue colour, const PreviewInput& input) {
    return input.lcdColours ? ToLcdColour(colour) : colour;
}
