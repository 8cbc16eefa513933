#include "preview/bitmap_geometry.h"
#include "preview/mask_fill.h"
#include "preview/mask_fill_kernels.h"

#include <QTest>
#include <cstring>
#include <random>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

Q_DECLARE_METATYPE(MaskFillKernel)

namespace {

// The first pixel of a 16-bit display picture filled with a colour through a black mask.
quint16 Word16(ColourValue colour) {
    QImage mask(101, 80, *DisplayFormat(16)), target(101, 80, *DisplayFormat(16));
    mask.fill(0);
    target.fill(qRgb(255, 0, 255));
    MaskFill(mask.constBits(), target.bits(), GeometryOf(target), colour);
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

const char* KernelName(MaskFillKernel kernel) {
    switch (kernel) {
    case MaskFillKernel::Plain:
        return "plain";
    case MaskFillKernel::Sse2:
        return "SSE2";
    case MaskFillKernel::Avx2:
        return "AVX2";
    }
    return "?";
}

constexpr MaskFillKernel Kernels[] = {MaskFillKernel::Plain, MaskFillKernel::Sse2,
                                      MaskFillKernel::Avx2};

// A mask of the given geometry: black, magenta, near black and random pixels, either each drawn
// on its own or in runs up to a few rows long, so that whole vectors and rows are black or
// without black. A near black pixel has one byte 1, a different one from pixel to pixel (at 32
// bits, when it is the fourth byte the pixel counts as black). Padding bytes are random too.
std::vector<uchar> RandomMask(const BitmapGeometry& g, bool inRuns, std::mt19937& random) {
    const int size = g.bitsPerPixel / 8;
    std::vector<uchar> mask(size_t(g.bytesPerRow) * g.height);
    for (uchar& byte : mask)
        byte = uchar(random());
    unsigned kind = 0;
    int run = 0;
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            if (run-- <= 0) {
                kind = random() % 4;
                run = inRuns ? int(random() % (3 * g.width + 1)) : 0;
            }
            uchar* pixel = mask.data() + size_t(y) * g.bytesPerRow + size_t(x) * size;
            for (int i = 0; i < size; ++i) {
                const uchar magenta = i == 1 ? 0 : 0xFF;
                pixel[i] = kind == 0   ? 0
                           : kind == 1 ? magenta
                           : kind == 2 ? (i == x % size ? 1 : 0)
                                       : uchar(random());
            }
        }
    }
    return mask;
}

} // namespace

class TestMaskFill : public QObject {
    Q_OBJECT
private slots:
    void sixteenBitColoursAreTruncated();
    void otherDepthsChangeNothing();
    void everyKernelAgreesWithThePixelRule_data();
    void everyKernelAgreesWithThePixelRule();
    void paddingIsNeverWrittenEvenWithItsOwnBytes_data();
    void paddingIsNeverWrittenEvenWithItsOwnBytes();
    void lcdColours();
};

void TestMaskFill::sixteenBitColoursAreTruncated() {
    QCOMPARE(Word16(MakeColour(255, 255, 255)), quint16(0xFFFF));
    QCOMPARE(Word16(MakeColour(255, 0, 0)), quint16(0xF800));
    QCOMPARE(Word16(MakeColour(0, 255, 0)), quint16(0x07E0));
    QCOMPARE(Word16(MakeColour(0, 0, 255)), quint16(0x001F));
    QCOMPARE(Word16(MakeColour(128, 128, 128)), quint16(0x8410));
    QCOMPARE(Word16(MakeColour(7, 3, 7)), quint16(0x0000));
    QCOMPARE(Word16(MakeColour(15, 7, 15)), quint16(0x0821));
}

void TestMaskFill::otherDepthsChangeNothing() {
    for (const quint16 depth : {quint16(8), quint16(15), quint16(1)}) {
        std::vector<uchar> mask(404 * 80, 0);
        std::vector<uchar> target(404 * 80, 0x5A);
        MaskFill(mask.data(), target.data(), BitmapGeometry{101, 80, 404, depth}, 0xFFFFFF);
        QVERIFY(std::all_of(target.begin(), target.end(), [](uchar b) { return b == 0x5A; }));
    }
}

void TestMaskFill::everyKernelAgreesWithThePixelRule_data() {
    QTest::addColumn<MaskFillKernel>("kernel");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("padding");
    // Every narrow width, so that each kind of row end is met, and widths around whole runs of
    // vectors; rows end on a 2-byte boundary (tight) or two bytes later. At 32 bits the
    // picture is one run of pixels without padding.
    std::vector<int> widths;
    for (int width = 1; width <= 40; ++width)
        widths.push_back(width);
    for (const int width : {47, 48, 49, 63, 64, 65, 95, 96, 97, 101, 128, 129, 130})
        widths.push_back(width);
    for (const MaskFillKernel kernel : Kernels) {
        for (const int depth : {16, 24, 32}) {
            for (const int width : widths) {
                const int size = depth / 8;
                const int tight = (width * size + 1) / 2 * 2 - width * size;
                for (const int padding :
                     depth == 32 ? std::vector{0} : std::vector{tight, tight + 2})
                    QTest::addRow("%s, %d bits, %d wide, %d padding", KernelName(kernel), depth,
                                  width, padding)
                        << kernel << depth << width << padding;
            }
        }
    }
}

