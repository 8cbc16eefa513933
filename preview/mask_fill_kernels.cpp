// The vector loops behind MaskFill, written once with Highway. foreach_target.h compiles this
// file once for every instruction set Highway knows on the machine's architecture (SSSE3 up to
// AVX-512 on x86-64, NEON and SVE on ARM64, and a plain fallback), and the exported functions at
// the end run the widest one the processor has.
#include "preview/mask_fill_kernels.h"

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "preview/mask_fill_kernels.cpp"
#include <hwy/foreach_target.h> // before highway.h
#include <hwy/highway.h>

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

// A row is first looked at: its mask is read once for the smallest and the bitwise OR of its
// pixels' deciding bits. A row without a black pixel is left alone, and in a layer mask, black
// over one element's area, most rows are. A row black throughout is stored in the colour without
// a look at the target. Any other row is painted, each vector tested and blended without a
// branch.
//
// The last vector of a row ends at the row's last pixel byte and overlaps the one before it
// where the row is not a whole number of vectors: painting a pixel twice gives it the same
// value, as the mask does not change. It is worked out before the row is written, so that its
// loads never wait for a store they partly overlap. Padding bytes are neither read nor written.

// The deciding bits of a 16-bit pixel are all of them; of a 32-bit pixel all but the fourth
// byte, shifted out here. Zero exactly for a black pixel.
struct Deciding16 {
    template <class V> V operator()(V mask) const { return mask; }
};

struct Deciding32 {
    template <class V> V operator()(V mask) const { return hn::ShiftLeft<8>(mask); }
};

// Rows of whole pixels of one lane each, rowBytes long (at least one vector), stride apart.
template <class D, class Deciding>
void FillWordRows(D d, const PixelBuffers& p, std::int64_t rowBytes, std::int64_t stride,
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
    for (std::int64_t y = 0; y < p.height; ++y) {
        const std::uint8_t* m = p.mask + y * stride;
        std::uint8_t* t = p.target + y * stride;
        const auto lastMask = deciding(load(m + last));
        auto lowest = lastMask, bits = lastMask;
        for (std::int64_t i = 0; i < last; i += step) {
            const auto vector = deciding(load(m + i));
            lowest = hn::Min(lowest, vector);
            bits = hn::Or(bits, vector);
        }
        if (hn::AllFalse(d, hn::Eq(lowest, zero)))
            continue;
        if (hn::AllTrue(d, hn::Eq(bits, zero))) {
            for (std::int64_t i = 0; i < last; i += step)
                store(colour, t + i);
            store(colour, t + last);
            continue;
        }
        const auto lastVector = hn::IfThenElse(hn::Eq(lastMask, zero), colour, load(t + last));
        for (std::int64_t i = 0; i < last; i += step) {
            const auto black = hn::Eq(deciding(load(m + i)), zero);
            store(hn::IfThenElse(black, colour, load(t + i)), t + i);
        }
        store(lastVector, t + last);
    }
}

void Fill16(const PixelBuffers& p, std::uint16_t colour) {
    const hn::ScalableTag<std::uint16_t> d;
    const std::int64_t rowBytes = std::int64_t(p.width) * 2;
    if (rowBytes < std::int64_t(hn::Lanes(d)) * 2)
        return Fill16Plain(p, colour);
    FillWordRows(d, p, rowBytes, p.bytesPerRow, colour, Deciding16());
}

// The 32-bit picture is one run of pixels without row padding, taken a picture width at a time.
void Fill32(const PixelBuffers& p, std::uint32_t colour) {
    const hn::ScalableTag<std::uint32_t> d;
    const std::int64_t rowBytes = std::int64_t(p.width) * 4;
    if (rowBytes < std::int64_t(hn::Lanes(d)) * 4)
        return Fill32Plain(p, colour);
    FillWordRows(d, p, rowBytes, rowBytes, colour, Deciding32());
}

// At 24 bits a row is taken in groups of as many pixels as a vector has bytes: three vectors
// that start on a pixel's first byte. The last group ends at the row's last pixel and overlaps
// the one before it, as the last vector does at 16 and 32 bits.

