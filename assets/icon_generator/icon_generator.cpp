#include "assets/icon_generator/icon_generator.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace {

// The icons' colours: a dark slate outline and a few light/mid pairs.
namespace ink {
constexpr QRgb Outline = 0xFF2B2F3A;
constexpr QRgb Paper = 0xFFF7F8FA;
constexpr QRgb PaperShade = 0xFFD3DAE4;
constexpr QRgb Grey = 0xFF9BA6B4;
constexpr QRgb Slate = 0xFF5D6778;
constexpr QRgb Blue = 0xFF3B7DD8;
constexpr QRgb BlueLight = 0xFF9CC4F4;
constexpr QRgb BlueDark = 0xFF1F4F99;
constexpr QRgb Red = 0xFFD9453B;
constexpr QRgb RedLight = 0xFFF4A097;
constexpr QRgb Green = 0xFF3AA04A;
constexpr QRgb GreenLight = 0xFF9BD89F;
constexpr QRgb Yellow = 0xFFF5C33B;
constexpr QRgb YellowLight = 0xFFFFE39A;
constexpr QRgb Amber = 0xFFDC9A2C;
constexpr QRgb Wood = 0xFFB8773F;
constexpr QRgb WoodLight = 0xFFE2B07A;
constexpr QRgb Teal = 0xFF3BB5C0;
constexpr QRgb Purple = 0xFF9A5CCF;
constexpr QRgb Black = 0xFF22252B;
} // namespace ink

// Samples per pixel side. Shapes are filled without antialiasing on this finer grid and averaged
// down, so edges that lie on the pixel grid stay sharp and only slopes and curves get
// in-between pixels.
constexpr int kSamples = 4;

using Mask = std::vector<std::uint8_t>;

// One icon being drawn. Shapes are given in design units, 16 to the side at every size, so a
// description reads the same at 16 and at 32 pixels; the outline stays one pixel wide (or the
// width the canvas was made with), which is what keeps the larger pictures crisp.
class IconCanvas {
public:
    explicit IconCanvas(int size, int outline = 1)
        : size_(size), fine_(size * kSamples), outline_(outline),
          pixels_(std::size_t(fine_) * fine_, 0) {}

    int Size() const { return size_; }
    bool Big() const { return size_ >= 32; }
    // A coordinate that differs by size: the first at 16 pixels, the second at 32 and above.
    double Pick(double small, double big) const { return Big() ? big : small; }
    // One pixel in design units.
    double Pixel() const { return 16.0 / size_; }
    // The outline's width in pixels.
    int OutlineWidth() const { return outline_; }

    // A shape filled with a colour inside its dark outline.
    void Shape(const QPainterPath& path, QRgb fill, QRgb outline = ink::Outline) {
        const Mask inside = Cover(path);
        const Mask rim = Rim(inside);
        Paint(inside, fill);
        Paint(rim, outline);
    }
    // Only the outline of a shape, over what is already there.
    void Outline(const QPainterPath& path, QRgb outline = ink::Outline) {
        Paint(Rim(Cover(path)), outline);
    }
    // A shape filled with one colour, no outline.
    void Flat(const QPainterPath& path, QRgb colour) { Paint(Cover(path), colour); }
    // The part of an area that lies inside a shape's outline: stripes, highlights, lines on a
    // body that has its outline already.
    void Inside(const QPainterPath& shape, const QPainterPath& area, QRgb colour) {
        Mask inside = Cover(shape);
        const Mask rim = Rim(inside);
        const Mask part = Cover(area);
        for (std::size_t i = 0; i < inside.size(); ++i)
            inside[i] = inside[i] && !rim[i] && part[i];
        Paint(inside, colour);
    }
    // The piece of an outlined shape that lies in an area, without outlining the cut: for one
    // shape passing over another.
    void Part(const QPainterPath& shape, const QPainterPath& area, QRgb fill,
              QRgb outline = ink::Outline) {
        Mask inside = Cover(shape);
        Mask rim = Rim(inside);
        const Mask part = Cover(area);
        for (std::size_t i = 0; i < inside.size(); ++i) {
            inside[i] = inside[i] && part[i];
            rim[i] = rim[i] && part[i];
        }
        Paint(inside, fill);
        Paint(rim, outline);
    }
    // A small bitmap: each '#' of the rows is a cell of the given side, in design units.
    void Glyph(double x, double y, double cell, std::initializer_list<const char*> rows,
               QRgb colour) {
        QPainterPath path;
        double top = y;
        for (const char* row : rows) {
            for (int i = 0; row[i]; ++i)
                if (row[i] == '#')
                    path.addRect(x + i * cell, top, cell, cell);
            top += cell;
        }
        Flat(path, colour);
    }

