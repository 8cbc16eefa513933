#include "preview/layer_paint.h"

#include "preview/mask_fill.h"

LayerPaint PaintOf(const PreviewLayer& layer, const PreviewInput& input) {
    const SchemeDocument& doc = input.document;
    QStringView key = layer.key;
    QStringView inverseElement;
    if (key.startsWith(u"neg")) {
        inverseElement = key.mid(3);
        key = {};
    }
    const bool overlay = layer.tag.isEmpty();
    if (!overlay) {
        const int n = layer.tag.toInt();
        if (input.ticks[n - 1])
            return {LayerPaint::Colour, n, doc.elementColour[n]};
        // A tagged layer whose element is transparent draws nothing.
        return {LayerPaint::Nothing, n};
    }
    if (!inverseElement.isEmpty()) {
        const int n = inverseElement.toInt();
        if (input.ticks[n - 1])
            return {LayerPaint::Colour, n, InverseColour(doc.elementColour[n])};
        return {LayerPaint::Nothing, n};
    }
    if (key.isEmpty())
        return {LayerPaint::Artwork};
    // A conditional overlay follows the opacity of the last open, creation or save, not the tick.
    const int n = key.mid(1).toInt();
    return {doc.elementOpacity[n] == 100 ? LayerPaint::Artwork : LayerPaint::Nothing, n};
}

ColourValue PaintedColour(ColourValue colour, const PreviewInput& input) {
    return input.lcdColours ? ToLcdColour(colour) : colour;
}
