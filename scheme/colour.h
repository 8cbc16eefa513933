#pragma once

#include <QtGlobal>

// A colour as the phone's scheme files and the whole editor hold it: red in the low byte, then
// green, then blue; the top byte is always 0.
using ColourValue = qint32;

constexpr int RedOf(ColourValue c) {
    return c & 255;
}
constexpr int GreenOf(ColourValue c) {
    return (c / 256) & 255;
}
constexpr int BlueOf(ColourValue c) {
    return c / 65536;
}

// Components above 255 count as 255.
constexpr ColourValue MakeColour(int red, int green, int blue) {
    auto clamp = [](int v) {
        return v > 255 ? 255 : v;
    };
    return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

constexpr ColourValue InverseColour(ColourValue c) {
    return 0xFFFFFF - c;
}