    // Turns everything drawn so far left to right. Mirroring the drawing rather than the shapes
    // keeps a pair like undo and redo exact mirror images, which the rasteriser does not promise.
    void Mirror() {
        for (int y = 0; y < fine_; ++y) {
            auto row = pixels_.begin() + std::ptrdiff_t(y) * fine_;
            std::reverse(row, row + fine_);
        }
    }

    QImage Picture() const;

private:
    Mask Cover(const QPainterPath& path) const;
    Mask Rim(const Mask& inside) const;
    void Paint(const Mask& mask, QRgb colour) {
        for (std::size_t i = 0; i < mask.size(); ++i)
            if (mask[i])
                pixels_[i] = colour;
    }

    int size_;
    int fine_;
    int outline_;
    std::vector<QRgb> pixels_; // the fine grid; 0 is transparent
};

Mask IconCanvas::Cover(const QPainterPath& path) const {
    QImage image(fine_, fine_, QImage::Format_Grayscale8);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.scale(fine_ / 16.0, fine_ / 16.0);
        painter.fillPath(path, Qt::white);
    }
    Mask mask(std::size_t(fine_) * fine_);
    for (int y = 0; y < fine_; ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < fine_; ++x)
            mask[std::size_t(y) * fine_ + x] = line[x] >= 128;
    }
    return mask;
}

// The band of a shape within the outline width of its edge (round, so slopes get the same
// thickness as straight edges). The picture's border counts as edge.
Mask IconCanvas::Rim(const Mask& inside) const {
    const int reach = outline_ * kSamples;
    // Per row, how far each sample is from the nearest sample outside the shape, capped.
    std::vector<int> across(inside.size());
    for (int y = 0; y < fine_; ++y) {
        int* row = &across[std::size_t(y) * fine_];
        const std::uint8_t* in = &inside[std::size_t(y) * fine_];
        int run = 0;
        for (int x = 0; x < fine_; ++x) {
            run = in[x] ? std::min(run + 1, reach + 1) : 0;
            row[x] = run;
        }
        run = 0;
        for (int x = fine_ - 1; x >= 0; --x) {
            run = in[x] ? std::min(run + 1, reach + 1) : 0;
            row[x] = std::min(row[x], run);
        }
    }
    Mask rim(inside.size(), 0);
    const int limit = reach * reach;
    for (int y = 0; y < fine_; ++y) {
        for (int x = 0; x < fine_; ++x) {
            if (!inside[std::size_t(y) * fine_ + x])
                continue;
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy) {
                const int v = y + dy;
                const int h = (v < 0 || v >= fine_) ? 0 : across[std::size_t(v) * fine_ + x];
                near = dy * dy + h * h <= limit;
            }
            rim[std::size_t(y) * fine_ + x] = near;
        }
    }
    return rim;
}

