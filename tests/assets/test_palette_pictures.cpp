#include "assets/palette_generator/palette_generator.h"
#include "assets/palette_pictures.h"
#include "scheme/colour.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSide = 133;
constexpr int kRedGreen[8] = {0, 37, 73, 110, 146, 183, 219, 255};
constexpr int kBlue[4] = {0, 85, 170, 255};

struct Px {
    int r, g, b;
    int max() const { return std::max({r, g, b}); }
    int min() const { return std::min({r, g, b}); }
    int sum() const { return r + g + b; }
};

Px At(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return {qRed(p), qGreen(p), qBlue(p)};
}

ColourValue ColourAt(const QImage& image, int x, int y) {
    const Px p = At(image, x, y);
    return MakeColour(p.r, p.g, p.b);
}

// The middle of cell n of the 16 x 16 grid that fills the 131 pattern pixels inside the frame.
int CellCentre(int n) {
    return 1 + static_cast<int>((n + 0.5) * 131 / 16);
}

double Hue(Px p) {
    const double d = p.max() - p.min();
    if (d == 0)
        return 0;
    double h;
    if (p.max() == p.r)
        h = std::fmod((p.g - p.b) / d + 6, 6);
    else if (p.max() == p.g)
        h = (p.b - p.r) / d + 2;
    else
        h = (p.r - p.g) / d + 4;
    return 60 * h;
}

} // namespace

class TestPalettePictures : public QObject {
    Q_OBJECT
private slots:
    void embeddedPicturesAreTheGeneratorsOutput_data();
    void embeddedPicturesAreTheGeneratorsOutput();
    void s55CellCentresShowTheirExactColours();
    void s55SeamsBlendTheNeighbouringCells();
    void hueBrightnessRowsFollowTheBrightnessRule();
    void hueBrightnessGoesOnceRoundTheColourCircle();
    void colours256BandsTheSameField();
    void theFrameDarkensThePatternBesideIt_data();
    void theFrameDarkensThePatternBesideIt();
};

void TestPalettePictures::embeddedPicturesAreTheGeneratorsOutput_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("S55") << int(PaletteKind::S55);
    QTest::newRow("256") << int(PaletteKind::Colours256);
    QTest::newRow("16bit") << int(PaletteKind::HueBrightness);
}

void TestPalettePictures::embeddedPicturesAreTheGeneratorsOutput() {
    QFETCH(int, kind);
    const QImage embedded = PalettePicture(PaletteKind(kind));
    QCOMPARE(embedded.size(), QSize(kSide, kSide));
    QCOMPARE(embedded.format(), QImage::Format_RGB888);
    // A stale committed picture shows up here: redraw it with zef-palettegen.
    QCOMPARE(embedded, DrawPalettePicture(PaletteKind(kind)));
}

void TestPalettePictures::s55CellCentresShowTheirExactColours() {
    const QImage s55 = PalettePicture(PaletteKind::S55);
    for (int i = 0; i < 256; ++i) {
        const int x = CellCentre(i % 16), y = CellCentre(i / 16);
        const ColourValue expected =
            MakeColour(kRedGreen[i / 32], kRedGreen[(i / 4) & 7], kBlue[i & 3]);
        // A solid centre, so a click near the middle gets the cell's colour too.
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                QVERIFY2(ColourAt(s55, x + dx, y + dy) == expected, qPrintable(QString::number(i)));
    }
    QCOMPARE(ColourAt(s55, CellCentre(0), CellCentre(0)), MakeColour(0, 0, 0));
    QCOMPARE(ColourAt(s55, CellCentre(1), CellCentre(0)), ColourValue(5570560));
    QCOMPARE(ColourAt(s55, CellCentre(0), CellCentre(1)), MakeColour(0, 146, 0));
    QCOMPARE(ColourAt(s55, CellCentre(15), CellCentre(15)), ColourValue(16777215));
}

void TestPalettePictures::s55SeamsBlendTheNeighbouringCells() {
    const QImage s55 = PalettePicture(PaletteKind::S55);
    // Walks from the centre of one cell to the centre of its neighbour (across or down).
    auto checkSeam = [&](int row, int column, bool down) {
        const int x0 = CellCentre(column), y0 = CellCentre(row);
        const int steps = down ? CellCentre(row + 1) - y0 : CellCentre(column + 1) - x0;
        const Px a = At(s55, x0, y0);
        const Px b = down ? At(s55, x0, y0 + steps) : At(s55, x0 + steps, y0);
        auto between = [](int v, int p, int q) {
            return std::min(p, q) <= v && v <= std::max(p, q);
        };
        auto strictly = [](int v, int p, int q) {
            return p == q || (v != p && v != q);
        };
        int blends = 0;
        for (int s = 0; s <= steps; ++s) {
            const Px p = down ? At(s55, x0, y0 + s) : At(s55, x0 + s, y0);
            QVERIFY(between(p.r, a.r, b.r) && between(p.g, a.g, b.g) && between(p.b, a.b, b.b));
            if (strictly(p.r, a.r, b.r) && strictly(p.g, a.g, b.g) && strictly(p.b, a.b, b.b))
                ++blends;
        }
        // A thin seam: a blended pixel or two, not a gradient.
        QVERIFY2(blends >= 1 && blends <= 2,
                 qPrintable(QStringLiteral("cell %1,%2").arg(row).arg(column)));
    };
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 15; ++c) {
            checkSeam(r, c, false);
            checkSeam(c, r, true);
            if (QTest::currentTestFailed())
                return; // a failure inside the walk only leaves the walk
        }
}

