#pragma once

#include "scheme/colour.h"

// How far two colours stand apart to the eye, by the WCAG 2 formula: each colour's relative
// luminance (its sRGB components made linear, weighted for the eye's sensitivity), then
// (lighter + 0.05) / (darker + 0.05), from 1:1 for equal colours to 21:1 for black on white.

// Text that does not reach this ratio to what lies behind it is hard to read on a small display.
constexpr double ReadableContrast = 3.0;

// 0 for black to 1 for white.
double RelativeLuminance(int red, int green, int blue);
double RelativeLuminance(ColourValue colour);

// The same whichever of the two is given first.
double ContrastRatio(double luminance, double otherLuminance);
double ContrastRatio(ColourValue colour, ColourValue other);

// `colour` itself when it stands at least `minimum` apart from `background`; otherwise the
// nearest mix of it toward white (on a dark background) or black (on a light one) that does.
ColourValue ReadableOn(ColourValue colour, ColourValue background, double minimum);