QImage IconCanvas::Picture() const {
    QImage picture(size_, size_, QImage::Format_ARGB32);
    for (int y = 0; y < size_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < size_; ++x) {
            int count = 0, red = 0, green = 0, blue = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const QRgb p =
                        pixels_[std::size_t(y * kSamples + sy) * fine_ + x * kSamples + sx];
                    if (qAlpha(p) == 0)
                        continue;
                    ++count;
                    red += qRed(p);
                    green += qGreen(p);
                    blue += qBlue(p);
                }
            constexpr int all = kSamples * kSamples;
            line[x] = count == 0 ? 0
                                 : qRgba((red + count / 2) / count, (green + count / 2) / count,
                                         (blue + count / 2) / count, (255 * count + all / 2) / all);
        }
    }
    return picture;
}

// Path helpers, all in design units.

QPainterPath Rect(double x, double y, double width, double height) {
    QPainterPath path;
    path.addRect(x, y, width, height);
    return path;
}

QPainterPath RoundRect(double x, double y, double width, double height, double radius) {
    QPainterPath path;
    path.addRoundedRect(x, y, width, height, radius, radius);
    return path;
}

QPainterPath Circle(double cx, double cy, double radius) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), radius, radius);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A line of some width (design units) with flat ends.
QPainterPath Stroke(const QPainterPath& line, double width, Qt::PenCapStyle cap = Qt::FlatCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath Segment(QPointF a, QPointF b) {
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

// A point on a circle; angles count counter-clockwise from three o'clock, as on a clock face
// seen by the user.
QPointF OnCircle(QPointF centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

// A piece of a ring between two radii, from one angle sweeping counter-clockwise (negative:
// clockwise).
QPainterPath ArcBand(QPointF centre, double outer, double inner, double start, double sweep) {
    const QRectF out(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF in(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    QPainterPath path;
    path.arcMoveTo(out, start);
    path.arcTo(out, start, sweep);
    path.arcTo(in, start + sweep, -sweep);
    path.closeSubpath();
    return path;
}

// Shared pieces.

QPainterPath PageShape() {
    return Polygon({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}});
}

void Page(IconCanvas& c) {
    c.Shape(PageShape(), ink::Paper);
    c.Shape(Polygon({{10, 1}, {10, 4}, {13, 4}}), ink::PaperShade);
}

QPainterPath FloppyShape() {
    return Polygon({{1, 1}, {13, 1}, {15, 3}, {15, 15}, {1, 15}});
}

void Floppy(IconCanvas& c) {
    c.Shape(FloppyShape(), ink::Blue);
    // The metal shutter with its window, and the label.
    c.Shape(Rect(4, 1, 8, 5), ink::Grey);
    c.Flat(Rect(c.Pick(9, 8.5), c.Pick(2, 2), c.Pick(1, 1.5), c.Pick(3, 3)), ink::Slate);
    c.Shape(Rect(3, 8, 10, 7), ink::Paper);
    if (c.Big()) {
        c.Flat(Rect(5, 10, 6, 0.5), ink::PaperShade);
        c.Flat(Rect(5, 12, 6, 0.5), ink::PaperShade);
    }
}

QPainterPath BoltShape() {
    return Polygon({{8, 1}, {13.5, 1}, {10.5, 6}, {14, 6}, {5, 15.5}, {7, 9.5}, {3, 9.5}});
}

QPainterPath ShieldShape() {
    QPainterPath path(QPointF(2, 1));
    path.lineTo(14, 1);
    path.lineTo(14, 7);
    path.cubicTo(14, 11, 11.5, 13.5, 8, 15);
    path.cubicTo(4.5, 13.5, 2, 11, 2, 7);
    path.closeSubpath();
    return path;
}

void Shield(IconCanvas& c) {
    const QPainterPath shield = ShieldShape();
    c.Shape(shield, ink::Green);
    // The lit half, then the tick.
    c.Inside(shield, Rect(8, 0, 8, 16), ink::GreenLight);
    if (c.Big()) {
        QPainterPath tick(QPointF(5, 7.5));
        tick.lineTo(7.5, 10);
        tick.lineTo(11.5, 5);
        c.Shape(Stroke(tick, 2.6), ink::Paper);
    } else {
        // Too small for an outlined stroke: a two-pixel tick, placed by hand.
        c.Glyph(5, 4, 1, {"......#", ".....##", "#...##.", "##.##..", ".###...", "..#...."},
                ink::Paper);
    }
}

// The help badge of the two help buttons: a small round sign with a question mark, bottom right.
void HelpBadge(IconCanvas& c) {
    c.Shape(Circle(12.5, 12.5, 3.5), ink::Blue);
    if (c.Big())
        c.Glyph(10, 8 + 0.5 * 10 / 2, 0.5,
                {".####.", "##..##", "....##", "...##.", "..##..", "......", "..##.."}, ink::Paper);
    else
        c.Glyph(11, 10, 1, {"##.", "..#", ".#.", "...", ".#."}, ink::Paper);
}

// The flags share one area: 14 x 11 pixels at 16, with an inside of 9 rows that three stripes
// share evenly; at 32 the inside is 21 rows.
QPainterPath FlagArea(const IconCanvas& c) {
    return Rect(1, 3, 14, c.Pick(11, 11.5));
}

// The document of the recent files, with its number.
void NumberedPage(IconCanvas& c, int number) {
    Page(c);
    static const char* const small[5][5] = {
        {".#.", "##.", ".#.", ".#.", "###"}, {"##.", "..#", ".#.", "#..", "###"},
        {"###", "..#", ".##", "..#", "###"}, {"#.#", "#.#", "###", "..#", "..#"},
        {"###", "#..", "##.", "..#", "##."},
    };
    static const char* const big[5][7] = {
        {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "#####"},
        {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
        {"####.", "....#", "....#", ".###.", "....#", "....#", "####."},
        {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
        {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    };
    const int i = number - 1;
    if (c.Big())
        c.Glyph(5.5, 6, 1,
                {big[i][0], big[i][1], big[i][2], big[i][3], big[i][4], big[i][5], big[i][6]},
                ink::BlueDark);
    else
        c.Glyph(6, 7, 1, {small[i][0], small[i][1], small[i][2], small[i][3], small[i][4]},
                ink::BlueDark);
}

QPainterPath UndoShape() {
    // The head points left at the top; the body runs right, turns down round the right side
    // and comes back along the bottom.
    QPainterPath path = Rect(5.5, 4, 4.5, 3);
    path = path.united(ArcBand({10, 9}, 5, 2, 90, -180));
    path = path.united(Rect(6, 11, 4.5, 3));
    path = path.united(Polygon({{6, 1}, {6, 10}, {1.5, 5.5}}));
    return path.simplified();
}

void ColourSwatch(IconCanvas& c, QRgb colour, QRgb light) {
    const QPainterPath swatch = RoundRect(2, 2, 12, 12, 1.5);
    c.Shape(swatch, colour);
    c.Inside(swatch, Rect(0, 0, 16, c.Pick(5, 5)), light);
    c.Inside(swatch, Rect(0, c.Pick(5, 5), 16, c.Pick(1, 0.5)), colour);
}

// The menu icons, one function each.

void BlankPage(IconCanvas& c) {
    Page(c);
}

void OpenFolder(IconCanvas& c) {
    c.Shape(Polygon({{1, 2}, {6, 2}, {7, 3}, {14, 3}, {14, 14}, {1, 14}}), ink::Amber);
    c.Shape(Rect(3, 5, 9, 6), ink::Paper);
    c.Shape(Polygon({{4, 7}, {16, 7}, {13, 14}, {1, 14}}), ink::Yellow);
}

void Clock(IconCanvas& c) {
    c.Shape(Circle(8, 8, 7), ink::Blue);
    c.Shape(Circle(8, 8, c.Pick(5, 5.5)), ink::Paper);
    if (c.Big()) {
        for (int hour = 0; hour < 4; ++hour) {
            const QPointF a = OnCircle({8, 8}, 4.5, 90 * hour);
            const QPointF b = OnCircle({8, 8}, 3.75, 90 * hour);
            c.Flat(Stroke(Segment(a, b), 0.5), ink::Slate);
        }
        c.Flat(Rect(7.5, 4.5, 1, 4), ink::Outline);
        c.Flat(Rect(7.5, 7.5, 3.5, 1), ink::Outline);
    } else {
        c.Flat(Rect(7, 4, 1, 4), ink::Outline);
        c.Flat(Rect(7, 7, 4, 1), ink::Outline);
    }
}

void MobilePhone(IconCanvas& c) {
    c.Shape(RoundRect(3, 1, 9, 14, c.Pick(1.5, 1.75)), ink::Slate);
    c.Shape(Rect(5, 3, 5, 5), ink::BlueLight);
    if (c.Big()) {
        c.Flat(Rect(6.5, 1.5, 2, 0.5), ink::Outline); // the earpiece
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                c.Flat(Rect(5 + 2 * column, 9.5 + 1.5 * row, 1, 1), ink::PaperShade);
    } else {
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                c.Flat(Rect(5 + 2 * column, 10 + 2 * row, 1, 1), ink::PaperShade);
    }
}

void Save(IconCanvas& c) {
    Floppy(c);
}

void SaveAs(IconCanvas& c) {
    Floppy(c);
    // A pen lying across the bottom right, its tip to the lower left.
    QTransform along;
    along.translate(6.5, 15);
    along.rotate(-45);
    const double half = c.Pick(1.9, 1.9);
    c.Shape(along.map(Polygon({{0, 0}, {3, -half}, {3, half}})), ink::WoodLight);
    c.Shape(along.map(Rect(2.7, -half, 7, 2 * half)), ink::Yellow);
    if (c.Big()) {
        c.Flat(along.map(Polygon({{0, 0}, {1.2, -0.8}, {1.2, 0.8}})), ink::Outline);
        c.Shape(along.map(Rect(9.4, -half, 1.8, 2 * half)), ink::Red);
    }
}

void ExitDoor(IconCanvas& c) {
    const QPainterPath door = Rect(2, 1, 9, 14);
    c.Shape(door, ink::Wood);
    if (c.Big()) {
        c.Shape(Rect(3.5, 2.5, 6, 5), ink::WoodLight);
        c.Shape(Rect(3.5, 8.5, 6, 5), ink::WoodLight);
    }
    if (c.Big())
        c.Shape(Circle(5, 8.5, 0.75), ink::Yellow);
    else
        c.Flat(Rect(4, 8, 1, 1), ink::YellowLight);
    // The way out: an arrow leaving to the right.
    c.Shape(Polygon({{7, 7}, {11, 7}, {11, 4}, {15.5, 8.5}, {11, 13}, {11, 10}, {7, 10}}),
            ink::Green);
}

void SafeScheme(IconCanvas& c) {
    Shield(c);
}

void Lightning(IconCanvas& c) {
    c.Shape(BoltShape(), ink::Yellow);
    if (c.Big())
        c.Inside(BoltShape(), Polygon({{8, 1}, {13.5, 1}, {10.5, 6}, {6, 6}}), ink::YellowLight);
}

void Globe(IconCanvas& c) {
    const QPainterPath globe = Circle(8, 8, 7);
    c.Shape(globe, ink::BlueLight);
    const double line = c.Pixel();
    QPainterPath meridian;
    meridian.addEllipse(QPointF(8, 8), 3 - line / 2, 7);
    c.Inside(globe, Stroke(meridian, line), ink::Blue);
    c.Inside(globe, Rect(0, 5, 16, line), ink::Blue);
    c.Inside(globe, Rect(0, 11 - line, 16, line), ink::Blue);
    c.Outline(globe);
}

void About(IconCanvas& c) {
    c.Shape(Circle(8, 8, 7), ink::Blue);
    if (c.Big()) {
        c.Flat(Rect(7, 3.5, 2, 2), ink::Paper);
        c.Flat(Rect(7, 6.5, 2, 5.5), ink::Paper);
        c.Flat(Rect(6, 6.5, 1, 1), ink::Paper);
        c.Flat(Rect(6, 11.5, 4, 1), ink::Paper);
    } else {
        c.Flat(Rect(7, 3, 2, 2), ink::Paper);
        c.Flat(Rect(7, 6, 2, 6), ink::Paper);
    }
}

void CzechFlag(IconCanvas& c) {
    const QPainterPath flag = FlagArea(c);
    const double bottom = flag.boundingRect().bottom();
    const double middle = c.Pick(8, 8.5);
    c.Flat(flag, ink::Paper);
    c.Flat(Rect(1, middle, 14, bottom - middle), ink::Red);
    c.Flat(Polygon({{1, 3}, {8, (3 + bottom) / 2}, {1, bottom}}), ink::BlueDark);
    c.Outline(flag);
}

void UnitedKingdomFlag(IconCanvas& c) {
    const QPainterPath flag = FlagArea(c);
    const QRectF r = flag.boundingRect();
    c.Flat(flag, ink::BlueDark);
    QPainterPath cross = Segment(r.topLeft(), r.bottomRight());
    cross.addPath(Segment(r.topRight(), r.bottomLeft()));
    c.Inside(flag, Stroke(cross, c.Pick(2.6, 2.5)), ink::Paper);
    c.Inside(flag, Stroke(cross, c.Pick(1, 1)), ink::Red);
    c.Inside(flag, Rect(6, 0, 4, 16), ink::Paper);
    c.Inside(flag, Rect(0, 7, 16, c.Pick(3, 3.5)), ink::Paper);
    c.Inside(flag, Rect(7, 0, 2, 16), ink::Red);
    c.Inside(flag, Rect(0, 8, 16, c.Pick(1, 1.5)), ink::Red);
    c.Outline(flag);
}

void GermanFlag(IconCanvas& c) {
    const QPainterPath flag = FlagArea(c);
    const double second = 7, third = c.Pick(10, 10.5);
    c.Flat(flag, ink::Black);
    c.Flat(Rect(1, second, 14, third - second), ink::Red);
    c.Flat(Rect(1, third, 14, 16 - third).intersected(flag), ink::Yellow);
    c.Outline(flag);
}

void SpeechBubble(IconCanvas& c) {
    const QPainterPath bubble =
        RoundRect(1, 2, 14, 9, 2).united(Polygon({{4, 10}, {4, 14.5}, {8.5, 10}})).simplified();
    c.Shape(bubble, ink::Paper);
    if (c.Big()) {
        c.Flat(Rect(3.5, 4.5, 9, 1), ink::Blue);
        c.Flat(Rect(3.5, 7, 6, 1), ink::Blue);
    } else {
        c.Flat(Rect(4, 5, 8, 1), ink::Blue);
        c.Flat(Rect(4, 7, 5, 1), ink::Blue);
    }
}

void ChainLink(IconCanvas& c) {
    // Two oval links side by side, the right one hooked through the left.
    auto link = [](double x) {
        QPainterPath ring = RoundRect(x, 5, 9, 7, 3.5);
        ring.addRoundedRect(x + 3, 8, 3, 1, 0.5, 0.5);
        ring.setFillRule(Qt::OddEvenFill);
        return ring;
    };
    c.Shape(link(1), ink::Grey);
    c.Shape(link(6), ink::BlueLight);
    // The left link passes over the right one at the bottom.
    c.Part(link(1), Rect(6, 8.5, 5, 8), ink::Grey);
}

void BlueSwatch(IconCanvas& c) {
    ColourSwatch(c, ink::Blue, ink::BlueLight);
}

void RedSwatch(IconCanvas& c) {
    ColourSwatch(c, ink::Red, ink::RedLight);
}

void GreenSwatch(IconCanvas& c) {
    ColourSwatch(c, ink::Green, ink::GreenLight);
}

void Undo(IconCanvas& c) {
    c.Shape(UndoShape(), ink::Blue);
}

void Redo(IconCanvas& c) {
    Undo(c);
    c.Mirror();
}

// Readability: the same letter on a light and on a dark ground, the two halves of a round sign.
void Contrast(IconCanvas& c) {
    const QPainterPath sign = Circle(8, 8, 7);
    c.Shape(sign, ink::Paper);
    c.Inside(sign, Rect(8, 0, 8, 16), ink::BlueDark);
    if (c.Big()) {
        const auto letter = [&c](double x, QRgb colour) {
            c.Glyph(
                x, 6, 0.5,
                {"..##..", ".####.", "##..##", "##..##", "######", "##..##", "##..##", "##..##"},
                colour);
        };
        letter(3.5, ink::BlueDark);
        letter(9.5, ink::Paper);
    } else {
        const auto letter = [&c](double x, QRgb colour) {
            c.Glyph(x, 5, 1, {".#.", "#.#", "###", "#.#", "#.#"}, colour);
        };
        letter(3, ink::BlueDark);
        letter(10, ink::Paper);
    }
}

// The button icons.

void RefreshArrows(IconCanvas& c) {
    // Two arrows chasing each other round a circle.
    const QPointF centre(8, 8);
    const double outer = 6.5, inner = 3.5, middle = (outer + inner) / 2;
    for (double start : {30.0, 210.0}) {
        const double end = start + 130;
        QPainterPath arrow = ArcBand(centre, outer, inner, start, 130);
        arrow = arrow.united(QPainterPath(
            Polygon({OnCircle(centre, outer + 2, end - 1), OnCircle(centre, inner - 2, end - 1),
                     OnCircle(centre, middle, end + 45)})));
        c.Shape(arrow.simplified(), ink::Green);
    }
}

void ColourWheel(IconCanvas& c) {
    const QPainterPath wheel = Circle(8, 8, 7);
    c.Shape(wheel, ink::Paper);
    const QRgb sectors[] = {ink::Red, ink::Yellow, ink::Green, ink::Teal, ink::Blue, ink::Purple};
    for (int i = 0; i < 6; ++i) {
        QPainterPath slice(QPointF(8, 8));
        slice.arcTo(QRectF(0, 0, 16, 16), 90 + 60 * i, 60);
        slice.closeSubpath();
        c.Inside(wheel, slice, sectors[i]);
    }
    c.Shape(Circle(8, 8, c.Pick(2, 2.5)), ink::Paper);
}

void FlashHelp(IconCanvas& c) {
    Lightning(c);
    HelpBadge(c);
}

void SafeSchemeHelp(IconCanvas& c) {
    Shield(c);
    HelpBadge(c);
}

// The application icon: the phone with a colour scheme on its screen. Larger pictures get a
// thicker outline and the phone's keys.
void ApplicationPhone(IconCanvas& c) {
    const bool large = c.Size() >= 48;
    c.Shape(RoundRect(3, 0, 10, 16, large ? 2 : 1.5), ink::Slate);
    const QPainterPath screen = Rect(4, 2, 8, 8);
    c.Shape(screen, ink::Blue);
    // Three even bands inside the screen's outline, split on whole pixels.
    const double pixel = c.Pixel();
    const double top = 2 + c.OutlineWidth() * pixel, bottom = 10 - c.OutlineWidth() * pixel;
    const double band = std::round((bottom - top) / 3 / pixel) * pixel;
    c.Inside(screen, Rect(0, top + band, 16, band), ink::Red);
    c.Inside(screen, Rect(0, top + 2 * band, 16, 16), ink::Green);
    if (large) {
        c.Flat(Rect(6.5, 0.75, 3, 0.5), ink::Outline);
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                c.Shape(RoundRect(4.75 + 2.5 * column, 11 + 2 * row, 1.5, 1.25, 0.4),
                        ink::PaperShade);
    } else {
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column)
                c.Flat(Rect(c.Pick(5, 5.5) + 4 * column, 11 + 2 * row, c.Pick(2, 1), c.Pick(1, 1)),
                       ink::PaperShade);
    }
}

struct MenuDrawing {
    const char* key;
    void (*draw)(IconCanvas&);
};

void Recent1(IconCanvas& c) {
    NumberedPage(c, 1);
}
void Recent2(IconCanvas& c) {
    NumberedPage(c, 2);
}
void Recent3(IconCanvas& c) {
    NumberedPage(c, 3);
}
void Recent4(IconCanvas& c) {
    NumberedPage(c, 4);
}
void Recent5(IconCanvas& c) {
    NumberedPage(c, 5);
}

constexpr MenuDrawing kMenuDrawings[] = {
    {"mnuNovyIco", BlankPage},
    {"mnuOtevritIco", OpenFolder},
    {"mnuOtevritPosledniIco", Clock},
    {"mnuMobilExplorerIco", MobilePhone},
    {"mnuUlozitIco", Save},
    {"mnuSaveAsIco", SaveAs},
    {"mnuKonecIco", ExitDoor},
    {"mnuSecureIco", SafeScheme},
    {"mnuFlashIco", Lightning},
    {"mnuLinksIco", Globe},
    {"mnuAboutIco", About},
    {"mnuCzechIco", CzechFlag},
    {"mnuEnglishIco", UnitedKingdomFlag},
    {"mnuDeutschIco", GermanFlag},
    {"mnuLanguageIco", SpeechBubble},
    {"mnuAsoIco", ChainLink},
    {"mnuBlueIco", BlueSwatch},
    {"mnuRedIco", RedSwatch},
    {"mnuGreenIco", GreenSwatch},
    {"mnuRecent1Ico", Recent1},
    {"mnuRecent2Ico", Recent2},
    {"mnuRecent3Ico", Recent3},
    {"mnuRecent4Ico", Recent4},
    {"mnuRecent5Ico", Recent5},
    {"mnuUndoIco", Undo},
    {"mnuRedoIco", Redo},
    {"mnuReadabilityIco", Contrast},
};

bool IsSmallSize(int size) {
    return std::find(SmallIconSizes.begin(), SmallIconSizes.end(), size) != SmallIconSizes.end();
}

} // namespace

QImage DrawMenuIcon(const QString& key, int size) {
    if (!IsSmallSize(size))
        return {};
    for (const MenuDrawing& drawing : kMenuDrawings) {
        if (key == QLatin1String(drawing.key)) {
            IconCanvas canvas(size);
            drawing.draw(canvas);
            return canvas.Picture();
        }
    }
    return {};
}

QImage DrawButtonIcon(ButtonIcon which, int size) {
    if (!IsSmallSize(size))
        return {};
    IconCanvas canvas(size);
    switch (which) {
    case ButtonIcon::Refresh:
        RefreshArrows(canvas);
        break;
    case ButtonIcon::MixColour:
        ColourWheel(canvas);
        break;
    case ButtonIcon::FlashHelp:
        FlashHelp(canvas);
        break;
    case ButtonIcon::SafeSchemeHelp:
        SafeSchemeHelp(canvas);
        break;
    }
    return canvas.Picture();
}

QImage DrawApplicationIcon(int size) {
    if (std::find(ApplicationIconSizes.begin(), ApplicationIconSizes.end(), size) ==
        ApplicationIconSizes.end())
        return {};
    // The outline grows with the picture so the phone keeps its drawn look when large.
    IconCanvas canvas(size, std::max(1, size / 40));
    ApplicationPhone(canvas);
    return canvas.Picture();
}
