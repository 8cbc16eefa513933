#include "preview/bitmap_geometry.h"
#include "preview/mask_fill.h"

#include <QTest>
#include <cstring>
#include <random>
#include <vector>

namespace {

// A 101 x 80 picture in a display format, one colour everywhere but where the setter says.
QImage Picture(int depth, QRgb background) {
    QImage image(101, 80, QImage::Format_RGB32);
    image.fill(background);
    return image.convertToFormat(*DisplayFormat(depth));
}

QImage WithPixel(QImage image, int x, int y, QRgb colour) {
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    rgb.setPixel(x, y, colour);
    return rgb.convertToFormat(image.format());
}

void Fill(const QImage& mask, QImage& target, ColourValue colour) {
    MaskFill(mask.constBits(), target.bits(), GeometryOf(target), colour);
}

quint16 Word16(ColourValue colour) {
    QImage mask = Picture(16, qRgb(0, 0, 0));
    QImage target = Picture(16, qRgb(255, 0, 255));
    Fill(mask, target, colour);
    quint16 word;
    std::memcpy(&word, target.constBits(), 2);
    return word;
}

// The fill rule one pixel at a time, as plainly as it can be put, to hold the fast loops to.
void FillPixelByPixel(const std::vector<uchar>& mask, std::vector<uchar>& target,
                      const BitmapGeometry& g, const std::vector<uchar>& encoded) {
    const int size = g.bitsPerPixel / 8;
    const int rowLength = g.bitsPerPixel == 32 ? g.width * g.height : g.width;
    const int rows = g.bitsPerPixel == 32 ? 1 : g.height;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < rowLength; ++x) {
            const int at = y * g.bytesPerRow + x * size;
            // The fourth byte of a 32-bit pixel does not count.
            bool black = true;
            for (int i = 0; i < std::min(size, 3); ++i)
                black = black && mask[at + i] == 0;
            if (black)
                std::copy(encoded.begin(), encoded.end(), target.begin() + at);
        }
    }
}

} // namespace

class TestMaskFill : public QObject {
    Q_OBJECT
private slots:
    void onlyBlackMaskPixelsPaint_data();
    void onlyBlackMaskPixelsPaint();
    void at16BitsWhatTheDisplayStoresAsZeroIsBlack();
    void sixteenBitColoursAreTruncated();
    void rowPaddingIsNeverTouched_data();
    void rowPaddingIsNeverTouched();
    void at32BitsTheFourthByteOfAPaintedPixelIsZero();
    void otherDepthsChangeNothing();
    void agreesWithThePixelRuleOnScatteredMasks_data();
    void agreesWithThePixelRuleOnScatteredMasks();
    void lcdColours();
};

void TestMaskFill::onlyBlackMaskPixelsPaint_data() {
    QTest::addColumn<int>("depth");
    QTest::newRow("16") << 16;
    QTest::newRow("24") << 24;
    QTest::newRow("32") << 32;
}

void TestMaskFill::onlyBlackMaskPixelsPaint() {
    QFETCH(int, depth);
    QImage mask = Picture(depth, qRgb(255, 0, 255));
    mask = WithPixel(mask, 0, 0, qRgb(0, 0, 0));
    mask = WithPixel(mask, 100, 79, qRgb(0, 0, 0));
    mask = WithPixel(mask, 50, 40, qRgb(0, 0, 0));
    mask = WithPixel(mask, 51, 40, qRgb(12, 200, 7));
    if (depth != 16) {
        // Near black is not black where the display keeps every bit.
        mask = WithPixel(mask, 52, 40, qRgb(1, 0, 0));
        mask = WithPixel(mask, 53, 40, qRgb(0, 0, 1));
    }
    QImage target = Picture(depth, qRgb(0, 255, 0));
    target = WithPixel(target, 50, 40, qRgb(200, 100, 0));
    Fill(mask, target, MakeColour(0, 0, 255));
    const QImage result = target.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 101; ++x) {
            const bool black = (x == 0 && y == 0) || (x == 100 && y == 79) || (x == 50 && y == 40);
            QCOMPARE(result.pixel(x, y), black ? qRgb(0, 0, 255) : qRgb(0, 255, 0));
        }
    }

    // A mask that is black everywhere paints the whole screen; one without black, nothing.
    QImage all = Picture(depth, qRgb(0, 0, 0));
    Fill(all, target, MakeColour(255, 255, 255));
    QCOMPARE(target.convertToFormat(QImage::Format_RGB32), Picture(32, qRgb(255, 255, 255)));
    const QImage before = target;
    Fill(Picture(depth, qRgb(255, 0, 255)), target, 0);
    QCOMPARE(target, before);
}

