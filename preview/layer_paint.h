#pragma once

#include "preview/preview.h"

// What one layer puts on its screen with the scheme as it is now: nothing (its element is
// transparent, or the conditional overlay's element was not painted when last read or saved),
// the colour of an element (an inverse layer the inverse of it), or its own artwork.
struct LayerPaint {
    enum Kind { Nothing, Colour, Artwork };
    Kind kind = Nothing;
    // The layer's element: the one it paints, inverts or follows; 0 for a plain overlay.
    int element = 0;
    // For Colour: the element's colour, inverted for an inverse layer, not yet mapped to the
    // LCD's colours.
    ColourValue colour = 0;
};
LayerPaint PaintOf(const PreviewLayer& layer, const PreviewInput& input);

// A colour as it appears on the screens: mapped to the LCD's colours while "LCD colors" is on.
ColourValue PaintedColour(ColourValue colour, const PreviewInput& input);
