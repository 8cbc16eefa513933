#pragma once

#include "assets/generator/pixel_font.h"

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

// The colours a layer picture is drawn in.
namespace Art {
// Pixels outside the layer.
constexpr QRgb Clear = 0xFFFF00FF;
// Pixels the element paints in its colour (and the bar or text an inverse layer inverts).
constexpr QRgb Ink = 0xFF000000;
// Pixels that belong to an element only when pointed at; they are never painted.
constexpr QRgb HitOnly = 0xFF808080;

constexpr int Width = 101;
constexpr int Height = 80;
} // namespace Art

// One layer picture being drawn: 101 x 80, everything outside the layer magenta. Drawing outside
// the picture is cut off silently, so the descriptions may run shapes up to the edges.
class Canvas {
public:
    Canvas();

    void dot(int x, int y, QRgb colour = Art::Ink);
    void fill(int x, int y, int width, int height, QRgb colour = Art::Ink);
    void fillAll(QRgb colour = Art::Ink) { fill(0, 0, Art::Width, Art::Height, colour); }
    void hLine(int x0, int x1, int y, QRgb colour = Art::Ink);
    void vLine(int x, int y0, int y1, QRgb colour = Art::Ink);
    // A one-pixel rectangle outline of width x height pixels with its top-left corner at (x, y).
    void frame(int x, int y, int width, int height, QRgb colour = Art::Ink);
    // Draws text with its capitals' top-left corner at (x, top); returns the text's width.
    int text(int x, int top, QStringView text, const PixelFont& font, QRgb colour = Art::Ink);
    // Copies every non-clear pixel of another canvas.
    void add(const Canvas& other);

    bool covers(int x, int y) const;
    // Every pixel that is not in this layer but touches one of its pixels, side or corner.
    Canvas ring(QRgb colour) const;

    const QImage& picture() const { return image_; }
    // Characters the texts on this canvas used that their font lacks.
    const QString& missingGlyphs() const { return missing_; }

private:
    QImage image_;
    QString missing_;
};

// A small picture written as text rows: each character names a pen in the legend, '.' and ' '
// leave the pixel alone. Used for icons and for symbols shared out over several element layers.
struct Pen {
    Canvas* canvas;
    QRgb colour = Art::Ink;
};
using PictureRows = std::vector<const char*>;
using Legend = std::vector<std::pair<char, Pen>>;
void Stamp(int x, int y, const PictureRows& rows, const Legend& legend);
