#include "assets/palette_generator/palette_generator.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int Side = 133;
constexpr int Inner = 131; // pattern pixels 1..131; 0 and 132 are the frame

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The levels of 8-bit colour: 3 bits of red, 3 of green, 2 of blue.
constexpr std::array<int, 8> RedGreenLevels{0, 37, 73, 110, 146, 183, 219, 255};
constexpr std::array<int, 4> BlueLevels{0, 85, 170, 255};

// The frame is the pattern seen through dark grey (a multiply blend), so it always reads as a
// darker rim of whatever lies next to it.
constexpr int FrameGrey = 96;

Rgb S55CellColour(int row, int column) {
    const int i = 16 * row + column;
    return {RedGreenLevels[i / 32], RedGreenLevels[(i / 4) & 7], BlueLevels[i & 3]};
}

// The 16 cells share the 131 pattern pixels at a pitch of 132 / 16 = 8.25: cell c starts at
// pattern pixel floor(8.25 c) and its last pixel, floor(8.25 (c + 1)) - 1, is the seam to the
// next cell. The last cell's seam would fall on the frame, so every cell is 7 or 8 pixels of
// solid colour and the grid stays symmetric inside the frame.
constexpr int CellStart(int cell) {
    return cell * 33 / 4;
}

struct CellSpan {
    int cell = 0;
    bool seam = false; // the pixel blends this cell with the next one
};

CellSpan CellAt(int pattern) {
    int cell = 0;
    while (cell < 15 && CellStart(cell + 1) <= pattern)
        ++cell;
    return {cell, cell < 15 && pattern == CellStart(cell + 1) - 1};
}

// x and y count pattern pixels from 0. A seam pixel is the rounded mean of the two cells it
// separates; where two seams cross, of the four.
Rgb S55Pixel(int x, int y) {
    const CellSpan column = CellAt(x);
    const CellSpan row = CellAt(y);
    Rgb sum;
    int count = 0;
    for (int r = row.cell; r <= row.cell + (row.seam ? 1 : 0); ++r) {
        for (int c = column.cell; c <= column.cell + (column.seam ? 1 : 0); ++c) {
            const Rgb cell = S55CellColour(r, c);
            sum.red += cell.red;
            sum.green += cell.green;
            sum.blue += cell.blue;
            ++count;
        }
    }
    return {(sum.red + count / 2) / count, (sum.green + count / 2) / count,
            (sum.blue + count / 2) / count};
}

// A fully saturated colour: hue in sixths of the circle (0 = red, 1 = yellow, ... 6 = red again),
// value the largest component; the smallest is always 0.
Rgb Saturated(double sixths, int value) {
    const int sector = std::clamp(static_cast<int>(sixths), 0, 5);
    const double fraction = sixths - sector;
    const int rising = static_cast<int>(std::lround(value * fraction));
    const int falling = static_cast<int>(std::lround(value * (1.0 - fraction)));
    switch (sector) {
    case 0:
        return {value, rising, 0}; // red to yellow
    case 1:
        return {falling, value, 0}; // yellow to green
    case 2:
        return {0, value, rising}; // green to cyan
    case 3:
        return {0, falling, value}; // cyan to blue
    case 4:
        return {rising, 0, value}; // blue to magenta
    default:
        return {value, 0, falling}; // magenta to red
    }
}

// The largest component at a (possibly fractional) pattern row: 255 (131 - y) / 132, so 253 in
// the first row and 2 in the last, rounded half up.
int RowValue(double y) {
    return static_cast<int>(std::floor(255.0 * (Inner - y) / 132.0 + 0.5));
}

// x and y count pattern pixels from 0. The hue is taken at the column's centre, so the first and
// last columns sit symmetrically either side of pure red.
Rgb HueBrightnessPixel(int x, int y) {
    return Saturated((x + 0.5) * 6.0 / Inner, RowValue(y));
}

// The "256" field is the hue-by-brightness field cut into 32 hue bands by 8 brightness bands;
// each of the 256 blocks has the field's colour at its centre, so the bands keep the field's
// layout and every colour appears exactly once.
constexpr int HueBands = 32;
constexpr int BrightnessBands = 8;

Rgb Colours256Pixel(int x, int y) {
    // A pixel belongs to the band its centre falls in.
    const int hueBand = (2 * x + 1) * HueBands / (2 * Inner);
    const int brightnessBand = (2 * y + 1) * BrightnessBands / (2 * Inner);
    const double centreRow = (brightnessBand + 0.5) * Inner / BrightnessBands - 0.5;
    return Saturated((hueBand + 0.5) * 6.0 / HueBands, RowValue(centreRow));
}

Rgb PatternPixel(PaletteKind kind, int x, int y) {
    switch (kind) {
    case PaletteKind::S55:
        return S55Pixel(x, y);
    case PaletteKind::Colours256:
        return Colours256Pixel(x, y);
    case PaletteKind::HueBrightness:
        break;
    }
    return HueBrightnessPixel(x, y);
}

int Darken(int component) {
    return (component * FrameGrey + 127) / 255;
}

} // namespace

QImage DrawPalettePicture(PaletteKind kind) {
    QImage picture(Side, Side, QImage::Format_RGB888);
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            // A frame pixel takes the pattern pixel next to it (at a corner, diagonally).
            const int px = std::clamp(x - 1, 0, Inner - 1);
            const int py = std::clamp(y - 1, 0, Inner - 1);
            Rgb colour = PatternPixel(kind, px, py);
            if (x == 0 || y == 0 || x == Side - 1 || y == Side - 1)
                colour = {Darken(colour.red), Darken(colour.green), Darken(colour.blue)};
            picture.setPixel(x, y, qRgb(colour.red, colour.green, colour.blue));
        }
    }
    return picture;
}
