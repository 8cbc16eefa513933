// The readability check: the contrast formula on published pairs, the pairs the Blue starter's
// screens give after a change of colour or tick, and a colour made readable on any background.
#include "preview/weak_pairs.h"
#include "scheme/contrast_ratio.h"
#include "scheme/starter_schemes.h"

#include <QTest>

namespace {

// A change to the Blue starter and the pair it should give: none (ratio null), or one with
// that ratio on those screens.
struct Case {
    const char* name;
    QList<std::pair<int, ColourValue>> colours;
    QList<int> transparent;
    int upper, lower;
    const char* ratio;
    QList<int> screens;
};

constexpr ColourValue White = MakeColour(255, 255, 255);

} // namespace

Q_DECLARE_METATYPE(const Case*)

class TestWeakPairs : public QObject {
    Q_OBJECT
    Preview preview_{32};
    PaintOwners owners_{preview_};
private slots:
    void contrastRatioOfReferencePairs_data() {
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<ColourValue>("other");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QString>("text");
        QTest::newRow("black on white") << 0 << White << 21.0 << "21.0:1";
        QTest::newRow("grey 118 on white") << MakeColour(118, 118, 118) << White << 4.54 << "4.5:1";
        // 3.998:1 is not 4:1: the text is cut, never rounded up.
        QTest::newRow("red on white") << MakeColour(255, 0, 0) << White << 3.998 << "3.9:1";
        QTest::newRow("blue on black") << MakeColour(0, 0, 255) << 0 << 2.44 << "2.4:1";
        QTest::newRow("near black on black, below the curve's knee")
            << MakeColour(10, 10, 10) << 0 << 1.06 << "1.0:1";
    }
    void contrastRatioOfReferencePairs() {
        QFETCH(ColourValue, colour);
        QFETCH(ColourValue, other);
        QFETCH(double, ratio);
        QFETCH(QString, text);
        QVERIFY2(qAbs(ContrastRatio(colour, other) - ratio) < 0.005,
                 qPrintable(QString::number(ContrastRatio(colour, other))));
        QCOMPARE(ContrastRatio(other, colour), ContrastRatio(colour, other));
        QCOMPARE(RatioText(ContrastRatio(colour, other)), text);
    }

    void pairsFollowTheScheme_data() {
        QTest::addColumn<const Case*>("c");
        // clang-format off
        static const Case cases[] = {
            {"softkeys text in its bar's colour", {{6, MakeColour(0, 0, 192)}}, {}, 6, 7, "1.0:1",
             {0, 1, 2, 3, 4, 5, 6, 7, 9}},
            {"softkeys text white again", {{6, White}}, {}, 6, 7, nullptr, {}},
            // The soft keys' bar transparent: their white text on each screen's white (2, 21 or 58).
            {"Blue: softkeys bar painted", {}, {}, 6, 2, nullptr, {}},
            {"softkeys bar transparent, over 2", {}, {7}, 6, 2, "1.0:1", {0, 5, 6, 7, 9}},
            {"softkeys bar transparent, over 21", {}, {7}, 6, 21, "1.0:1", {2, 3, 4}},
            {"date in the pattern's grey, background transparent",
             {{1, MakeColour(204, 204, 204)}}, {2}, 1, 0, "1.0:1", {0, 6, 8}},
        };
        // clang-format on
        for (const Case& c : cases)
            QTest::newRow(c.name) << &c;
    }
    void pairsFollowTheScheme() {
        QFETCH(const Case*, c);
        SchemeDocument document;
        PreviewInput input{document};
        const auto& blue = StarterTable(Starter::Blue);
        for (int element = 1; element <= ElementCount; ++element) {
            const StarterElement& e = blue[size_t(element - 1)];
            document.elementColour[element] = MakeColour(e.red, e.green, e.blue);
            document.elementOpacity[element] = e.opacity;
            input.ticks[size_t(element - 1)] = e.opacity != 0 && !c->transparent.contains(element);
        }
        for (const auto& [element, colour] : c->colours)
            document.elementColour[element] = colour;
        const std::vector<WeakPair> pairs = FindWeakPairs(owners_, input);
        const auto pair = std::find_if(pairs.begin(), pairs.end(), [c](const WeakPair& p) {
            return p.upper == c->upper && p.lower == c->lower;
        });
        QCOMPARE(pair != pairs.end(), c->ratio != nullptr);
        if (!c->ratio)
            return;
        QCOMPARE(RatioText(pair->ratio), QLatin1String(c->ratio));
        QCOMPARE(pair->screens, c->screens);
    }

    // The warning red keeps its hue and becomes only as much lighter or darker as it must.
    void readableColours_data() {
        QTest::addColumn<ColourValue>("background");
        QTest::addColumn<bool>("changed");
        QTest::newRow("light grey window") << MakeColour(239, 239, 239) << false;
        QTest::newRow("dark window") << MakeColour(49, 49, 49) << true;
        QTest::newRow("mid grey window") << MakeColour(128, 128, 128) << true;
    }
    void readableColours() {
        QFETCH(ColourValue, background);
        QFETCH(bool, changed);
        const ColourValue red = MakeColour(160, 0, 0);
        const ColourValue readable = ReadableOn(red, background, 4.5);
        QVERIFY(ContrastRatio(readable, background) >= 4.5);
        QCOMPARE(readable != red, changed);
        QVERIFY(RedOf(readable) > GreenOf(readable) && GreenOf(readable) == BlueOf(readable));
        // No more than a small step past the threshold: the red stays as dark (or light) as it can.
        if (changed)
            QVERIFY(ContrastRatio(readable, background) < 4.7);
    }
};

QTEST_GUILESS_MAIN(TestWeakPairs)
#include "test_weak_pairs.moc"