void TestMaskFill::at16BitsWhatTheDisplayStoresAsZeroIsBlack() {
    for (const QRgb nearBlack : {qRgb(2, 0, 0), qRgb(7, 3, 7)}) {
        const QImage mask = WithPixel(Picture(16, qRgb(255, 0, 255)), 10, 10, nearBlack);
        QImage target = Picture(16, qRgb(255, 255, 255));
        Fill(mask, target, MakeColour(255, 0, 0));
        QCOMPARE(target.convertToFormat(QImage::Format_RGB32).pixel(10, 10), qRgb(255, 0, 0));
    }
    const QImage mask = WithPixel(Picture(16, qRgb(255, 0, 255)), 10, 10, qRgb(8, 0, 0));
    QImage target = Picture(16, qRgb(255, 255, 255));
    Fill(mask, target, MakeColour(255, 0, 0));
    QCOMPARE(target.convertToFormat(QImage::Format_RGB32).pixel(10, 10), qRgb(255, 255, 255));
}

void TestMaskFill::sixteenBitColoursAreTruncated() {
    QCOMPARE(Word16(MakeColour(255, 255, 255)), quint16(0xFFFF));
    QCOMPARE(Word16(MakeColour(255, 0, 0)), quint16(0xF800));
    QCOMPARE(Word16(MakeColour(0, 255, 0)), quint16(0x07E0));
    QCOMPARE(Word16(MakeColour(0, 0, 255)), quint16(0x001F));
    QCOMPARE(Word16(MakeColour(128, 128, 128)), quint16(0x8410));
    QCOMPARE(Word16(MakeColour(7, 3, 7)), quint16(0x0000));
    QCOMPARE(Word16(MakeColour(15, 7, 15)), quint16(0x0821));
}

void TestMaskFill::rowPaddingIsNeverTouched_data() {
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("bytesPerRow");
    QTest::newRow("16, 202-byte rows") << 16 << 202;
    QTest::newRow("16, 204-byte rows") << 16 << 204;
    QTest::newRow("24, 304-byte rows") << 24 << 304;
    QTest::newRow("24, 308-byte rows") << 24 << 308;
    QTest::newRow("32, 404-byte rows") << 32 << 404;
}

void TestMaskFill::rowPaddingIsNeverTouched() {
    QFETCH(int, depth);
    QFETCH(int, bytesPerRow);
    const int bytesPerPixel = depth / 8;
    const BitmapGeometry geometry{101, 80, bytesPerRow, quint16(depth)};
    // Black mask pixels everywhere, also in the padding; the target's padding holds a marker.
    std::vector<uchar> mask(bytesPerRow * 80, 0);
    std::vector<uchar> target(bytesPerRow * 80, 0xAB);
    MaskFill(mask.data(), target.data(), geometry, MakeColour(1, 2, 3));
    const std::vector<uchar> painted = depth == 16 ? std::vector<uchar>{0x00, 0x00}
                                       // (1, 2, 3) truncates to 0 at 16 bits
                                       : depth == 24 ? std::vector<uchar>{3, 2, 1}
                                                     : std::vector<uchar>{3, 2, 1, 0};
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < bytesPerRow; ++x) {
            const uchar byte = target[y * bytesPerRow + x];
            if (x < 101 * bytesPerPixel)
                QCOMPARE(byte, painted[x % bytesPerPixel]);
            else
                QCOMPARE(byte, uchar(0xAB));
        }
    }
}

