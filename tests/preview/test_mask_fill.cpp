#include "preview/mask_fill.h"
#include "preview/mask_fill_kernels.h"

#include <QTest>
#include <algorithm>
#include <hwy/targets.h>
#include <numeric>
#include <random>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// The fill rule one pixel at a time, as plainly as it can be put, to hold the plain loops to.
void FillPixelByPixel(const std::vector<uchar>& mask, std::vector<uchar>& target,
                      const BitmapGeometry& g, const QByteArray& encoded) {
    const int size = g.bitsPerPixel / 8;
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            const auto pixel = mask.begin() + y * g.bytesPerRow + x * size;
            // The fourth byte of a 32-bit mask pixel does not count; a painted pixel's is 255.
            if (std::all_of(pixel, pixel + std::min(size, 3), [](uchar byte) { return byte == 0; }))
                std::copy(encoded.begin(), encoded.end(), target.begin() + (pixel - mask.begin()));
        }
    }
}

enum class MaskKind {
    Pixels,      // black, magenta, near black and random pixels, each drawn on its own
    Runs,        // the same in runs up to a few rows long: whole vectors and rows are one kind
    Black,       // black everywhere, padding too: every vector is stored
    OneBlack,    // magenta with one black pixel a row, a pixel further right each row
    OneNotBlack, // black with one near black pixel a row, a pixel further right each row
    Magenta,     // magenta everywhere, as outside an element's area: nothing may be stored
};

// A mask of the given geometry. A near black pixel has one byte 1, a different one from pixel
// to pixel (at 32 bits, when it is the fourth byte the pixel counts as black). Padding bytes
// are random, but for a mask black everywhere.
std::vector<uchar> Mask(const BitmapGeometry& g, MaskKind kind, std::mt19937& random) {
    const int size = g.bitsPerPixel / 8;
    std::vector<uchar> mask(size_t(g.bytesPerRow) * g.height);
    for (uchar& byte : mask)
        byte = kind == MaskKind::Black ? 0 : uchar(random());
    const auto draw = [size](uchar* pixel, unsigned colour, int nearBlackByte) {
        for (int i = 0; i < size; ++i) {
            const uchar magenta = i == 1 ? 0 : 0xFF;
            pixel[i] = colour == 0   ? 0
                       : colour == 1 ? magenta
                       : colour == 2 ? (i == nearBlackByte ? 1 : 0)
                                     : pixel[i];
        }
    };
    unsigned colour = 0;
    int run = 0;
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            uchar* pixel = mask.data() + size_t(y) * g.bytesPerRow + size_t(x) * size;
            const bool moving = x == y % g.width;
            if (kind == MaskKind::OneBlack || kind == MaskKind::OneNotBlack) {
                draw(pixel, (kind == MaskKind::OneBlack) == moving ? 0 : moving ? 2 : 1, y % 3);
                continue;
            }
            if (run-- <= 0) {
                colour = kind == MaskKind::Black ? 0 : kind == MaskKind::Magenta ? 1 : random() % 4;
                run = kind == MaskKind::Runs ? int(random() % (3 * g.width + 1)) : 0;
            }
            draw(pixel, colour, x % size);
        }
    }
    return mask;
}

const size_t PageSize = size_t(sysconf(_SC_PAGESIZE));

// Whole pages between two that cannot be touched, so that a read or write beyond them ends the
// program; read-only pages end it even at a store of the bytes they hold.
struct Pages {
    explicit Pages(size_t bytes) : size((bytes + PageSize - 1) / PageSize * PageSize) {
        void* mapped =
            mmap(nullptr, size + 2 * PageSize, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED)
            return;
        base = static_cast<uchar*>(mapped);
        if (mprotect(base + PageSize, size, PROT_READ | PROT_WRITE) == 0)
            data = base + PageSize;
    }
    ~Pages() {
        if (base)
            munmap(base, size + 2 * PageSize);
    }
    bool readOnly(size_t offset, size_t bytes) {
        return mprotect(data + offset, bytes, PROT_READ) == 0;
    }
    size_t size;
    uchar* base = nullptr;
    uchar* data = nullptr;
};

} // namespace