void TestPalettePictures::hueBrightnessRowsFollowTheBrightnessRule() {
    const QImage field = PalettePicture(PaletteKind::HueBrightness);
    QCOMPARE(At(field, 1, 1).max(), 253);
    QCOMPARE(At(field, 70, 66).max(), 128);
    QCOMPARE(At(field, 131, 131).max(), 2);
    for (int y = 1; y <= 131; ++y) {
        const int largest = static_cast<int>(std::lround(255.0 * (132 - y) / 132));
        for (int x = 1; x <= 131; ++x) {
            QCOMPARE(At(field, x, y).max(), largest);
            QCOMPARE(At(field, x, y).min(), 0);
        }
    }
}

void TestPalettePictures::hueBrightnessGoesOnceRoundTheColourCircle() {
    const QImage field = PalettePicture(PaletteKind::HueBrightness);
    for (int y = 1; y <= 131; ++y) {
        double previous = 0;
        for (int x = 1; x <= 131; ++x) {
            double hue = Hue(At(field, x, y));
            if (x > 65 && hue < 1)
                hue = 360; // dark rows round the last columns to pure red
            QVERIFY2(hue >= previous, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            previous = hue;
            if (y == 1)
                QVERIFY(std::abs(hue - (x - 0.5) * 360 / 131) < 1);
        }
    }
    // In the brightest row: red at the left, then each named colour further right.
    const Px named[] = {{253, 0, 0}, {253, 253, 0}, {0, 253, 0}, {0, 253, 253},
                        {0, 0, 253}, {253, 0, 253}, {253, 0, 0}};
    int from = 1;
    for (const Px& n : named) {
        int x = from;
        auto near = [&](Px p) {
            return std::abs(p.r - n.r) + std::abs(p.g - n.g) + std::abs(p.b - n.b) <= 12;
        };
        while (x <= 131 && !near(At(field, x, 1)))
            ++x;
        QVERIFY(x <= 131);
        if (from == 1)
            QCOMPARE(x, 1);
        from = x + 5;
    }
}

void TestPalettePictures::colours256BandsTheSameField() {
    const QImage bands = PalettePicture(PaletteKind::Colours256);
    const QImage field = PalettePicture(PaletteKind::HueBrightness);
    QSet<ColourValue> colours;
    for (int y = 1; y <= 131; ++y)
        for (int x = 1; x <= 131; ++x) {
            colours.insert(ColourAt(bands, x, y));
            const Px p = At(bands, x, y), f = At(field, x, y);
            QCOMPARE(p.min(), 0);
            QVERIFY(std::abs(p.max() - f.max()) <= 17);
            if (f.max() >= 64) {
                const double d = std::abs(Hue(p) - Hue(f));
                QVERIFY2(std::min(d, 360 - d) <= 6.5,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    QVERIFY(colours.size() <= 256);
    QVERIFY(colours.size() >= 128);
    // Bands: every run of one colour is at least 3 pixels wide and 8 pixels tall.
    auto shortestRun = [&](bool down) {
        int shortest = 131;
        for (int line = 1; line <= 131; ++line) {
            int run = 1;
            for (int i = 2; i <= 132; ++i) {
                const bool same =
                    i <= 131 && (down ? ColourAt(bands, line, i) == ColourAt(bands, line, i - 1)
                                      : ColourAt(bands, i, line) == ColourAt(bands, i - 1, line));
                if (same) {
                    ++run;
                } else {
                    shortest = std::min(shortest, run);
                    run = 1;
                }
            }
        }
        return shortest;
    };
    QVERIFY(shortestRun(false) >= 3);
    QVERIFY(shortestRun(true) >= 8);
}

void TestPalettePictures::theFrameDarkensThePatternBesideIt_data() {
    embeddedPicturesAreTheGeneratorsOutput_data();
}

void TestPalettePictures::theFrameDarkensThePatternBesideIt() {
    QFETCH(int, kind);
    const QImage picture = PalettePicture(PaletteKind(kind));
    auto check = [&](int fx, int fy, int ix, int iy) {
        const Px f = At(picture, fx, fy), in = At(picture, ix, iy);
        const QString where = QStringLiteral("%1,%2").arg(fx).arg(fy);
        QVERIFY2(f.r <= in.r && f.g <= in.g && f.b <= in.b, qPrintable(where));
        QVERIFY2(in.sum() == 0 || f.sum() < in.sum(), qPrintable(where));
        // A blend with the pattern, not a plain dark line.
        QVERIFY2(in.max() < 128 || f.max() > 0, qPrintable(where));
    };
    for (int i = 1; i <= 131 && !QTest::currentTestFailed(); ++i) {
        check(i, 0, i, 1);
        check(i, 132, i, 131);
        check(0, i, 1, i);
        check(132, i, 131, i);
    }
    check(0, 0, 1, 1);
    check(132, 0, 131, 1);
    check(0, 132, 1, 131);
    check(132, 132, 131, 131);
}

QTEST_GUILESS_MAIN(TestPalettePictures)
#include "test_palette_pictures.moc"