void TestMaskFill::at32BitsTheFourthByteOfAPaintedPixelIsZero() {
    const BitmapGeometry geometry{101, 80, 404, 32};
    std::vector<uchar> mask(404 * 80, 0xFF);
    std::vector<uchar> target(404 * 80, 0x77);
    // Pixel 0 black with a non-zero fourth byte: the fourth byte does not count.
    mask[0] = mask[1] = mask[2] = 0;
    mask[3] = 0x55;
    MaskFill(mask.data(), target.data(), geometry, MakeColour(10, 20, 30));
    QCOMPARE((std::vector<uchar>(target.begin(), target.begin() + 8)),
             (std::vector<uchar>{30, 20, 10, 0, 0x77, 0x77, 0x77, 0x77}));
}

void TestMaskFill::otherDepthsChangeNothing() {
    for (const quint16 depth : {quint16(8), quint16(15), quint16(1)}) {
        std::vector<uchar> mask(404 * 80, 0);
        std::vector<uchar> target(404 * 80, 0x5A);
        MaskFill(mask.data(), target.data(), BitmapGeometry{101, 80, 404, depth}, 0xFFFFFF);
        QVERIFY(std::all_of(target.begin(), target.end(), [](uchar b) { return b == 0x5A; }));
    }
}

void TestMaskFill::agreesWithThePixelRuleOnScatteredMasks_data() {
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("width");
    for (const int depth : {16, 24, 32}) {
        // Widths around the vector lengths, so that every kind of row end is met.
        for (const int width : {1, 2, 3, 5, 15, 16, 17, 31, 33, 47, 48, 49, 101})
            QTest::addRow("%d bits, %d wide", depth, width) << depth << width;
    }
}

void TestMaskFill::agreesWithThePixelRuleOnScatteredMasks() {
    QFETCH(int, depth);
    QFETCH(int, width);
    const int size = depth / 8;
    const int height = 7;
    // Rows end in two or three padding bytes (none at 32 bits); comparing whole buffers shows
    // that they are left alone.
    const int bytesPerRow = depth == 32 ? width * 4 : (width * size + 1) / 2 * 2 + 2;
    const BitmapGeometry geometry{width, height, bytesPerRow, quint16(depth)};
    std::mt19937 random(uint(depth * 1000 + width));
    std::vector<uchar> mask(bytesPerRow * height);
    for (int at = 0; at < int(mask.size()); at += size) {
        // Mostly black or near black, so that one non-zero byte decides many pixels.
        const unsigned kind = random() % 4;
        for (int i = 0; i < size && at + i < int(mask.size()); ++i)
            mask[at + i] = kind == 0 ? uchar(random()) : kind == 1 && random() % size == 0 ? 1 : 0;
    }
    std::vector<uchar> target(mask.size());
    for (uchar& byte : target)
        byte = uchar(random());
    std::vector<uchar> expected = target;

    const ColourValue colour = MakeColour(0x9C, 0x4E, 0x21);
    const std::vector<uchar> encoded = depth == 16   ? std::vector<uchar>{0x64, 0x9A}
                                       : depth == 24 ? std::vector<uchar>{0x21, 0x4E, 0x9C}
                                                     : std::vector<uchar>{0x21, 0x4E, 0x9C, 0};
    FillPixelByPixel(mask, expected, geometry, encoded);
    MaskFill(mask.data(), target.data(), geometry, colour);
    QCOMPARE(target, expected);
}

void TestMaskFill::lcdColours() {
    QCOMPARE(ToLcdColour(MakeColour(0, 0, 0)), MakeColour(81, 25, 95));
    QCOMPARE(ToLcdColour(MakeColour(255, 255, 255)), MakeColour(235, 235, 208));
    QCOMPARE(ToLcdColour(MakeColour(128, 128, 128)), MakeColour(158, 130, 152));
    QCOMPARE(ToLcdColour(MakeColour(255, 0, 0)), MakeColour(235, 25, 95));
    // Rounded to the nearest, not cut: 1 * 210 / 255 is 0.82.
    QCOMPARE(GreenOf(ToLcdColour(MakeColour(0, 1, 0))), 26);
}

QTEST_GUILESS_MAIN(TestMaskFill)
#include "test_mask_fill.moc"
