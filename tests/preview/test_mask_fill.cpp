#include "preview/mask_fill.h"
#include "preview/mask_fill_kernels.h"

#include <QTest>
#include <algorithm>
#include <random>
#include <sys/mman.h>
#include <unistd.h>

Q_DECLARE_METATYPE(MaskFillKernel)

namespace {

// The fill rule one pixel at a time, as plainly as it can be put, to hold the fast loops to.
void FillPixelByPixel(const std::vector<uchar>& mask, std::vector<uchar>& target,
                      const BitmapGeometry& g, const std::vector<uchar>& encoded) {
    const int size = g.bitsPerPixel / 8;
    const int rowLength = g.bitsPerPixel == 32 ? g.width * g.height : g.width;
    const int rows = g.bitsPerPixel == 32 ? 1 : g.height;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < rowLength; ++x) {
            const int at = y * g.bytesPerRow + x * size;
            // The fourth byte of a 32-bit mask pixel does not count; a painted pixel's is 255.
            bool black = true;
            for (int i = 0; i < std::min(size, 3); ++i)
                black = black && mask[at + i] == 0;
            if (black)
                std::copy(encoded.begin(), encoded.end(), target.begin() + at);
        }
    }
}

const char* const KernelNames[] = {"plain", "SSE2", "AVX2"}; // in the order of MaskFillKernel
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
    void otherDepthsChangeNothing();
    void everyKernelAgreesWithThePixelRule_data();
    void everyKernelAgreesWithThePixelRule();
};

void TestMaskFill::otherDepthsChangeNothing() {
    const std::vector<uchar> mask(404 * 80, 0), untouched(404 * 80, 0x5A);
    for (const quint16 depth : {quint16(8), quint16(15), quint16(1)}) {
        std::vector<uchar> target = untouched;
        MaskFill(mask.data(), target.data(), BitmapGeometry{101, 80, 404, depth}, 0xFFFFFF);
        QCOMPARE(target, untouched);
    }
}

void TestMaskFill::everyKernelAgreesWithThePixelRule_data() {
    QTest::addColumn<MaskFillKernel>("kernel");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("padding");
    // Every narrow width, so that each kind of row end is met, and widths around whole runs of
    // vectors; rows end on a 2-byte boundary (tight) or two bytes later. At 32 bits the
    // picture is one run of pixels without padding. Padding -1: rows end on a page boundary.
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
                    QTest::addRow("%s, %d bits, %d wide, %d padding", KernelNames[int(kernel)],
                                  depth, width, padding)
                        << kernel << depth << width << padding;
            }
            if (depth != 32)
                QTest::addRow("%s, %d bits, a page of padding", KernelNames[int(kernel)], depth)
                    << kernel << depth << 0 << -1;
        }
    }
}

void TestMaskFill::everyKernelAgreesWithThePixelRule() {
    QFETCH(MaskFillKernel, kernel);
    QFETCH(int, depth);
    QFETCH(int, width);
    QFETCH(int, padding);
#if defined(__x86_64__)
    QVERIFY(kernel == MaskFillKernel::Avx2 || MaskFillKernelRuns(kernel)); // SSE2 is in all x86-64
#endif
    if (!MaskFillKernelRuns(kernel))
        QSKIP("this processor or build cannot run this kernel");
    // At 32 bits the fourth byte is 255: Qt takes it as the opacity where windows are composed
    // with alpha (Wayland), and a painted pixel with 0 there shows as empty.
    const ColourValue colour = MakeColour(0x9C, 0x4E, 0x21);
    const std::vector<uchar> encoded = depth == 16   ? std::vector<uchar>{0x64, 0x9A}
                                       : depth == 24 ? std::vector<uchar>{0x21, 0x4E, 0x9C}
                                                     : std::vector<uchar>{0x21, 0x4E, 0x9C, 0xFF};
    // With a page of padding each row's pixels end on a page boundary, and the padding can be
    // read but not written: a store into it, even of the bytes it holds, ends the test program,
    // where a comparison of the buffers could not tell it from none. Otherwise the buffers are
    // exactly as long as the geometry says, so that a read or write beyond them shows under
    // AddressSanitizer. One row is both the first and the last.
    const int page = int(sysconf(_SC_PAGESIZE));
    const bool guarded = padding < 0;
    if (guarded) {
        width = 3 * page / (depth / 8); // a whole number of pixels at 16 and at 24 bits
        padding = page;
    }
    for (const int height : {1, 7}) {
        const BitmapGeometry geometry{width, height, width * (depth / 8) + padding, quint16(depth)};
        const size_t bytes = size_t(geometry.bytesPerRow) * height;
        std::vector<uchar> plain(guarded ? 0 : bytes);
        void* mapped = guarded ? mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                                      MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                               : plain.data();
        QVERIFY(mapped != MAP_FAILED);
        uchar* target = static_cast<uchar*>(mapped);
        std::mt19937 random(uint(depth * 100000 + width * 100 + padding * 10 + height));
        std::generate(target, target + bytes, [&random] { return uchar(random()); });
        for (int y = 1; guarded && y <= height; ++y)
            QCOMPARE(mprotect(target + size_t(y) * geometry.bytesPerRow - page, page, PROT_READ),
                     0);
        // Masks of single pixels, in runs, and black everywhere, so that every vector is stored.
        bool same = true;
        for (const int kind : {0, 1, 2}) {
            const std::vector<uchar> mask =
                kind == 2 ? std::vector<uchar>(bytes, 0) : RandomMask(geometry, kind == 1, random);
            std::vector<uchar> expected(target, target + bytes);
            FillPixelByPixel(mask, expected, geometry, encoded);
            MaskFillWith(kernel, mask.data(), target, geometry, colour);
            same = same && std::equal(expected.begin(), expected.end(), target);
        }
        if (guarded)
            munmap(mapped, bytes);
        QVERIFY(same);
    }
}

QTEST_GUILESS_MAIN(TestMaskFill)
#include "test_mask_fill.moc"
