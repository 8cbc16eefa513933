#include "preview/mask_fill_kernels.h"

// One pixel at a time. They store unconditionally (the old or the new value), which lets the
// compiler turn them into vector code of its own.

void Fill16Plain(const PixelBuffers& p, std::uint16_t colour) {
    for (std::int32_t y = 0; y < p.height; ++y) {
        // Rows start on 2-byte boundaries, so each row is a run of 16-bit words.
        const std::int64_t row = std::int64_t(y) * p.bytesPerRow;
        const auto* __restrict m = reinterpret_cast<const std::uint16_t*>(p.mask + row);
        auto* __restrict t = reinterpret_cast<std::uint16_t*>(p.target + row);
        for (std::int32_t x = 0; x < p.width; ++x)
            t[x] = m[x] == 0 ? colour : t[x];
    }
}

void Fill24Plain(const PixelBuffers& p, const std::uint8_t* bgr) {
    const std::int64_t padding = p.bytesPerRow - std::int64_t(p.width) * 3;
    const std::uint8_t* mask = p.mask;
    std::uint8_t* target = p.target;
    for (std::int32_t y = 0; y < p.height; ++y) {
        for (std::int32_t x = 0; x < p.width; ++x) {
            const bool black = (mask[0] | mask[1] | mask[2]) == 0;
            target[0] = black ? bgr[0] : target[0];
            target[1] = black ? bgr[1] : target[1];
            target[2] = black ? bgr[2] : target[2];
            mask += 3;
            target += 3;
        }
        mask += padding;
        target += padding;
    }
}

// At 32 bits the picture is taken as one run of pixels, without row padding.
void Fill32Plain(const PixelBuffers& p, std::uint32_t colour) {
    const std::int64_t pixels = std::int64_t(p.width) * p.height;
    const auto* __restrict m = reinterpret_cast<const std::uint32_t*>(p.mask);
    auto* __restrict t = reinterpret_cast<std::uint32_t*>(p.target);
    for (std::int64_t i = 0; i < pixels; ++i)
        t[i] = (m[i] & 0x00FFFFFF) == 0 ? colour : t[i];
}