class TestMaskFill : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { hwy::SetSupportedTargetsForTest(0); }

    void otherDepthsChangeNothing() {
        const std::vector<uchar> mask(404 * 80, 0), untouched(404 * 80, 0x5A);
        for (const quint16 depth : {quint16(8), quint16(15), quint16(1)}) {
            std::vector<uchar> target = untouched;
            MaskFill(mask.data(), target.data(), BitmapGeometry{101, 80, 404, depth}, 0xFFFFFF);
            QCOMPARE(target, untouched);
        }
    }

    void everyTargetAgreesWithThePlainLoops_data() {
        QTest::addColumn<qint64>("target");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("bytesPerRow");
        // One row is the first and the last; as many rows as pixels in a row move a mask's one
        // pixel through every place of a row.
        QTest::addColumn<QList<int>>("heights");
        // Every narrow width, for each kind of row end, and widths around whole runs of vectors up
        // to 64 bytes; rows end on a 2-byte boundary (as 202, 304 and 404 bytes do) or padded to a
        // 4-byte boundary beyond that (none at 32 bits).
        std::vector<int> widths(40);
        std::iota(widths.begin(), widths.end(), 1);
        widths.insert(widths.end(), {47, 48, 49, 63, 64, 65, 95, 96, 97, 101, 128, 129, 130});
        for (const qint64 target : hwy::SupportedAndGeneratedTargets()) {
            for (const int depth : {16, 24, 32}) {
                for (const int width : widths) {
                    const int pixelBytes = width * depth / 8;
                    const int even = (pixelBytes + 1) / 2 * 2, padded = (pixelBytes + 5) / 4 * 4;
                    for (const int bytesPerRow :
                         depth == 32 ? std::vector{pixelBytes} : std::vector{even, padded})
                        QTest::addRow("%s, %d bits, %d wide, %d bytes a row",
                                      hwy::TargetName(target), depth, width, bytesPerRow)
                            << target << depth << width << bytesPerRow << QList{1, 7, width};
                }
                // Rows ending on a page, before a page of padding that cannot be written; pictures
                // of rows of one page, with nothing to touch before or after them.
                if (depth != 32)
                    QTest::addRow("%s, %d bits, rows ending on a page", hwy::TargetName(target),
                                  depth)
                        << target << depth << int(3 * PageSize) * 8 / depth << int(4 * PageSize)
                        << QList{1, 7};
                QTest::addRow("%s, %d bits, pictures between pages", hwy::TargetName(target), depth)
                    << target << depth << int(PageSize) * 8 / depth << int(PageSize) << QList{1, 3};
            }
        }
    }
    void everyTargetAgreesWithThePlainLoops() {
        QFETCH(qint64, target);
        QFETCH(int, depth);
        QFETCH(int, width);
        QFETCH(int, bytesPerRow);
        QFETCH(QList<int>, heights);
        hwy::SetSupportedTargetsForTest(target);
        const ColourValue colour = MakeColour(0x9C, 0x4E, 0x21);
        const QByteArray encoded = QByteArray::fromHex(depth == 16   ? "649A"
                                                       : depth == 24 ? "214E9C"
                                                                     : "214E9CFF");
        // Other buffers are exactly as long as the geometry says, for AddressSanitizer.
        const bool paged = size_t(bytesPerRow) >= PageSize;
        for (const int height : heights) {
            const BitmapGeometry geometry{width, height, bytesPerRow, quint16(depth)};
            const size_t bytes = size_t(bytesPerRow) * height;
            std::vector<uchar> unpaged(paged ? 0 : bytes);
            Pages maskPages(paged ? bytes : 0), targetPages(paged ? bytes : 0);
            uchar* painted = paged ? targetPages.data : unpaged.data();
            QVERIFY(painted && (!paged || maskPages.data));
            std::mt19937 random(uint(depth * 100000 + width * 100 + bytesPerRow * 10 + height));
            std::generate(painted, painted + bytes, [&random] { return uchar(random()); });
            for (int y = 1; bytesPerRow == int(4 * PageSize) && y <= height; ++y)
                QVERIFY(targetPages.readOnly(size_t(y) * bytesPerRow - PageSize, PageSize));
            // Black everywhere comes last: after it the target is the colour throughout. Under
            // magenta the vector loops store nothing in rows a vector long: there it is read-only.
            for (const MaskKind kind :
                 {MaskKind::Pixels, MaskKind::Runs, MaskKind::OneBlack, MaskKind::OneNotBlack,
                  MaskKind::Magenta, MaskKind::Black}) {
                const std::vector<uchar> mask = Mask(geometry, kind, random);
                std::vector<uchar> expected(painted, painted + bytes), plain = expected;
                FillPixelByPixel(mask, expected, geometry, encoded);
                MaskFillPlain(mask.data(), plain.data(), geometry, colour);
                QVERIFY(plain == expected);
                if (paged)
                    std::copy(mask.begin(), mask.end(), maskPages.data);
                const bool locked = kind == MaskKind::Magenta && FillVectorBytes() > 0 &&
                                    size_t(width * depth / 8) >= FillVectorBytes();
                Pages readOnly(locked ? bytes : 0);
                uchar* into = locked ? readOnly.data : painted;
                if (locked)
                    QVERIFY(into && std::copy(painted, painted + bytes, into) &&
                            readOnly.readOnly(0, bytes));
                MaskFill(paged ? maskPages.data : mask.data(), into, geometry, colour);
                QVERIFY(std::equal(plain.begin(), plain.end(), into));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestMaskFill)
#include "test_mask_fill.moc"
