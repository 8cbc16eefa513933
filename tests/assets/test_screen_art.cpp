// The screen generator: its pictures are the committed ones, its fonts draw what the screens
// need, and the layers fit together the way the phone draws them.
#include "assets/generator/pixel_font.h"
#include "assets/generator/screen_art.h"
#include "preview/screen_layers.h"

#include <QRect>
#include <QTest>

#include <functional>

namespace {

constexpr QRgb Magenta = 0xFFFF00FF;
constexpr QRgb Black = 0xFF000000;

bool In(const QImage& picture, int x, int y) {
    return x >= 0 && y >= 0 && x < picture.width() && y < picture.height() &&
           (picture.pixel(x, y) | 0xFF000000) != Magenta;
}

bool Inked(const QImage& picture, int x, int y) {
    return In(picture, x, y) && (picture.pixel(x, y) | 0xFF000000) == Black;
}

using PixelTest = std::function<bool(const QImage&, int, int)>;

QRect Bounds(const QImage& picture, const PixelTest& test = In) {
    QRect bounds;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (test(picture, x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// The first layer of a screen with that label ("17", "ovl", "neg2", "2*").
QImage Layer(int screen, const QString& label) {
    for (const ArtLayer& layer : DrawScreen(screen)) {
        if (layer.label == label) {
            return layer.picture;
        }
    }
    return {};
}

// Pixels of inner that are not covered by outer.
int Outside(const QImage& inner, const QImage& outer) {
    int count = 0;
    for (int y = 0; y < inner.height(); ++y) {
        for (int x = 0; x < inner.width(); ++x) {
            count += In(inner, x, y) && !In(outer, x, y);
        }
    }
    return count;
}

int Overlap(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += In(a, x, y) && In(b, x, y);
        }
    }
    return count;
}

bool TouchesAny(const QImage& picture, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if ((dx || dy) && In(picture, x + dx, y + dy)) {
                return true;
            }
        }
    }
    return false;
}

// Every pixel around shape that shape does not cover is covered by ring, and ring holds
// nothing else: ring is exactly shape's one-pixel outline.
void VerifyOutline(const QImage& shape, const QImage& ring) {
    QVERIFY(Bounds(shape).isValid());
    for (int y = 0; y < shape.height(); ++y) {
        for (int x = 0; x < shape.width(); ++x) {
            if (In(shape, x, y)) {
                QVERIFY2(!In(ring, x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            } else {
                QCOMPARE(In(ring, x, y), TouchesAny(shape, x, y));
            }
        }
    }
}

int InkHeight(const PixelFont& font, QStringView text) {
    int top = 1000, bottom = -1;
    font.Draw(text, 0, 0, [&](int, int y) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    });
    return bottom - top + 1;
}

} // namespace

class TestScreenArt : public QObject {
    Q_OBJECT
private slots:
    void generatorDrawsTheCommittedPictures();
    void fontsDrawThePhonesTexts();
    void standbyOutlinesEncloseTheirTexts();
    void framesSurroundWhatTheySelect();
    void textsLieOnTheirBackgrounds();
    void nothingIsCutAtTheEdges();
};

void TestScreenArt::generatorDrawsTheCommittedPictures() {
    QVERIFY(DrawScreen(-1).empty());
    QVERIFY(DrawScreen(ArtScreenCount).empty());
    QCOMPARE(LayerFileName(3, 7), QStringLiteral("screen3/layer07.png"));
    for (int screen = 0; screen < ArtScreenCount; ++screen) {
        const std::vector<ArtLayer> drawn = DrawScreen(screen);
        const std::vector<PreviewLayer> committed = LoadScreenLayers(screen);
        QCOMPARE(int(drawn.size()), int(committed.size()));
        // The generator labels its layers as the layer table lists them.
        QStringList labels;
        for (const ArtLayer& layer : drawn) {
            labels << layer.label;
        }
        QCOMPARE(labels.join(QStringLiteral(", ")), ScreenLayerList(screen).toString());
        for (int j = 0; j < int(drawn.size()); ++j) {
            const QByteArray where = qPrintable(LayerFileName(screen, j + 1));
            QVERIFY2(drawn[j].missingGlyphs.isEmpty(), where);
            // Regenerate with zef-artgen when this fails after a change to the descriptions.
            QVERIFY2(drawn[j].picture == committed[j].picture, where);
        }
    }
}

