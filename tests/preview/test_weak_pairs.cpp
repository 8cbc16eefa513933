// The readability check: the ratio as it is shown, and the pairs the Blue starter's screens give
// when an element's colour, tick or the LCD option changes.
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
    bool lcdColours;
    int upper, lower;
    const char* ratio;
    QList<int> screens;
};

constexpr ColourValue White = MakeColour(255, 255, 255), SoftkeysBlue = MakeColour(0, 0, 192);
const QList<int> SoftkeyScreens{0, 1, 2, 3, 4, 5, 6, 7, 9};

} // namespace

Q_DECLARE_METATYPE(const Case*)

class TestWeakPairs : public QObject {
    Q_OBJECT
    Preview preview{32};
    PaintOwners owners{preview};
private slots:
    void ratioTextIsCut_data();
    void ratioTextIsCut();
    void pairsFollowTheScheme_data();
    void pairsFollowTheScheme();
};

// The ratio as the check shows it, cut to a tenth, never rounded up: 3.998:1 is not 4:1. The
// formula itself is the contrast ratio's own test.
void TestWeakPairs::ratioTextIsCut_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("text");
    const ColourValue grey = MakeColour(118, 118, 118), violet = MakeColour(90, 10, 200);
    QTest::newRow("black on white") << ContrastRatio(0, White) << "21.0:1";
    QTest::newRow("equal colours") << ContrastRatio(violet, violet) << "1.0:1";
    QTest::newRow("grey 118 on white") << ContrastRatio(grey, White) << "4.5:1";
    QTest::newRow("red on white") << ContrastRatio(MakeColour(255, 0, 0), White) << "3.9:1";
}

void TestWeakPairs::ratioTextIsCut() {
    QFETCH(double, ratio);
    QFETCH(QString, text);
    QCOMPARE(RatioText(ratio), text);
}

void TestWeakPairs::pairsFollowTheScheme_data() {
    QTest::addColumn<const Case*>("c");
    // clang-format off
    static const Case cases[] = {
        {"Blue: white softkeys text", {}, {}, false, 6, 7, nullptr, {}},
        {"softkeys text in its background's colour",
         {{6, SoftkeysBlue}}, {}, false, 6, 7, "1.0:1", SoftkeyScreens},
        {"the text's background is not in front of it",
         {{6, SoftkeysBlue}}, {}, false, 7, 6, nullptr, {}},
        // The soft keys' bar transparent: their white text lies on the white background of each
        // screen (element 2, 21 or 58).
        {"Blue: softkeys bar painted", {}, {}, false, 6, 2, nullptr, {}},
        {"softkeys bar transparent, over 2", {}, {7}, false, 6, 2, "1.0:1", {0, 5, 6, 7, 9}},
        {"softkeys bar transparent, over 21", {}, {7}, false, 6, 21, "1.0:1", {2, 3, 4}},
        {"date in the pattern's grey, background transparent",
         {{1, MakeColour(204, 204, 204)}}, {2}, false, 1, 0, "1.0:1", {0, 6, 8}},
        // Black on grey 100 is 3.5:1; the LCD's narrower range brings it down.
        {"without LCD colours",
         {{6, 0}, {7, MakeColour(100, 100, 100)}}, {}, false, 6, 7, nullptr, {}},
        {"with LCD colours",
         {{6, 0}, {7, MakeColour(100, 100, 100)}}, {}, true, 6, 7, "2.7:1", SoftkeyScreens},
    };
    // clang-format on
    for (const Case& c : cases)
        QTest::newRow(c.name) << &c;
}

void TestWeakPairs::pairsFollowTheScheme() {
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
    input.lcdColours = c->lcdColours;

    const std::vector<WeakPair> pairs = FindWeakPairs(owners, input);
    QVERIFY(std::is_sorted(pairs.begin(), pairs.end(),
                           [](const WeakPair& a, const WeakPair& b) { return a.ratio < b.ratio; }));
    const auto pair = std::find_if(pairs.begin(), pairs.end(), [c](const WeakPair& p) {
        return p.upper == c->upper && p.lower == c->lower;
    });
    if (!c->ratio) {
        QVERIFY(pair == pairs.end());
        return;
    }
    QVERIFY(pair != pairs.end());
    QCOMPARE(RatioText(pair->ratio), QLatin1String(c->ratio));
    QCOMPARE(pair->screens, c->screens);
}

QTEST_GUILESS_MAIN(TestWeakPairs)
#include "test_weak_pairs.moc"
