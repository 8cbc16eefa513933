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
namespace Ink {
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
} // namespace Ink

// Samples per pixel side. Shapes are filled without antialiasing on this finer grid and averaged
// down, so edges that lie on the pixel grid stay sharp and only slopes and curves get
// in-between pixels.
constexpr int Samples = 4;

using Mask = std::vector<std::uint8_t>;

// One icon being drawn. Shapes are given in design units, 16 to the side at every size, so a
// description reads the same at 16 and at 32 pixels; the outline stays one pixel wide (or the
// width the canvas was made with), which is what keeps the larger pictures crisp.
class IconCanvas {
public:
    explicit IconCanvas(int size, int outline = 1)
        : size_(size), fine_(size * Samples), outline_(outline),
          pixels_(std::size_t(fine_) * fine_, 0) {}

    int size() const { return size_; }
    bool isBig() const { return size_ >= 32; }
    // A coordinate that differs by size: the first at 16 pixels, the second at 32 and above.
    double pick(double small, double big) const { return isBig() ? big : small; }
    // One pixel in design units.
    double pixel() const { return 16.0 / size_; }
    // The outline's width in pixels.
    int outlineWidth() const { return outline_; }

    // A shape filled with a colour inside its dark outline.
    void shape(const QPainterPath& path, QRgb fill, QRgb outline = Ink::Outline) {
        const Mask inside = cover(path);
        const Mask rim = rimOf(inside);
        paint(inside, fill);
        paint(rim, outline);
    }
    // Only the outline of a shape, over what is already there.
    void outline(const QPainterPath& path, QRgb outline = Ink::Outline) {
        paint(rimOf(cover(path)), outline);
    }
    // A shape filled with one colour, no outline.
    void flat(const QPainterPath& path, QRgb colour) { paint(cover(path), colour); }
    // The part of an area that lies inside a shape's outline: stripes, highlights, lines on a
    // body that has its outline already.
    void inside(const QPainterPath& shape, const QPainterPath& area, QRgb colour) {
        Mask inside = cover(shape);
        const Mask rim = rimOf(inside);
        const Mask part = cover(area);
        for (std::size_t i = 0; i < inside.size(); ++i)
            inside[i] = inside[i] && !rim[i] && part[i];
        paint(inside, colour);
    }
    // The piece of an outlined shape that lies in an area, without outlining the cut: for one
    // shape passing over another.
    void part(const QPainterPath& shape, const QPainterPath& area, QRgb fill,
              QRgb outline = Ink::Outline) {
        Mask inside = cover(shape);
        Mask rim = rimOf(inside);
        const Mask part = cover(area);
        for (std::size_t i = 0; i < inside.size(); ++i) {
            inside[i] = inside[i] && part[i];
            rim[i] = rim[i] && part[i];
        }
        paint(inside, fill);
        paint(rim, outline);
    }
    // A small bitmap: each '#' of the rows is a cell of the given side, in design units.
    void glyph(double x, double y, double cell, std::initializer_list<const char*> rows,
               QRgb colour) {
        QPainterPath path;
        double top = y;
        for (const char* row : rows) {
            for (int i = 0; row[i]; ++i)
                if (row[i] == '#')
                    path.addRect(x + i * cell, top, cell, cell);
            top += cell;
        }
        flat(path, colour);
    }

    // Turns everything drawn so far left to right. Mirroring the drawing rather than the shapes
    // keeps a pair like undo and redo exact mirror images, which the rasteriser does not promise.
    void mirror() {
        for (int y = 0; y < fine_; ++y) {
            auto row = pixels_.begin() + std::ptrdiff_t(y) * fine_;
            std::reverse(row, row + fine_);
        }
    }

    QImage picture() const;

private:
    Mask cover(const QPainterPath& path) const;
    Mask rimOf(const Mask& inside) const;
    void paint(const Mask& mask, QRgb colour) {
        for (std::size_t i = 0; i < mask.size(); ++i)
            if (mask[i])
                pixels_[i] = colour;
    }