void TestScreenArt::fontsDrawThePhonesTexts() {
    const PixelFont& small = SmallFont();
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        QVERIFY(small.Has(QChar(c)));
        QVERIFY(small.Has(QChar(c + 32)));
    }
    for (char16_t c = u'0'; c <= u'9'; ++c) {
        QVERIFY(small.Has(QChar(c)));
        QVERIFY(LargeFont().Has(QChar(c)));
    }
    QCOMPARE(small.Missing(u"Menu \u00e9\u00e9~"), QStringLiteral("\u00e9~"));
    // Capitals and digits 7 high, descenders 2 more, "Messages" about 40 pixels wide.
    QCOMPARE(InkHeight(small, u"HMW0123456789"), 7);
    QCOMPARE(InkHeight(small, u"Hgjpqy"), 9);
    QVERIFY(small.Width(u"Messages") >= 36 && small.Width(u"Messages") <= 44);
    // One empty column between letters.
    QCOMPARE(small.Width(u"HH"), 2 * small.Width(u"H") + 1);
    QCOMPARE(small.Width(u""), 0);
    QCOMPARE(InkHeight(LargeFont(), u"12:45"), 12);
    QCOMPARE(InkHeight(LargeFont(), u"Tesmira"), 12);
    QCOMPARE(InkHeight(TinyFont(), u"0123456789MTWFS"), 5);
    // Bold: every stroke of the large digits is at least two pixels wide.
    int thinRuns = 0;
    for (int y = 0; y < 12; ++y) {
        QImage row(LargeFont().Width(u"0123456789") + 2, 1, QImage::Format_RGB32);
        row.fill(Magenta);
        LargeFont().Draw(u"0123456789", 1, -y, [&](int x, int py) {
            if (py == 0) {
                row.setPixel(x, 0, Black);
            }
        });
        for (int x = 1; x + 1 < row.width(); ++x) {
            thinRuns += Inked(row, x, 0) && !Inked(row, x - 1, 0) && !Inked(row, x + 1, 0);
        }
    }
    QCOMPARE(thinRuns, 0);
}

void TestScreenArt::standbyOutlinesEncloseTheirTexts() {
    // The provider name's outline (24) is the one-pixel edge of its letters (23).
    VerifyOutline(Layer(0, QStringLiteral("23")), Layer(0, QStringLiteral("24")));
    // Date and time (1) sit inside the hit-only outline of element 2.
    VerifyOutline(Layer(0, QStringLiteral("1")), Layer(0, QStringLiteral("2*")));
    // The name runs across the middle, centred; date and time below it, above the soft keys.
    const QRect name = Bounds(Layer(0, QStringLiteral("24")));
    const QRect clock = Bounds(Layer(0, QStringLiteral("2*")));
    QVERIFY(qAbs(name.left() - (100 - name.right())) <= 1);
    QVERIFY(name.top() > 9 && name.bottom() < clock.top());
    QVERIFY(clock.bottom() < 68);
    QVERIFY(name.width() > 50);
}