// The look at a group. A black pixel's three zero bytes always hold a zero 16-bit word counted
// from the group's first byte (its first two or its last two), and magenta holds none; another
// mask colour may hold a zero word without a black pixel, and its row is then painted for
// nothing, which changes no pixel.
template <class D, class V16, class V>
HWY_INLINE void LookAtGroup(D d, const std::uint8_t* m, V16& lowest, V& bits) {
    const hn::Repartition<std::uint16_t, D> d16;
    const std::size_t n = hn::Lanes(d);
    const auto a = hn::LoadU(d, m), b = hn::LoadU(d, m + n), c = hn::LoadU(d, m + 2 * n);
    lowest = hn::Min(
        lowest, hn::Min(hn::BitCast(d16, a), hn::Min(hn::BitCast(d16, b), hn::BitCast(d16, c))));
    bits = hn::Or(bits, hn::Or3(a, b, c));
}

// A group painted: its pixels' three bytes taken apart, each pixel tested, and the target's
// bytes blended with the colour's.
template <class D, class V>
HWY_INLINE void PaintGroup(D d, const std::uint8_t* m, const std::uint8_t* t, V blue, V green,
                           V red, V& b, V& g, V& r) {
    V maskBlue, maskGreen, maskRed;
    hn::LoadInterleaved3(d, m, maskBlue, maskGreen, maskRed);
    const auto black = hn::Eq(hn::Or3(maskBlue, maskGreen, maskRed), hn::Zero(d));
    hn::LoadInterleaved3(d, t, b, g, r);
    b = hn::IfThenElse(black, blue, b);
    g = hn::IfThenElse(black, green, g);
    r = hn::IfThenElse(black, red, r);
}

void Fill24(const PixelBuffers& p, const std::uint8_t* bgr) {
    const hn::ScalableTag<std::uint8_t> d;
    const hn::Repartition<std::uint16_t, decltype(d)> d16;
    const std::int64_t n = std::int64_t(hn::Lanes(d));
    if (p.width < n)
        return Fill24Plain(p, bgr);
    const std::int64_t group = 3 * n;
    const std::int64_t last = std::int64_t(p.width) * 3 - group;
    const auto blue = hn::Set(d, bgr[0]), green = hn::Set(d, bgr[1]), red = hn::Set(d, bgr[2]);
    // A group's three vectors in the colour, for rows black throughout.
    HWY_ALIGN std::uint8_t colourGroup[3 * HWY_MAX_BYTES];
    hn::StoreInterleaved3(blue, green, red, d, colourGroup);
    const auto colour0 = hn::Load(d, colourGroup);
    const auto colour1 = hn::Load(d, colourGroup + n);
    const auto colour2 = hn::Load(d, colourGroup + 2 * n);
    for (std::int64_t y = 0; y < p.height; ++y) {
        const std::uint8_t* m = p.mask + y * p.bytesPerRow;
        std::uint8_t* t = p.target + y * p.bytesPerRow;
        auto lowest = hn::Set(d16, 0xFFFF);
        auto bits = hn::Zero(d);
        for (std::int64_t i = 0; i < last; i += group)
            LookAtGroup(d, m + i, lowest, bits);
        LookAtGroup(d, m + last, lowest, bits);
        if (hn::AllFalse(d16, hn::Eq(lowest, hn::Zero(d16))))
            continue;
        if (hn::AllTrue(d, hn::Eq(bits, hn::Zero(d)))) {
            for (std::int64_t i = 0; i < last; i += group) {
                hn::StoreU(colour0, d, t + i);
                hn::StoreU(colour1, d, t + i + n);
                hn::StoreU(colour2, d, t + i + 2 * n);
            }
            hn::StoreU(colour0, d, t + last);
            hn::StoreU(colour1, d, t + last + n);
            hn::StoreU(colour2, d, t + last + 2 * n);
            continue;
        }
        hn::Vec<decltype(d)> lastBlue, lastGreen, lastRed;
        PaintGroup(d, m + last, t + last, blue, green, red, lastBlue, lastGreen, lastRed);
        for (std::int64_t i = 0; i < last; i += group) {
            hn::Vec<decltype(d)> b, g, r;
            PaintGroup(d, m + i, t + i, blue, green, red, b, g, r);
            hn::StoreInterleaved3(b, g, r, d, t + i);
        }
        hn::StoreInterleaved3(lastBlue, lastGreen, lastRed, d, t + last);
    }
}

std::size_t VectorBytes() {
    return hn::Lanes(hn::ScalableTag<std::uint8_t>());
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
