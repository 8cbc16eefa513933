// The vector loops behind MaskFill, written once with Highway. foreach_target.h compiles this
// file once for every instruction set Highway knows on the machine's architecture (SSSE3 up to
// AVX-512 on x86-64, NEON and SVE on ARM64, and a plain fallback), and the exported functions at
// the end run the widest one the processor has.
#include "preview/mask_fill_kernels.h"

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "preview/mask_fill_kernels.cpp"
#include <hwy/foreach_target.h> // before highway.h
#include <hwy/highway.h>

#include <algorithm>
#include <bit>
#include <limits>

HWY_BEFORE_NAMESPACE();
namespace MaskFillKernels {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

#if HWY_TARGET == HWY_SCALAR

// Without vectors the plain loops are the best there is: the compiler makes them no worse.
void Fill16(const PixelBuffers& p, std::uint16_t colour) {
    Fill16Plain(p, colour);
}

void Fill24(const PixelBuffers& p, const std::uint8_t* bgr) {
    Fill24Plain(p, bgr);
}

void Fill32(const PixelBuffers& p, std::uint32_t colour) {
    Fill32Plain(p, colour);
}

std::size_t VectorBytes() {
    return 0;
}

#else

// Vectors of at most 32 bytes: a preview row is 202 to 404 bytes long, and with longer vectors
// the last one of a row, which overlaps the one before it, costs more than they save.
template <class T> using Tag = hn::CappedTag<T, 32 / sizeof(T)>;

// A row is first looked at, one load and one minimum a vector: a row without a black pixel is
// left alone, and in a layer mask, black over one element's area, most rows are. Any other row
// is painted, each vector tested and blended without a branch.
//
// The last vector of a row ends at the row's last pixel byte and overlaps the one before it
// where the row is not a whole number of vectors: painting a pixel twice gives it the same
// value, as the mask does not change. It is worked out before the row is written, so that its
// loads never wait for a store they partly overlap. Padding bytes are never written.

// The deciding bits of a 16-bit pixel are all of them; of a 32-bit pixel all but the fourth
// byte, shifted out here. Zero exactly for a black pixel.
struct Deciding16 {
    template <class V> V operator()(V mask) const { return mask; }
};

struct Deciding32 {
    template <class V> V operator()(V mask) const { return hn::ShiftLeft<8>(mask); }
};

// Rows of whole pixels of one lane each, rowBytes long (at least one vector), stride apart. A
// look costs nearly as much as painting here, so a row that follows one with black pixels is
// painted without a look, and a mask black throughout is read once a row. The pictures come by
// value: a store through the target could change the fields of a reference, for all the
// compiler knows, and they would be read again for every row.
template <class D, class Deciding>
void FillWordRows(D d, const PixelBuffers p, std::int64_t rowBytes, std::int64_t stride,
                  hn::TFromD<D> word, Deciding deciding) {
    const hn::Repartition<std::uint8_t, D> d8;
    const auto load = [d, d8](const std::uint8_t* at) {
        return hn::BitCast(d, hn::LoadU(d8, at));
    };
    const auto store = [d8](hn::Vec<D> vector, std::uint8_t* at) {
        hn::StoreU(hn::BitCast(d8, vector), d8, at);
    };
    const std::int64_t step = std::int64_t(hn::Lanes(d8));
    const std::int64_t last = rowBytes - step;
    const auto zero = hn::Zero(d);
    const auto colour = hn::Set(d, word);
    bool look = true;
    for (std::int64_t y = 0; y < p.height; ++y) {
        const std::uint8_t* m = p.mask + y * stride;
        std::uint8_t* t = p.target + y * stride;
        if (look) {
            // Two running minimums, so that each load waits for no other.
            auto lowest = deciding(load(m + last)), lowest2 = lowest;
            std::int64_t i = 0;
            for (; i + step < last; i += 2 * step) {
                lowest = hn::Min(lowest, deciding(load(m + i)));
                lowest2 = hn::Min(lowest2, deciding(load(m + i + step)));
            }
            if (i < last)
                lowest = hn::Min(lowest, deciding(load(m + i)));
            if (hn::AllFalse(d, hn::Eq(hn::Min(lowest, lowest2), zero)))
                continue;
        }
        const auto lastMask = deciding(load(m + last));
        const auto lastVector = hn::IfThenElse(hn::Eq(lastMask, zero), colour, load(t + last));
        // Two vectors a step, for the same reason.
        auto lowest = lastMask, lowest2 = lastMask;
        std::int64_t i = 0;
        for (; i + step < last; i += 2 * step) {
            const auto vector = deciding(load(m + i)), vector2 = deciding(load(m + i + step));
            store(hn::IfThenElse(hn::Eq(vector, zero), colour, load(t + i)), t + i);
            store(hn::IfThenElse(hn::Eq(vector2, zero), colour, load(t + i + step)), t + i + step);
            lowest = hn::Min(lowest, vector);
            lowest2 = hn::Min(lowest2, vector2);
        }
        if (i < last) {
            const auto vector = deciding(load(m + i));
            store(hn::IfThenElse(hn::Eq(vector, zero), colour, load(t + i)), t + i);
            lowest = hn::Min(lowest, vector);
        }
        store(lastVector, t + last);
        look = hn::AllFalse(d, hn::Eq(hn::Min(lowest, lowest2), zero));
    }
}

void Fill16(const PixelBuffers& p, std::uint16_t colour) {
    const Tag<std::uint16_t> d;
    const std::int64_t rowBytes = std::int64_t(p.width) * 2;
    if (rowBytes < std::int64_t(hn::Lanes(d)) * 2)
        return Fill16Plain(p, colour);
    FillWordRows(d, p, rowBytes, p.bytesPerRow, colour, Deciding16());
}

// The 32-bit picture is one run of pixels without row padding, taken a picture width at a time.
void Fill32(const PixelBuffers& p, std::uint32_t colour) {
    const Tag<std::uint32_t> d;
    const std::int64_t rowBytes = std::int64_t(p.width) * 4;
    if (rowBytes < std::int64_t(hn::Lanes(d)) * 4)
        return Fill32Plain(p, colour);
    FillWordRows(d, p, rowBytes, rowBytes, colour, Deciding32());
}

// At 24 bits a black pixel's three zero bytes always hold a zero 16-bit word counted from the
// row's first byte, and the magenta around an element's area holds none, so the smallest word
// of the row finds the rows worth painting. Another mask colour may hold a zero word without a
// black pixel; its row is then painted for nothing, which changes no pixel. Two rows are looked
// at together, two running minimums each, so that each load waits for no other: bit 0 of the
// result is for the row at m, bit 1 for the row at m2.
template <class D>
HWY_INLINE std::uint64_t MayHoldBlack24(D d, const std::uint8_t* m, const std::uint8_t* m2,
                                        std::int64_t n) {
    const hn::Repartition<std::uint16_t, D> d16;
    const auto load = [d, d16](const std::uint8_t* at) {
        return hn::BitCast(d16, hn::LoadU(d, at));
    };
    const std::int64_t step = std::int64_t(hn::Lanes(d));
    const std::int64_t last = (n & ~std::int64_t(1)) - step;
    auto a = load(m + last), b = a, a2 = load(m2 + last), b2 = a2;
    std::int64_t i = 0;
    for (; i + step < last; i += 2 * step) {
        a = hn::Min(a, load(m + i));
        b = hn::Min(b, load(m + i + step));
        a2 = hn::Min(a2, load(m2 + i));
        b2 = hn::Min(b2, load(m2 + i + step));
    }
    if (i < last) {
        a = hn::Min(a, load(m + i));
        a2 = hn::Min(a2, load(m2 + i));
    }
    const auto zero = hn::Zero(d16);
    return std::uint64_t(!hn::AllFalse(d16, hn::Eq(hn::Min(a, b), zero))) |
           std::uint64_t(!hn::AllFalse(d16, hn::Eq(hn::Min(a2, b2), zero))) << 1;
}

// Leaves at the first vector with a byte that is not black: in a row of an element's edge that
// is most often the first.
template <class D> bool AllBlack24(D d, const std::uint8_t* m, std::int64_t n) {
    const std::int64_t step = std::int64_t(hn::Lanes(d));
    for (std::int64_t i = 0; i < n - step; i += step) {
        if (!hn::AllTrue(d, hn::Eq(hn::LoadU(d, m + i), hn::Zero(d))))
            return false;
    }
    return hn::AllTrue(d, hn::Eq(hn::LoadU(d, m + n - step), hn::Zero(d)));
}

// A row is painted three vectors at a time from a pixel's first byte, the last vector ends at
// its last pixel as the third of three does, and at most two vectors lie between: the first
// and the second of three. Which bytes of three vectors are a pixel's first and third bytes:
struct PixelBytes24 {
    std::uint8_t firsts[3 * HWY_MAX_BYTES];
    std::uint8_t thirds[3 * HWY_MAX_BYTES];
};

constexpr PixelBytes24 MakePixelBytes24() {
    PixelBytes24 bytes{};
    for (int i = 0; i < 3 * HWY_MAX_BYTES; ++i) {
        bytes.firsts[i] = i % 3 == 0 ? 0xFF : 0;
        bytes.thirds[i] = i % 3 == 2 ? 0xFF : 0;
    }
    return bytes;
}

HWY_ALIGN constexpr PixelBytes24 Pixel24 = MakePixelBytes24();

// The vector at m painted into t, the one at byte k of three. Each mask byte is ORed with the
// other two bytes of its pixel, read by loads one and two bytes before and after the vector: a
// pixel's first byte takes its two followers, its second byte both neighbours, its third the
// two bytes before it. Zero exactly on black pixels.
template <class D>
HWY_INLINE hn::Vec<D> Paint24(D d, const std::uint8_t* m, const std::uint8_t* t,
                              const std::uint8_t* colour, std::int64_t k) {
    const auto firsts = hn::Load(d, Pixel24.firsts + k), thirds = hn::Load(d, Pixel24.thirds + k);
    auto pixel = hn::Or(hn::LoadU(d, m), hn::AndNot(thirds, hn::LoadU(d, m + 1)));
    pixel = hn::Or(pixel, hn::AndNot(firsts, hn::LoadU(d, m - 1)));
    pixel = hn::Or(pixel, hn::And(firsts, hn::LoadU(d, m + 2)));
    pixel = hn::Or(pixel, hn::And(thirds, hn::LoadU(d, m - 2)));
    return hn::IfThenElse(hn::Eq(pixel, hn::Zero(d)), hn::Load(d, colour + k), hn::LoadU(d, t));
}

// A row that holds black somewhere: its loads reach two bytes before and after its pixels.
template <class D>
void PaintRow24(D d, const std::uint8_t* m, std::uint8_t* t, std::int64_t n,
                const std::uint8_t* colour) {
    const std::int64_t step = std::int64_t(hn::Lanes(d)), last = n - step;
    const auto lastVector = Paint24(d, m + last, t + last, colour, 2 * step);
    std::int64_t i = 0;
    for (; i + 3 * step <= n; i += 3 * step) {
        hn::StoreU(Paint24(d, m + i, t + i, colour, 0), d, t + i);
        hn::StoreU(Paint24(d, m + i + step, t + i + step, colour, step), d, t + i + step);
        hn::StoreU(Paint24(d, m + i + 2 * step, t + i + 2 * step, colour, 2 * step), d,
                   t + i + 2 * step);
    }
    if (i < last)
        hn::StoreU(Paint24(d, m + i, t + i, colour, 0), d, t + i);
    if (i + step < last)
        hn::StoreU(Paint24(d, m + i + step, t + i + step, colour, step), d, t + i + step);
    hn::StoreU(lastVector, d, t + last);
}

// A row black throughout takes the colour without a look at the target.
template <class D>
void FillRow24(D d, std::uint8_t* t, std::int64_t n, const std::uint8_t* colour) {
    const std::int64_t step = std::int64_t(hn::Lanes(d)), last = n - step;
    const auto colour0 = hn::Load(d, colour), colour1 = hn::Load(d, colour + step),
               colour2 = hn::Load(d, colour + 2 * step);
    std::int64_t i = 0;
    for (; i + 3 * step <= n; i += 3 * step) {
        hn::StoreU(colour0, d, t + i);
        hn::StoreU(colour1, d, t + i + step);
        hn::StoreU(colour2, d, t + i + 2 * step);
    }
    if (i < last)
        hn::StoreU(colour0, d, t + i);
    if (i + step < last)
        hn::StoreU(colour1, d, t + i + step);
    hn::StoreU(colour2, d, t + last);
}

void Fill24(const PixelBuffers& pictures, const std::uint8_t* bgr) {
    const PixelBuffers p = pictures; // a copy, as FillWordRows takes it
    const Tag<std::uint8_t> d;
    const std::int64_t step = std::int64_t(hn::Lanes(d));
    const std::int64_t n = std::int64_t(p.width) * 3;
    if (n < step)
        return Fill24Plain(p, bgr);
    // The colour over three vectors from a pixel's first byte.
    HWY_ALIGN std::uint8_t colour[3 * HWY_MAX_BYTES];
    const auto colourAt = [&](std::int64_t k) {
        const auto firsts = hn::MaskFromVec(hn::Load(d, Pixel24.firsts + k));
        const auto thirds = hn::MaskFromVec(hn::Load(d, Pixel24.thirds + k));
        hn::Store(hn::IfThenElse(firsts, hn::Set(d, bgr[0]),
                                 hn::IfThenElse(thirds, hn::Set(d, bgr[2]), hn::Set(d, bgr[1]))),
                  d, colour + k);
    };
    colourAt(0);
    colourAt(step);
    colourAt(2 * step);
    const std::int64_t size = std::int64_t(p.bytesPerRow) * p.height;
    // As many rows as a word has bits are looked at first, without a branch, and then only the
    // rows that may hold black are visited: a branch per row would guess wrong at every edge of
    // an element's area.
    constexpr int Batch = std::numeric_limits<std::uint64_t>::digits;
    for (std::int64_t first = 0; first < p.height; first += Batch) {
        const std::int64_t rows = std::min<std::int64_t>(Batch, p.height - first);
        std::uint64_t marked = 0;
        for (std::int64_t r = 0; r < rows; r += 2) {
            const std::uint8_t* m = p.mask + (first + r) * p.bytesPerRow;
            // A last row without a partner is looked at twice.
            const bool pair = r + 1 < rows;
            const std::uint64_t both = MayHoldBlack24(d, m, pair ? m + p.bytesPerRow : m, n);
            marked |= (pair ? both : both & 1) << r;
        }
        for (; marked != 0; marked &= marked - 1) {
            const std::int64_t start = (first + std::countr_zero(marked)) * p.bytesPerRow;
            const std::uint8_t* m = p.mask + start;
            std::uint8_t* t = p.target + start;
            if (AllBlack24(d, m, n))
                FillRow24(d, t, n, colour);
            else if (start >= 2 && size - start - n >= 2)
                PaintRow24(d, m, t, n, colour);
            else // The first and the last row of the pictures may lack that room.
                Fill24Plain(PixelBuffers{m, t, p.width, 1, p.bytesPerRow}, bgr);
        }
    }
}

std::size_t VectorBytes() {
    return hn::Lanes(Tag<std::uint8_t>());
}

#endif // HWY_TARGET == HWY_SCALAR

} // namespace HWY_NAMESPACE
} // namespace MaskFillKernels
HWY_AFTER_NAMESPACE();

#if HWY_ONCE

namespace MaskFillKernels {
HWY_EXPORT(Fill16);
HWY_EXPORT(Fill24);
HWY_EXPORT(Fill32);
HWY_EXPORT(VectorBytes);
} // namespace MaskFillKernels

void Fill16Vector(const PixelBuffers& pictures, std::uint16_t colour) {
    HWY_DYNAMIC_DISPATCH(MaskFillKernels::Fill16)(pictures, colour);
}

void Fill24Vector(const PixelBuffers& pictures, const std::uint8_t* bgr) {
    HWY_DYNAMIC_DISPATCH(MaskFillKernels::Fill24)(pictures, bgr);
}

void Fill32Vector(const PixelBuffers& pictures, std::uint32_t colour) {
    HWY_DYNAMIC_DISPATCH(MaskFillKernels::Fill32)(pictures, colour);
}

std::size_t FillVectorBytes() {
    return HWY_DYNAMIC_DISPATCH(MaskFillKernels::VectorBytes)();
}

#endif // HWY_ONCE