void TestScreenArt::framesSurroundWhatTheySelect() {
    // Main menu: the frame (18) is a closed rectangle around an icon, its shadow (19) to the
    // right and below.
    const QImage frame = Layer(1, QStringLiteral("18"));
    const QRect box = Bounds(frame);
    for (int x = box.left(); x <= box.right(); ++x) {
        QVERIFY(In(frame, x, box.top()) && In(frame, x, box.bottom()));
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QVERIFY(In(frame, box.left(), y) && In(frame, box.right(), y));
    }
    const QRect inside = box.adjusted(1, 1, -1, -1);
    const auto within = [&](const QImage& p, int x, int y) {
        return inside.contains(x, y) && In(p, x, y);
    };
    QVERIFY(!Bounds(frame, within).isValid());
    QVERIFY(Bounds(Layer(1, QStringLiteral("ovl")), within).width() >= 10);
    const QRect shadow = Bounds(Layer(1, QStringLiteral("19")));
    QCOMPARE(shadow.right(), box.right() + 1);
    QCOMPARE(shadow.bottom(), box.bottom() + 1);

    // List menus: the bar (17) fills the frame's inside and the selected text (16) is on it;
    // the other rows' texts (20) are off it.
    for (int screen : {2, 4}) {
        const QRect frameBox = Bounds(Layer(screen, QStringLiteral("18")));
        QCOMPARE(Bounds(Layer(screen, QStringLiteral("17"))), frameBox.adjusted(1, 1, -1, -1));
        QCOMPARE(Outside(Layer(screen, QStringLiteral("16")), Layer(screen, QStringLiteral("17"))),
                 0);
        QVERIFY(!Bounds(Layer(screen, QStringLiteral("20")), [&](const QImage& p, int x, int y) {
                     return frameBox.contains(x, y) && In(p, x, y);
                 }).isValid());
    }
    // The calendar's frame (18) runs round today's cell, in the gaps of the grid: its inside is
    // one whole cell with its date.
    const QImage today = Layer(7, QStringLiteral("18"));
    const QImage cells = Layer(7, QStringLiteral("46"));
    QCOMPARE(Overlap(today, cells), 0);
    const QRect cell = Bounds(today).adjusted(1, 1, -1, -1);
    QCOMPARE(Bounds(cells, [&](const QImage& p, int x,
                               int y) { return cell.contains(x, y) && In(p, x, y); }),
             cell);
    QVERIFY(Bounds(Layer(7, QStringLiteral("52"))).intersects(cell));
}

void TestScreenArt::textsLieOnTheirBackgrounds() {
    struct OnTop {
        int screen;
        const char* text;
        const char* background;
    };
    const OnTop pairs[] = {
        {0, "6", "7"},   {1, "3", "4"},        {1, "5", "4"},        {1, "6", "7"},
        {2, "3", "4"},   {2, "6", "7"},        {3, "32", "33"},      {3, "36", "37"},
        {3, "30", "31"}, {3, "6", "7"},        {4, "5", "4"},        {5, "30", "31"},
        {5, "3", "4"},   {5, "neg57", "neg2"}, {6, "neg13", "neg2"}, {6, "neg44", "neg2"},
        {7, "3", "4"},   {9, "neg57", "neg2"}, {9, "25", "26"},      {2, "28", "29"},
        {6, "28", "29"},
    };
    for (const OnTop& pair : pairs) {
        const QImage text = Layer(pair.screen, QLatin1String(pair.text));
        const QImage background = Layer(pair.screen, QLatin1String(pair.background));
        QVERIFY2(!text.isNull() && Bounds(text).isValid(), pair.text);
        QVERIFY2(Outside(text, background) == 0,
                 qPrintable(QStringLiteral("screen %1: %2 off %3")
                                .arg(pair.screen)
                                .arg(QLatin1String(pair.text), QLatin1String(pair.background))));
    }
    // An inverted word is a gap in the text layer: 57 paints the rest of the line, not the
    // word under the bar.
    for (int screen : {5, 9}) {
        QCOMPARE(
            Overlap(Layer(screen, QStringLiteral("57")), Layer(screen, QStringLiteral("neg2"))), 0);
    }
    // The pop-up stays clear of the scroll bar, which is drawn after it.
    QCOMPARE(Bounds(Layer(3, QStringLiteral("35"))) & Bounds(Layer(3, QStringLiteral("29"))),
             QRect());
}

void TestScreenArt::nothingIsCutAtTheEdges() {
    // Texts, symbols and icons keep a margin to the display's edges.
    const QStringList framed = {"1",  "3",  "5",  "6",     "11",    "13", "16", "20",
                                "23", "24", "25", "30",    "32",    "36", "42", "44",
                                "52", "56", "57", "neg13", "neg57", "ovl"};
    for (int screen = 0; screen < ArtScreenCount; ++screen) {
        for (const ArtLayer& layer : DrawScreen(screen)) {
            if (!framed.contains(layer.label)) {
                continue;
            }
            const QRect bounds = Bounds(layer.picture);
            QVERIFY2(bounds.left() > 0 && bounds.right() < 100 && bounds.bottom() < 79,
                     qPrintable(QStringLiteral("screen %1 layer %2").arg(screen).arg(layer.label)));
        }
    }
}

QTEST_APPLESS_MAIN(TestScreenArt)
#include "test_screen_art.moc"
