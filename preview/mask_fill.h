#pragma once

#include "preview/bitmap_geometry.h"
#include "scheme/colour.h"

// The pixel routine every coloured preview pixel comes from: wherever the mask is black, the
// target takes the colour. Both buffers have the given geometry, in the display's format
// (16, 24 or 32 bits per pixel); any other depth leaves the target as it is. At 32 bits the
// mask's fourth byte does not count and a painted pixel's fourth byte becomes 255, opaque.
// It runs the vector loops of the widest instruction set the processor has.
void MaskFill(const uchar* mask, uchar* target, const BitmapGeometry& geometry, ColourValue colour);

// The same with the plain loops, a pixel at a time: the reference MaskFill is held to.
void MaskFillPlain(const uchar* mask, uchar* target, const BitmapGeometry& geometry,
                   ColourValue colour);

// "LCD colors": squeezes a colour into the range the phone's display can show.
ColourValue ToLcdColour(ColourValue colour);
