#pragma once

#include "scheme/colour.h"

// How far two colours stand apart for the eye, as the web's accessibility guidelines measure it:
// from 1 (the same luminance) to 21 (black and white), whichever colour comes first.
double ContrastRatio(ColourValue a, ColourValue b);

// `colour` itself when it stands at least `minimum` apart from `background`; otherwise the
// nearest mix of it toward white (on a dark background) or black (on a light one) that does.
ColourValue ReadableOn(ColourValue colour, ColourValue background, double minimum);
