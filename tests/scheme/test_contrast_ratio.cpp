// The contrast between two colours, and the warning colour made readable on any background.
#include "scheme/contrast_ratio.h"

#include <QTest>

class TestContrastRatio : public QObject {
    Q_OBJECT
private slots:
    void knownPairs_data();
    void knownPairs();
    void readableColours_data();
    void readableColours();
};

void TestContrastRatio::knownPairs_data() {
    QTest::addColumn<ColourValue>("a");
    QTest::addColumn<ColourValue>("b");
    QTest::addColumn<double>("ratio");
    const ColourValue white = MakeColour(255, 255, 255);
    QTest::newRow("black on white") << MakeColour(0, 0, 0) << white << 21.0;
    QTest::newRow("white on black") << white << MakeColour(0, 0, 0) << 21.0;
    QTest::newRow("mid grey on white") << MakeColour(118, 118, 118) << white << 4.54;
    QTest::newRow("pure red on white") << MakeColour(255, 0, 0) << white << 4.0;
    QTest::newRow("pure green on black") << MakeColour(0, 255, 0) << MakeColour(0, 0, 0) << 15.3;
    QTest::newRow("pure blue on white") << MakeColour(0, 0, 255) << white << 8.59;
    // Below the sRGB curve's knee the components are linear.
    QTest::newRow("near black on black") << MakeColour(10, 10, 10) << MakeColour(0, 0, 0) << 1.06;
    QTest::newRow("a colour on itself") << MakeColour(0, 0, 192) << MakeColour(0, 0, 192) << 1.0;
}

void TestContrastRatio::knownPairs() {
    QFETCH(ColourValue, a);
    QFETCH(ColourValue, b);
    QFETCH(double, ratio);
    QCOMPARE(qRound(ContrastRatio(a, b) * 100) / 100.0, ratio);
}

void TestContrastRatio::readableColours_data() {
    QTest::addColumn<ColourValue>("background");
    QTest::addColumn<bool>("changed");
    QTest::newRow("light grey window") << MakeColour(239, 239, 239) << false;
    QTest::newRow("white window") << MakeColour(255, 255, 255) << false;
    QTest::newRow("dark window") << MakeColour(49, 49, 49) << true;
    QTest::newRow("black window") << MakeColour(0, 0, 0) << true;
    QTest::newRow("mid grey window") << MakeColour(128, 128, 128) << true;
}

// The warning red keeps its hue and becomes only as much lighter or darker as it must.
void TestContrastRatio::readableColours() {
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

QTEST_APPLESS_MAIN(TestContrastRatio)
#include "test_contrast_ratio.moc"
