#include "scheme/contrast_ratio.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance: each sRGB component made linear, weighted by how bright the eye sees it.
double Luminance(ColourValue c) {
    const auto linear = [](int component) {
        const double v = component / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(RedOf(c)) + 0.7152 * linear(GreenOf(c)) + 0.0722 * linear(BlueOf(c));
}

int Mix(int from, int to, int step, int steps) {
    return from + (to - from) * step / steps;
}

} // namespace

double ContrastRatio(ColourValue a, ColourValue b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColourValue ReadableOn(ColourValue colour, ColourValue background, double minimum) {
    // White stands further from a background than black exactly when the background is dark.
    const int target = ContrastRatio(background, MakeColour(255, 255, 255)) >
                               ContrastRatio(background, MakeColour(0, 0, 0))
                           ? 255
                           : 0;
    constexpr int Steps = 64;
    ColourValue mixed = colour;
    for (int step = 0; step <= Steps && ContrastRatio(mixed, background) < minimum; ++step)
        mixed = MakeColour(Mix(RedOf(colour), target, step, Steps),
                           Mix(GreenOf(colour), target, step, Steps),
                           Mix(BlueOf(colour), target, step, Steps));
    return mixed;
}
