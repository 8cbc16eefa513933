#include "scheme/contrast_ratio.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The sRGB curve undone for each of the 256 component values, once: the check runs on every
// edit and would otherwise raise thousands of components to a power each time.
const std::array<double, 256>& LinearComponents() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> linear{};
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            linear[size_t(v)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return linear;
    }();
    return table;
}

} // namespace

double RelativeLuminance(int red, int green, int blue) {
    const std::array<double, 256>& linear = LinearComponents();
    return 0.2126 * linear[size_t(red)] + 0.7152 * linear[size_t(green)] +
           0.0722 * linear[size_t(blue)];
}

double RelativeLuminance(ColourValue colour) {
    return RelativeLuminance(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

double ContrastRatio(double luminance, double otherLuminance) {
    const auto [darker, lighter] = std::minmax(luminance, otherLuminance);
    return (lighter + 0.05) / (darker + 0.05);
}

double ContrastRatio(ColourValue colour, ColourValue other) {
    return ContrastRatio(RelativeLuminance(colour), RelativeLuminance(other));
}

ColourValue ReadableOn(ColourValue colour, ColourValue background, double minimum) {
    // White stands further from a background than black exactly when the background is dark.
    const int target = ContrastRatio(background, MakeColour(255, 255, 255)) >
                               ContrastRatio(background, MakeColour(0, 0, 0))
                           ? 255
                           : 0;
    const auto mix = [target](int from, int step, int steps) {
        return from + (target - from) * step / steps;
    };
    constexpr int Steps = 64;
    ColourValue mixed = colour;
    for (int step = 0; step <= Steps && ContrastRatio(mixed, background) < minimum; ++step)
        mixed = MakeColour(mix(RedOf(colour), step, Steps), mix(GreenOf(colour), step, Steps),
                           mix(BlueOf(colour), step, Steps));
    return mixed;
}