void TestMaskFill::everyKernelAgreesWithThePixelRule() {
    QFETCH(MaskFillKernel, kernel);
    QFETCH(int, depth);
    QFETCH(int, width);
    QFETCH(int, padding);
    if (!MaskFillKernelRuns(kernel))
        QSKIP(qPrintable(QStringLiteral("the %1 kernel cannot run on this processor or build")
                             .arg(QLatin1String(KernelName(kernel)))));
    const ColourValue colour = MakeColour(0x9C, 0x4E, 0x21);
    const std::vector<uchar> encoded = depth == 16   ? std::vector<uchar>{0x64, 0x9A}
                                       : depth == 24 ? std::vector<uchar>{0x21, 0x4E, 0x9C}
                                                     : std::vector<uchar>{0x21, 0x4E, 0x9C, 0};
    // One row is both the first and the last; the buffers are exactly as long as the geometry
    // says, so that a read or write beyond them shows under AddressSanitizer.
    for (const int height : {1, 7}) {
        const BitmapGeometry geometry{width, height, width * (depth / 8) + padding, quint16(depth)};
        std::mt19937 random(uint(depth * 100000 + width * 100 + padding * 10 + height));
        for (const bool inRuns : {false, true}) {
            const std::vector<uchar> mask = RandomMask(geometry, inRuns, random);
            std::vector<uchar> target(mask.size());
            for (uchar& byte : target)
                byte = uchar(random());
            std::vector<uchar> expected = target;
            FillPixelByPixel(mask, expected, geometry, encoded);
            MaskFillWith(kernel, mask.data(), target.data(), geometry, colour);
            QCOMPARE(target, expected);
        }
    }
}

void TestMaskFill::paddingIsNeverWrittenEvenWithItsOwnBytes_data() {
    QTest::addColumn<MaskFillKernel>("kernel");
    QTest::addColumn<int>("depth");
    for (const MaskFillKernel kernel : Kernels)
        for (const int depth : {16, 24})
            QTest::addRow("%s, %d bits", KernelName(kernel), depth) << kernel << depth;
}

void TestMaskFill::paddingIsNeverWrittenEvenWithItsOwnBytes() {
    QFETCH(MaskFillKernel, kernel);
    QFETCH(int, depth);
    if (!MaskFillKernelRuns(kernel))
        QSKIP(qPrintable(QStringLiteral("the %1 kernel cannot run on this processor or build")
                             .arg(QLatin1String(KernelName(kernel)))));
    // Rows whose pixels end on a page boundary, each followed by a page of padding that can be
    // read but not written: a store into the padding, even of the bytes it holds, ends the test
    // program. A comparison of the buffers could not tell such a store from none.
    const int page = int(sysconf(_SC_PAGESIZE));
    const int size = depth / 8;
    const int pixelBytes = 3 * page; // a whole number of pixels at 16 and at 24 bits
    const BitmapGeometry geometry{pixelBytes / size, 3, pixelBytes + page, quint16(depth)};
    const size_t bytes = size_t(geometry.bytesPerRow) * geometry.height;
    void* mapped = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    QVERIFY(mapped != MAP_FAILED);
    uchar* target = static_cast<uchar*>(mapped);
    std::mt19937 random{uint(depth)};
    for (size_t i = 0; i < bytes; ++i)
        target[i] = uchar(random());
    for (int y = 0; y < geometry.height; ++y)
        QCOMPARE(mprotect(target + size_t(y) * geometry.bytesPerRow + pixelBytes, size_t(page),
                          PROT_READ),
                 0);
    const std::vector<uchar> encoded =
        depth == 16 ? std::vector<uchar>{0x64, 0x9A} : std::vector<uchar>{0x21, 0x4E, 0x9C};
    // A mask black everywhere has every vector stored; one in runs skips some.
    bool same = true;
    for (const bool black : {true, false}) {
        const std::vector<uchar> mask =
            black ? std::vector<uchar>(bytes, 0) : RandomMask(geometry, true, random);
        std::vector<uchar> expected(target, target + bytes);
        FillPixelByPixel(mask, expected, geometry, encoded);
        MaskFillWith(kernel, mask.data(), target, geometry, MakeColour(0x9C, 0x4E, 0x21));
        same = same && std::equal(expected.begin(), expected.end(), target);
    }
    munmap(mapped, bytes);
    QVERIFY(same);
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
