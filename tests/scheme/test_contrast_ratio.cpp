// A colour made readable on any background, as the window's warning red is.
#include "scheme/contrast_ratio.h"

#include <QTest>

class TestContrastRatio : public QObject {
    Q_OBJECT
private slots:
    void readableColours_data();
    void readableColours();
};

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