    int size_;
    int fine_;
    int outline_;
    std::vector<QRgb> pixels_; // the fine grid; 0 is transparent
};

Mask IconCanvas::cover(const QPainterPath& path) const {
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
Mask IconCanvas::rimOf(const Mask& inside) const {
    const int reach = outline_ * Samples;
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

QImage IconCanvas::picture() const {
    QImage picture(size_, size_, QImage::Format_ARGB32);
    for (int y = 0; y < size_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < size_; ++x) {
            int count = 0, red = 0, green = 0, blue = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const QRgb p =
                        pixels_[std::size_t(y * Samples + sy) * fine_ + x * Samples + sx];
                    if (qAlpha(p) == 0)
                        continue;
                    ++count;
                    red += qRed(p);
                    green += qGreen(p);
                    blue += qBlue(p);
                }
            constexpr int All = Samples * Samples;
            line[x] = count == 0 ? 0
                                 : qRgba((red + count / 2) / count, (green + count / 2) / count,
                                         (blue + count / 2) / count, (255 * count + All / 2) / All);
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
    c.shape(PageShape(), Ink::Paper);
    c.shape(Polygon({{10, 1}, {10, 4}, {13, 4}}), Ink::PaperShade);
}

QPainterPath FloppyShape() {
    return Polygon({{1, 1}, {13, 1}, {15, 3}, {15, 15}, {1, 15}});
}

void Floppy(IconCanvas& c) {
    c.shape(FloppyShape(), Ink::Blue);
    // The metal shutter with its window, and the label.
    c.shape(Rect(4, 1, 8, 5), Ink::Grey);
    c.flat(Rect(c.pick(9, 8.5), c.pick(2, 2), c.pick(1, 1.5), c.pick(3, 3)), Ink::Slate);
    c.shape(Rect(3, 8, 10, 7), Ink::Paper);
    if (c.isBig()) {
        c.flat(Rect(5, 10, 6, 0.5), Ink::PaperShade);
        c.flat(Rect(5, 12, 6, 0.5), Ink::PaperShade);
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
    c.shape(shield, Ink::Green);
    // The lit half, then the tick.
    c.inside(shield, Rect(8, 0, 8, 16), Ink::GreenLight);
    if (c.isBig()) {
        QPainterPath tick(QPointF(5, 7.5));
        tick.lineTo(7.5, 10);
        tick.lineTo(11.5, 5);
        c.shape(Stroke(tick, 2.6), Ink::Paper);
    } else {
        // Too small for an outlined stroke: a two-pixel tick, placed by hand.
        c.glyph(5, 4, 1, {"......#", ".....##", "#...##.", "##.##..", ".###...", "..#...."},
                Ink::Paper);
    }
}

// The help badge of the two help buttons: a small round sign with a question mark, bottom right.
void HelpBadge(IconCanvas& c) {
    c.shape(Circle(12.5, 12.5, 3.5), Ink::Blue);
    if (c.isBig())
        c.glyph(10, 8 + 0.5 * 10 / 2, 0.5,
                {".####.", "##..##", "....##", "...##.", "..##..", "......", "..##.."}, Ink::Paper);
    else
        c.glyph(11, 10, 1, {"##.", "..#", ".#.", "...", ".#."}, Ink::Paper);
}

// The flags share one area: 14 x 11 pixels at 16, with an inside of 9 rows that three stripes
// share evenly; at 32 the inside is 21 rows.
QPainterPath FlagArea(const IconCanvas& c) {
    return Rect(1, 3, 14, c.pick(11, 11.5));
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
    if (c.isBig())
        c.glyph(5.5, 6, 1,
                {big[i][0], big[i][1], big[i][2], big[i][3], big[i][4], big[i][5], big[i][6]},
                Ink::BlueDark);
    else
        c.glyph(6, 7, 1, {small[i][0], small[i][1], small[i][2], small[i][3], small[i][4]},
                Ink::BlueDark);
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
    c.shape(swatch, colour);
    c.inside(swatch, Rect(0, 0, 16, c.pick(5, 5)), light);
    c.inside(swatch, Rect(0, c.pick(5, 5), 16, c.pick(1, 0.5)), colour);
}

// The menu icons, one function each.

void BlankPage(IconCanvas& c) {
    Page(c);
}

void OpenFolder(IconCanvas& c) {
    c.shape(Polygon({{1, 2}, {6, 2}, {7, 3}, {14, 3}, {14, 14}, {1, 14}}), Ink::Amber);
    c.shape(Rect(3, 5, 9, 6), Ink::Paper);
    c.shape(Polygon({{4, 7}, {16, 7}, {13, 14}, {1, 14}}), Ink::Yellow);
}

void Clock(IconCanvas& c) {
    c.shape(Circle(8, 8, 7), Ink::Blue);
    c.shape(Circle(8, 8, c.pick(5, 5.5)), Ink::Paper);
    if (c.isBig()) {
        for (int hour = 0; hour < 4; ++hour) {
            const QPointF a = OnCircle({8, 8}, 4.5, 90 * hour);
            const QPointF b = OnCircle({8, 8}, 3.75, 90 * hour);
            c.flat(Stroke(Segment(a, b), 0.5), Ink::Slate);
        }
        c.flat(Rect(7.5, 4.5, 1, 4), Ink::Outline);
        c.flat(Rect(7.5, 7.5, 3.5, 1), Ink::Outline);
    } else {
        c.flat(Rect(7, 4, 1, 4), Ink::Outline);
        c.flat(Rect(7, 7, 4, 1), Ink::Outline);
    }
}

void MobilePhone(IconCanvas& c) {
    c.shape(RoundRect(3, 1, 9, 14, c.pick(1.5, 1.75)), Ink::Slate);
    c.shape(Rect(5, 3, 5, 5), Ink::BlueLight);
    if (c.isBig()) {
        c.flat(Rect(6.5, 1.5, 2, 0.5), Ink::Outline); // the earpiece
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                c.flat(Rect(5 + 2 * column, 9.5 + 1.5 * row, 1, 1), Ink::PaperShade);
    } else {
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                c.flat(Rect(5 + 2 * column, 10 + 2 * row, 1, 1), Ink::PaperShade);
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
    const double half = c.pick(1.9, 1.9);
    c.shape(along.map(Polygon({{0, 0}, {3, -half}, {3, half}})), Ink::WoodLight);
    c.shape(along.map(Rect(2.7, -half, 7, 2 * half)), Ink::Yellow);
    if (c.isBig()) {
        c.flat(along.map(Polygon({{0, 0}, {1.2, -0.8}, {1.2, 0.8}})), Ink::Outline);
        c.shape(along.map(Rect(9.4, -half, 1.8, 2 * half)), Ink::Red);
    }
}

void ExitDoor(IconCanvas& c) {
    const QPainterPath door = Rect(2, 1, 9, 14);
    c.shape(door, Ink::Wood);
    if (c.isBig()) {
        c.shape(Rect(3.5, 2.5, 6, 5), Ink::WoodLight);
        c.shape(Rect(3.5, 8.5, 6, 5), Ink::WoodLight);
    }
    if (c.isBig())
        c.shape(Circle(5, 8.5, 0.75), Ink::Yellow);
    else
        c.flat(Rect(4, 8, 1, 1), Ink::YellowLight);
    // The way out: an arrow leaving to the right.
    c.shape(Polygon({{7, 7}, {11, 7}, {11, 4}, {15.5, 8.5}, {11, 13}, {11, 10}, {7, 10}}),
            Ink::Green);
}

void SafeScheme(IconCanvas& c) {
    Shield(c);
}

void Lightning(IconCanvas& c) {
    c.shape(BoltShape(), Ink::Yellow);
    if (c.isBig())
        c.inside(BoltShape(), Polygon({{8, 1}, {13.5, 1}, {10.5, 6}, {6, 6}}), Ink::YellowLight);
}

void Globe(IconCanvas& c) {
    const QPainterPath globe = Circle(8, 8, 7);
    c.shape(globe, Ink::BlueLight);
    const double line = c.pixel();
    QPainterPath meridian;
    meridian.addEllipse(QPointF(8, 8), 3 - line / 2, 7);
    c.inside(globe, Stroke(meridian, line), Ink::Blue);
    c.inside(globe, Rect(0, 5, 16, line), Ink::Blue);
    c.inside(globe, Rect(0, 11 - line, 16, line), Ink::Blue);
    c.outline(globe);
}

void About(IconCanvas& c) {
    c.shape(Circle(8, 8, 7), Ink::Blue);
    if (c.isBig()) {
        c.flat(Rect(7, 3.5, 2, 2), Ink::Paper);
        c.flat(Rect(7, 6.5, 2, 5.5), Ink::Paper);
        c.flat(Rect(6, 6.5, 1, 1), Ink::Paper);
        c.flat(Rect(6, 11.5, 4, 1), Ink::Paper);
    } else {
        c.flat(Rect(7, 3, 2, 2), Ink::Paper);
        c.flat(Rect(7, 6, 2, 6), Ink::Paper);
    }
}

void CzechFlag(IconCanvas& c) {
    const QPainterPath flag = FlagArea(c);
    const double bottom = flag.boundingRect().bottom();
    const double middle = c.pick(8, 8.5);
    c.flat(flag, Ink::Paper);
    c.flat(Rect(1, middle, 14, bottom - middle), Ink::Red);
    c.flat(Polygon({{1, 3}, {8, (3 + bottom) / 2}, {1, bottom}}), Ink::BlueDark);
    c.outline(flag);
}

void UnitedKingdomFlag(IconCanvas& c) {
    const QPainterPath flag = FlagArea(c);
    const QRectF r = flag.boundingRect();
    c.flat(flag, Ink::BlueDark);
    QPainterPath cross = Segment(r.topLeft(), r.bottomRight());
    cross.addPath(Segment(r.topRight(), r.bottomLeft()));
    c.inside(flag, Stroke(cross, c.pick(2.6, 2.5)), Ink::Paper);
    c.inside(flag, Stroke(cross, c.pick(1, 1)), Ink::Red);
    c.inside(flag, Rect(6, 0, 4, 16), Ink::Paper);
    c.inside(flag, Rect(0, 7, 16, c.pick(3, 3.5)), Ink::Paper);
    c.inside(flag, Rect(7, 0, 2, 16), Ink::Red);
    c.inside(flag, Rect(0, 8, 16, c.pick(1, 1.5)), Ink::Red);
    c.outline(flag);
}

void GermanFlag(IconCanvas& c) {
    const QPainterPath flag = FlagArea(c);
    const double second = 7, third = c.pick(10, 10.5);
    c.flat(flag, Ink::Black);
    c.flat(Rect(1, second, 14, third - second), Ink::Red);
    c.flat(Rect(1, third, 14, 16 - third).intersected(flag), Ink::Yellow);
    c.outline(flag);
}

void SpeechBubble(IconCanvas& c) {
    const QPainterPath bubble =
        RoundRect(1, 2, 14, 9, 2).united(Polygon({{4, 10}, {4, 14.5}, {8.5, 10}})).simplified();
    c.shape(bubble, Ink::Paper);
    if (c.isBig()) {
        c.flat(Rect(3.5, 4.5, 9, 1), Ink::Blue);
        c.flat(Rect(3.5, 7, 6, 1), Ink::Blue);
    } else {
        c.flat(Rect(4, 5, 8, 1), Ink::Blue);
        c.flat(Rect(4, 7, 5, 1), Ink::Blue);
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
    c.shape(link(1), Ink::Grey);
    c.shape(link(6), Ink::BlueLight);
    // The left link passes over the right one at the bottom.
    c.part(link(1), Rect(6, 8.5, 5, 8), Ink::Grey);
}

void BlueSwatch(IconCanvas& c) {
    ColourSwatch(c, Ink::Blue, Ink::BlueLight);
}

void RedSwatch(IconCanvas& c) {
    ColourSwatch(c, Ink::Red, Ink::RedLight);
}

void GreenSwatch(IconCanvas& c) {
    ColourSwatch(c, Ink::Green, Ink::GreenLight);
}

void Undo(IconCanvas& c) {
    c.shape(UndoShape(), Ink::Blue);
}

void Redo(IconCanvas& c) {
    Undo(c);
    c.mirror();
}

// Readability: the same letter on a light and on a dark ground, the two halves of a round sign.
void Contrast(IconCanvas& c) {
    const QPainterPath sign = Circle(8, 8, 7);
    c.shape(sign, Ink::Paper);
    c.inside(sign, Rect(8, 0, 8, 16), Ink::BlueDark);
    if (c.isBig()) {
        const auto letter = [&c](double x, QRgb colour) {
            c.glyph(
                x, 6, 0.5,
                {"..##..", ".####.", "##..##", "##..##", "######", "##..##", "##..##", "##..##"},
                colour);
        };
        letter(3.5, Ink::BlueDark);
        letter(9.5, Ink::Paper);
    } else {
        const auto letter = [&c](double x, QRgb colour) {
            c.glyph(x, 5, 1, {".#.", "#.#", "###", "#.#", "#.#"}, colour);
        };
        letter(3, Ink::BlueDark);
        letter(10, Ink::Paper);
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
        c.shape(arrow.simplified(), Ink::Green);
    }
}

void ColourWheel(IconCanvas& c) {
    const QPainterPath wheel = Circle(8, 8, 7);
    c.shape(wheel, Ink::Paper);
    const QRgb sectors[] = {Ink::Red, Ink::Yellow, Ink::Green, Ink::Teal, Ink::Blue, Ink::Purple};
    for (int i = 0; i < 6; ++i) {
        QPainterPath slice(QPointF(8, 8));
        slice.arcTo(QRectF(0, 0, 16, 16), 90 + 60 * i, 60);
        slice.closeSubpath();
        c.inside(wheel, slice, sectors[i]);
    }
    c.shape(Circle(8, 8, c.pick(2, 2.5)), Ink::Paper);
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
    const bool large = c.size() >= 48;
    c.shape(RoundRect(3, 0, 10, 16, large ? 2 : 1.5), Ink::Slate);
    const QPainterPath screen = Rect(4, 2, 8, 8);
    c.shape(screen, Ink::Blue);
    // Three even bands inside the screen's outline, split on whole pixels.
    const double pixel = c.pixel();
    const double top = 2 + c.outlineWidth() * pixel, bottom = 10 - c.outlineWidth() * pixel;
    const double band = std::round((bottom - top) / 3 / pixel) * pixel;
    c.inside(screen, Rect(0, top + band, 16, band), Ink::Red);
    c.inside(screen, Rect(0, top + 2 * band, 16, 16), Ink::Green);
    if (large) {
        c.flat(Rect(6.5, 0.75, 3, 0.5), Ink::Outline);
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                c.shape(RoundRect(4.75 + 2.5 * column, 11 + 2 * row, 1.5, 1.25, 0.4),
                        Ink::PaperShade);
    } else {
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column)
                c.flat(Rect(c.pick(5, 5.5) + 4 * column, 11 + 2 * row, c.pick(2, 1), c.pick(1, 1)),
                       Ink::PaperShade);
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

constexpr MenuDrawing MenuDrawings[] = {
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
    for (const MenuDrawing& drawing : MenuDrawings) {
        if (key == QLatin1String(drawing.key)) {
            IconCanvas canvas(size);
            drawing.draw(canvas);
            return canvas.picture();
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
    return canvas.picture();
}

QImage DrawApplicationIcon(int size) {
    if (std::find(ApplicationIconSizes.begin(), ApplicationIconSizes.end(), size) ==
        ApplicationIconSizes.end())
        return {};
    // The outline grows with the picture so the phone keeps its drawn look when large.
    IconCanvas canvas(size, std::max(1, size / 40));
    ApplicationPhone(canvas);
    return canvas.picture();
}
