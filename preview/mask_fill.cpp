#include "preview/mask_fill.h"

#include "preview/mask_fill_kernels.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// The colour in the display's three formats, encoded once per call.
struct Encoded {
    quint16 word16; // 5-6-5, each channel truncated to its bits, not rounded
    uchar bgr[3];   // 24 bits: blue, green, red
    quint32 word32; // 32 bits: 0xFFRRGGBB
};

// At 32 bits the fourth byte is 255: Qt reads it as the pixel's opacity where the windows are
// composed with alpha (Wayland), and a zero there would show the painted pixel as empty. It is
// part of the colour word, so every kernel stores it with the colour and none pays for it.
Encoded Encode(ColourValue colour) {
    const quint32 r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
    return {quint16(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3)),
            {uchar(b), uchar(g), uchar(r)},
            0xFF000000 | (r << 16) | (g << 8) | b};
}

// The plain loops, for every processor. They store unconditionally (the old or the new value),
// which lets the compiler turn them into vector code; a conditional store would keep them one
// pixel at a time.

void Fill16Plain(const uchar* __restrict mask, uchar* __restrict target, const BitmapGeometry& g,
                 quint16 word) {
    for (qint32 y = 0; y < g.height; ++y) {
        // Rows start on 2-byte boundaries, so each row is a run of 16-bit words.
        const quint16* __restrict m =
            reinterpret_cast<const quint16*>(mask + qint64(y) * g.bytesPerRow);
        quint16* __restrict t = reinterpret_cast<quint16*>(target + qint64(y) * g.bytesPerRow);
        for (qint32 x = 0; x < g.width; ++x)
            t[x] = m[x] == 0 ? word : t[x];
    }
}

void Fill24Plain(const uchar* mask, uchar* target, const BitmapGeometry& g, const uchar* bgr) {
    const qint32 padding = g.bytesPerRow - g.width * 3;
    for (qint32 y = 0; y < g.height; ++y) {
        for (qint32 x = 0; x < g.width; ++x) {
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
void Fill32Plain(const uchar* __restrict mask, uchar* __restrict target, const BitmapGeometry& g,
                 quint32 word) {
    const qint64 pixels = qint64(g.width) * g.height;
    const quint32* __restrict m = reinterpret_cast<const quint32*>(mask);
    quint32* __restrict t = reinterpret_cast<quint32*>(target);
    for (qint64 i = 0; i < pixels; ++i)
        t[i] = (m[i] & 0x00FFFFFF) == 0 ? word : t[i];
}

#if defined(__x86_64__)

// The vector kernels take the pictures a row at a time (at 32 bits a row is one picture width of
// the run of pixels) and first look over the row's mask: a row without a black pixel is left
// alone, and the others are painted, each vector tested and blended without a branch. Preview
// masks are black over one element's area, so most rows are left alone. At 16 and 32 bits,
// where a look costs nearly as much as painting, a row that follows one with black pixels is
// painted without a look, so that a mask black throughout is read once per row. At 24 bits,
// where painting a vector costs several times as much as storing one, every row is looked at,
// and a row black throughout is stored in the colour without reading the target.
//
// A row is filled a vector at a time. Its last vector ends at its last pixel byte and overlaps
// the one before it where the row is not a whole number of vectors: painting a byte twice gives
// it the same value, as the mask does not change. That last vector is worked out before the row
// is written, so that its loads never wait for a store they partly overlap. Padding bytes are
// neither read as pixels nor written. A row narrower than one vector goes to the next narrower
// kernel, down to the plain loop.

// What the look over a row's mask found.
enum class RowMask { NoBlack, AllBlack, Mixed };

// How far a row's mask may be read around its pixel bytes, for the 24-bit loads that reach two
// bytes beyond a vector: the first row has nothing before it and the last row may have less
// than two padding bytes after it.
struct RowReach {
    qint64 before; // bytes readable before the row's first pixel byte, at most 2
    qint64 pixels; // the row's pixel bytes
    qint64 after;  // bytes readable after its last pixel byte, at most 2

    RowReach(qint64 rowStart, qint64 rowPixels, qint64 bufferSize)
        : before(std::min<qint64>(rowStart, 2)), pixels(rowPixels),
          after(std::min<qint64>(bufferSize - rowStart - rowPixels, 2)) {}

    // Whether every vector of the row can be read with its neighbours in place.
    bool full() const { return before == 2 && after == 2; }

    // The mask bytes of the vector of the given bytes at byte i of row m, with two neighbours on
    // each side: in place where they can be read, otherwise copied into copy (bytes + 4 long)
    // with zeros for what cannot be read. The zeros only stand for bytes outside the row, which
    // belong to no pixel of the vector.
    const uchar* around(const uchar* m, qint64 i, qint64 bytes, uchar* copy) const {
        if (i - 2 >= -before && i + bytes + 2 <= pixels + after)
            return m + i;
        const qint64 from = std::max(i - 2, -before), to = std::min(i + bytes + 2, pixels + after);
        std::memset(copy, 0, size_t(bytes + 4));
        std::memcpy(copy + (from - (i - 2)), m + from, size_t(to - from));
        return copy + 2;
    }
};

// Which byte of its pixel each byte of a 24-bit row is, as masks: a vector loaded from
// Pixel24Byte.masks[k] + q marks byte k of the pixels in a vector that starts on byte q of one.
struct PixelBytePatterns {
    uchar masks[3][34];
};

constexpr PixelBytePatterns MakePixelBytePatterns() {
    PixelBytePatterns patterns{};
    for (int k = 0; k < 3; ++k) {
        for (int j = 0; j < 34; ++j)
            patterns.masks[k][j] = j % 3 == k ? 0xFF : 0;
    }
    return patterns;
}

alignas(64) constexpr PixelBytePatterns Pixel24Byte = MakePixelBytePatterns();

// The 32-bit run of pixels as rows of a picture width, or as one row where a width is narrower
// than a vector.
struct Run32 {
    qint64 rows, rowBytes;
    Run32(const BitmapGeometry& g, qint64 vectorBytes) {
        const qint64 width = qint64(g.width) * 4;
        rows = width >= vectorBytes ? g.height : 1;
        rowBytes = width >= vectorBytes ? width : width * g.height;
    }
};

// SSE2, on every x86-64 processor.

__m128i LoadSse(const uchar* at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

void StoreSse(uchar* at, __m128i value) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), value);
}

// The bytes of b where select is set, those of a elsewhere.
__m128i SelectSse(__m128i select, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(select, b), _mm_andnot_si128(select, a));
}

bool NoneSetSse(__m128i flags) {
    return _mm_movemask_epi8(flags) == 0;
}

// Vectors of whole pixels: 16 bits, or 32 bits whose fourth byte does not count. black gives
// all bytes of the black pixels set.
struct Pixels16Sse {
    __m128i colour;
    __m128i black(__m128i mask) const { return _mm_cmpeq_epi16(mask, _mm_setzero_si128()); }
};

struct Pixels32Sse {
    __m128i colour;
    __m128i black(__m128i mask) const {
        const __m128i bgr = _mm_and_si128(mask, _mm_set1_epi32(0x00FFFFFF));
        return _mm_cmpeq_epi32(bgr, _mm_setzero_si128());
    }
};

template <class Pixels>
void RowsSse(const uchar* mask, uchar* target, qint64 rows, qint64 rowBytes, qint64 stride,
             const Pixels& px) {
    const qint64 last = rowBytes - 16;
    bool look = true;
    for (qint64 y = 0; y < rows; ++y) {
        const uchar* m = mask + y * stride;
        uchar* t = target + y * stride;
        if (look) {
            __m128i black = px.black(LoadSse(m + last));
            for (qint64 i = 0; i < last; i += 16)
                black = _mm_or_si128(black, px.black(LoadSse(m + i)));
            if (NoneSetSse(black))
                continue;
        }
        const __m128i lastBlack = px.black(LoadSse(m + last));
        const __m128i lastVector = SelectSse(lastBlack, LoadSse(t + last), px.colour);
        __m128i anyBlack = lastBlack;
        for (qint64 i = 0; i < last; i += 16) {
            const __m128i black = px.black(LoadSse(m + i));
            StoreSse(t + i, SelectSse(black, LoadSse(t + i), px.colour));
            anyBlack = _mm_or_si128(anyBlack, black);
        }
        StoreSse(t + last, lastVector);
        look = NoneSetSse(anyBlack);
    }
}

void Fill16Sse(const uchar* mask, uchar* target, const BitmapGeometry& g, quint16 word) {
    const qint64 rowBytes = qint64(g.width) * 2;
    if (rowBytes < 16)
        return Fill16Plain(mask, target, g, word);
    RowsSse(mask, target, g.height, rowBytes, g.bytesPerRow,
            Pixels16Sse{_mm_set1_epi16(qint16(word))});
}

void Fill32Sse(const uchar* mask, uchar* target, const BitmapGeometry& g, quint32 word) {
    const Run32 run(g, 16);
    if (run.rowBytes < 16)
        return Fill32Plain(mask, target, g, word);
    RowsSse(mask, target, run.rows, run.rowBytes, run.rowBytes,
            Pixels32Sse{_mm_set1_epi32(qint32(word))});
}

// The byte patterns of a 16-byte vector at 24 bits whose first byte is the given byte of a
// pixel: which neighbour loads count for each byte, the first and third bytes, and the colour.
struct Phase24Sse {
    __m128i after1, before1, after2, before2, ends, colour;

    Phase24Sse(int first, const uchar* bgr) {
        const __m128i firsts = LoadSse(Pixel24Byte.masks[0] + first);
        const __m128i seconds = LoadSse(Pixel24Byte.masks[1] + first);
        const __m128i thirds = LoadSse(Pixel24Byte.masks[2] + first);
        after1 = _mm_or_si128(firsts, seconds);
        before1 = _mm_or_si128(seconds, thirds);
        after2 = firsts;
        before2 = thirds;
        ends = _mm_or_si128(firsts, thirds);
        colour = _mm_or_si128(_mm_and_si128(firsts, _mm_set1_epi8(char(bgr[0]))),
                              _mm_or_si128(_mm_and_si128(seconds, _mm_set1_epi8(char(bgr[1]))),
                                           _mm_and_si128(thirds, _mm_set1_epi8(char(bgr[2])))));
    }
};

// Each mask byte ORed with the other two bytes of its pixel, read by loads one and two bytes
// before and after the vector: a pixel's first byte takes its two followers, its second byte
// both neighbours, its third the two bytes before it. Zero exactly on black pixels.
__m128i Paint24Sse(const uchar* m, const uchar* t, const Phase24Sse& p) {
    __m128i pixel = _mm_or_si128(LoadSse(m), _mm_and_si128(LoadSse(m + 1), p.after1));
    pixel = _mm_or_si128(pixel, _mm_and_si128(LoadSse(m - 1), p.before1));
    pixel = _mm_or_si128(pixel, _mm_and_si128(LoadSse(m + 2), p.after2));
    pixel = _mm_or_si128(pixel, _mm_and_si128(LoadSse(m - 2), p.before2));
    return SelectSse(_mm_cmpeq_epi8(pixel, _mm_setzero_si128()), LoadSse(t), p.colour);
}

// A row's vectors start at 0, 16, 32, ... and the last one at n - 16; the vector at i starts on
// byte (i % 3) of a pixel. A black pixel touching a vector has its first or its third byte in
// it, and zero; a mask's magenta has only its middle byte zero.
RowMask LookAtRow24Sse(const uchar* m, qint64 n, const Phase24Sse* phases) {
    __m128i blackEnds = _mm_setzero_si128(), bits = _mm_setzero_si128();
    const auto look = [&](qint64 i) {
        const __m128i vector = LoadSse(m + i);
        const __m128i zeros = _mm_cmpeq_epi8(vector, _mm_setzero_si128());
        blackEnds = _mm_or_si128(blackEnds, _mm_and_si128(zeros, phases[i % 3].ends));
        bits = _mm_or_si128(bits, vector);
    };
    for (qint64 i = 0; i < n - 16; i += 16)
        look(i);
    look(n - 16);
    if (NoneSetSse(blackEnds))
        return RowMask::NoBlack;
    const __m128i zeros = _mm_cmpeq_epi8(bits, _mm_setzero_si128());
    return _mm_movemask_epi8(zeros) == 0xFFFF ? RowMask::AllBlack : RowMask::Mixed;
}

// Careful where the neighbour loads could leave the buffer.
template <bool Careful>
void Row24Sse(const uchar* m, uchar* t, const RowReach& reach, const Phase24Sse* phases) {
    const qint64 n = reach.pixels, last = n - 16;
    switch (LookAtRow24Sse(m, n, phases)) {
    case RowMask::NoBlack:
        return;
    case RowMask::AllBlack:
        for (qint64 i = 0; i < last; i += 16)
            StoreSse(t + i, phases[i % 3].colour);
        StoreSse(t + last, phases[last % 3].colour);
        return;
    case RowMask::Mixed:
        break;
    }
    alignas(16) uchar copy[20];
    const auto maskAt = [&](qint64 i) {
        return Careful ? reach.around(m, i, 16, copy) : m + i;
    };
    const __m128i lastVector = Paint24Sse(maskAt(last), t + last, phases[last % 3]);
    qint64 i = 0;
    if (!Careful) {
        // Vectors 0, 16 and 32 bytes past a multiple of 48 start on a pixel's first, second and
        // third byte.
        for (; i + 48 <= n; i += 48) {
            StoreSse(t + i, Paint24Sse(m + i, t + i, phases[0]));
            StoreSse(t + i + 16, Paint24Sse(m + i + 16, t + i + 16, phases[1]));
            StoreSse(t + i + 32, Paint24Sse(m + i + 32, t + i + 32, phases[2]));
        }
    }
    for (; i < last; i += 16)
        StoreSse(t + i, Paint24Sse(maskAt(i), t + i, phases[i % 3]));
    StoreSse(t + last, lastVector);
}

void Fill24Sse(const uchar* mask, uchar* target, const BitmapGeometry& g, const uchar* bgr) {
    const qint64 n = qint64(g.width) * 3;
    if (n < 16)
        return Fill24Plain(mask, target, g, bgr);
    const Phase24Sse phases[3] = {{0, bgr}, {1, bgr}, {2, bgr}};
    const qint64 size = qint64(g.bytesPerRow) * g.height;
    for (qint64 y = 0; y < g.height; ++y) {
        const qint64 start = y * g.bytesPerRow;
        const RowReach reach(start, n, size);
        if (reach.full())
            Row24Sse<false>(mask + start, target + start, reach, phases);
        else
            Row24Sse<true>(mask + start, target + start, reach, phases);
    }
}

// AVX2, only where the processor has it: 32-byte vectors.

#define ZEF_AVX2 __attribute__((target("avx2")))
// For the steps of a row, which the compiler would otherwise call once per row or vector.
#define ZEF_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

ZEF_AVX2_INLINE __m256i LoadAvx(const uchar* at) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

ZEF_AVX2_INLINE void StoreAvx(uchar* at, __m256i value) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(at), value);
}

ZEF_AVX2_INLINE bool NoneSetAvx(__m256i flags) {
    return _mm256_testz_si256(flags, flags);
}

// Vectors of whole pixels: 16 bits, or 32 bits whose fourth byte does not count. black gives
// all bytes of the black pixels set. deciding gives each pixel's deciding bits as a number, zero
// exactly for a black pixel, lower the smaller of two such numbers, and zero all bytes of the
// numbers that are zero.
struct Pixels16Avx {
    __m256i colour;
    ZEF_AVX2_INLINE __m256i black(__m256i mask) const { return zero(mask); }
    ZEF_AVX2_INLINE __m256i deciding(__m256i mask) const { return mask; }
    ZEF_AVX2_INLINE __m256i lower(__m256i a, __m256i b) const { return _mm256_min_epu16(a, b); }
    ZEF_AVX2_INLINE __m256i zero(__m256i a) const {
        return _mm256_cmpeq_epi16(a, _mm256_setzero_si256());
    }
};

struct Pixels32Avx {
    __m256i colour;
    ZEF_AVX2_INLINE __m256i black(__m256i mask) const {
        const __m256i bgr = _mm256_and_si256(mask, _mm256_set1_epi32(0x00FFFFFF));
        return zero(bgr);
    }
    ZEF_AVX2_INLINE __m256i deciding(__m256i mask) const { return _mm256_slli_epi32(mask, 8); }
    ZEF_AVX2_INLINE __m256i lower(__m256i a, __m256i b) const { return _mm256_min_epu32(a, b); }
    ZEF_AVX2_INLINE __m256i zero(__m256i a) const {
        return _mm256_cmpeq_epi32(a, _mm256_setzero_si256());
    }
};

template <class Pixels>
ZEF_AVX2 void RowsAvx(const uchar* mask, uchar* target, qint64 rows, qint64 rowBytes, qint64 stride,
                      const Pixels& px) {
    const qint64 last = rowBytes - 32;
    bool look = true;
    for (qint64 y = 0; y < rows; ++y) {
        const uchar* m = mask + y * stride;
        uchar* t = target + y * stride;
        if (look) {
            // The smallest deciding number of the row's pixels, in two halves so that the loop
            // does not wait for each step before the next.
            __m256i low = px.deciding(LoadAvx(m + last)), low2 = _mm256_set1_epi8(-1);
            qint64 i = 0;
            for (; i + 32 < last; i += 64) {
                low = px.lower(low, px.deciding(LoadAvx(m + i)));
                low2 = px.lower(low2, px.deciding(LoadAvx(m + i + 32)));
            }
            if (i < last)
                low = px.lower(low, px.deciding(LoadAvx(m + i)));
            if (NoneSetAvx(px.zero(px.lower(low, low2))))
                continue;
        }
        const __m256i lastBlack = px.black(LoadAvx(m + last));
        const __m256i lastVector = _mm256_blendv_epi8(LoadAvx(t + last), px.colour, lastBlack);
        __m256i anyBlack = lastBlack;
        for (qint64 i = 0; i < last; i += 32) {
            const __m256i black = px.black(LoadAvx(m + i));
            StoreAvx(t + i, _mm256_blendv_epi8(LoadAvx(t + i), px.colour, black));
            anyBlack = _mm256_or_si256(anyBlack, black);
        }
        StoreAvx(t + last, lastVector);
        look = NoneSetAvx(anyBlack);
    }
}

ZEF_AVX2 void Fill16Avx(const uchar* mask, uchar* target, const BitmapGeometry& g, quint16 word) {
    const qint64 rowBytes = qint64(g.width) * 2;
    if (rowBytes < 32)
        return Fill16Sse(mask, target, g, word);
    RowsAvx(mask, target, g.height, rowBytes, g.bytesPerRow,
            Pixels16Avx{_mm256_set1_epi16(qint16(word))});
}

ZEF_AVX2 void Fill32Avx(const uchar* mask, uchar* target, const BitmapGeometry& g, quint32 word) {
    const Run32 run(g, 32);
    if (run.rowBytes < 32)
        return Fill32Sse(mask, target, g, word);
    RowsAvx(mask, target, run.rows, run.rowBytes, run.rowBytes,
            Pixels32Avx{_mm256_set1_epi32(qint32(word))});
}

// At 24 bits: which bytes of a 32-byte vector are a pixel's first, second and third byte, and
// the colour.
struct Phase24Avx {
    __m256i first, second, third, colour;

    ZEF_AVX2 Phase24Avx(int start, const uchar* bgr) {
        first = LoadAvx(Pixel24Byte.masks[0] + start);
        second = LoadAvx(Pixel24Byte.masks[1] + start);
        third = LoadAvx(Pixel24Byte.masks[2] + start);
        colour = _mm256_blendv_epi8(_mm256_blendv_epi8(_mm256_set1_epi8(char(bgr[2])),
                                                       _mm256_set1_epi8(char(bgr[1])), second),
                                    _mm256_set1_epi8(char(bgr[0])), first);
    }
};

// A vector painted on its own, as Paint24Sse does it: each mask byte ORed with the other two
// bytes of its pixel through loads up to two bytes before and after the vector.
ZEF_AVX2_INLINE __m256i Paint24Avx(const uchar* m, const uchar* t, const Phase24Avx& p) {
    const __m256i before1 = LoadAvx(m - 1);
    // One neighbour: the next byte, but the one before for a pixel's third byte.
    const __m256i near = _mm256_blendv_epi8(LoadAvx(m + 1), before1, p.third);
    // The other: two bytes on for a first byte, one back for a second, two back for a third.
    const __m256i far = _mm256_blendv_epi8(_mm256_blendv_epi8(LoadAvx(m + 2), before1, p.second),
                                           LoadAvx(m - 2), p.third);
    const __m256i pixel = _mm256_or_si256(LoadAvx(m), _mm256_or_si256(near, far));
    const __m256i black = _mm256_cmpeq_epi8(pixel, _mm256_setzero_si256());
    return _mm256_blendv_epi8(LoadAvx(t), p.colour, black);
}

// A run of vectors is painted for less: the mask ORed with the loads one and two bytes on is
// zero on the first byte of a black pixel, and that mark is then spread over the pixel's next
// two bytes, which may lie in the next vector.
ZEF_AVX2_INLINE __m256i BlackStartsAvx(const uchar* m, const Phase24Avx& p) {
    const __m256i pixel =
        _mm256_or_si256(LoadAvx(m), _mm256_or_si256(LoadAvx(m + 1), LoadAvx(m + 2)));
    return _mm256_and_si256(_mm256_cmpeq_epi8(pixel, _mm256_setzero_si256()), p.first);
}

// The black pixels' bytes from their starts in this vector and the 32 bytes before it.
ZEF_AVX2_INLINE __m256i SpreadOverPixelsAvx(__m256i before, __m256i starts) {
    // The 32 bytes that end 16 bytes into this vector, so that each 16-byte lane can shift in
    // the bytes before it.
    const __m256i shifted = _mm256_permute2x128_si256(before, starts, 0x21);
    return _mm256_or_si256(starts, _mm256_or_si256(_mm256_alignr_epi8(starts, shifted, 15),
                                                   _mm256_alignr_epi8(starts, shifted, 14)));
}

// Paints the vector at t from the mask at m, given the black starts of the 32 bytes before it;
// gives this vector's starts for the next.
ZEF_AVX2_INLINE __m256i PaintInRunAvx(const uchar* m, uchar* t, __m256i before,
                                      const Phase24Avx& p) {
    const __m256i starts = BlackStartsAvx(m, p);
    StoreAvx(t, _mm256_blendv_epi8(LoadAvx(t), p.colour, SpreadOverPixelsAvx(before, starts)));
    return starts;
}

// A black pixel's three zero bytes always hold a zero 16-bit word at an even offset of the row,
// and the magenta around an element's area holds none, so the smallest word of the row finds
// the rows worth painting with one load a vector and no regard for where pixels start. Another
// mask colour may hold a zero word without a black pixel; its row is then painted for nothing,
// which changes no pixel. The words are counted from the row's first byte.
ZEF_AVX2_INLINE bool MayHoldBlack24Avx(const uchar* m, qint64 n) {
    const qint64 last = (n & ~qint64(1)) - 32;
    // Three running minimums, so that each load waits for no other.
    __m256i a = LoadAvx(m + last), b = a, c = a;
    qint64 i = 0;
    for (; i + 96 <= last; i += 96) {
        a = _mm256_min_epu16(a, LoadAvx(m + i));
        b = _mm256_min_epu16(b, LoadAvx(m + i + 32));
        c = _mm256_min_epu16(c, LoadAvx(m + i + 64));
    }
    for (; i < last; i += 32)
        a = _mm256_min_epu16(a, LoadAvx(m + i));
    const __m256i lowest = _mm256_min_epu16(a, _mm256_min_epu16(b, c));
    return !NoneSetAvx(_mm256_cmpeq_epi16(lowest, _mm256_setzero_si256()));
}

// Leaves at the first vector with a byte that is not black: in a row of an element's edge that
// is most often the first.
ZEF_AVX2_INLINE bool AllBlack24Avx(const uchar* m, qint64 n) {
    for (qint64 i = 0; i < n - 32; i += 32) {
        const __m256i v = LoadAvx(m + i);
        if (!NoneSetAvx(v))
            return false;
    }
    return NoneSetAvx(LoadAvx(m + n - 32));
}

// A row black throughout takes the colour without a look at the target.
ZEF_AVX2 void FillRow24Avx(uchar* t, qint64 n, const Phase24Avx* phases) {
    qint64 i = 0;
    for (; i + 96 <= n; i += 96) {
        StoreAvx(t + i, phases[0].colour);
        StoreAvx(t + i + 32, phases[2].colour);
        StoreAvx(t + i + 64, phases[1].colour);
    }
    for (; i < n - 32; i += 32)
        StoreAvx(t + i, phases[i % 3].colour);
    // The last vector starts on a pixel's second byte.
    StoreAvx(t + n - 32, phases[1].colour);
}

// A row that holds black somewhere: every vector is painted without a branch.
template <bool Careful>
ZEF_AVX2 void PaintRow24Avx(const uchar* m, uchar* t, const RowReach& reach,
                            const Phase24Avx* phases) {
    const qint64 n = reach.pixels, last = n - 32;
    alignas(32) uchar copy[36];
    const auto maskAt = [&](qint64 i) {
        return Careful ? reach.around(m, i, 32, copy) : m + i;
    };
    const __m256i lastVector = Paint24Avx(maskAt(last), t + last, phases[1]);
    // No pixel of the row starts before it.
    __m256i starts = _mm256_setzero_si256();
    qint64 i = 0;
    if (!Careful) {
        // Vectors 0, 32 and 64 bytes past a multiple of 96 start on a pixel's first, third and
        // second byte.
        for (; i + 96 <= n; i += 96) {
            starts = PaintInRunAvx(m + i, t + i, starts, phases[0]);
            starts = PaintInRunAvx(m + i + 32, t + i + 32, starts, phases[2]);
            starts = PaintInRunAvx(m + i + 64, t + i + 64, starts, phases[1]);
        }
    }
    for (; i < last; i += 32)
        starts = PaintInRunAvx(maskAt(i), t + i, starts, phases[i % 3]);
    StoreAvx(t + last, lastVector);
}

ZEF_AVX2 void Fill24Avx(const uchar* mask, uchar* target, const BitmapGeometry& g,
                        const uchar* bgr) {
    const qint64 n = qint64(g.width) * 3;
    if (n < 32)
        return Fill24Sse(mask, target, g, bgr);
    const Phase24Avx phases[3] = {{0, bgr}, {1, bgr}, {2, bgr}};
    const qint64 size = qint64(g.bytesPerRow) * g.height;
    // Up to 64 rows are looked at first, without a branch, and then only the rows that may hold
    // black are visited: a branch per row would guess wrong at every edge of an element's area.
    for (qint64 first = 0; first < g.height; first += 64) {
        const int rows = int(std::min<qint64>(64, g.height - first));
        quint64 marked = 0;
        for (int r = 0; r < rows; ++r)
            marked |= quint64(MayHoldBlack24Avx(mask + (first + r) * g.bytesPerRow, n)) << r;
        for (; marked != 0; marked &= marked - 1) {
            const qint64 start = (first + std::countr_zero(marked)) * g.bytesPerRow;
            if (AllBlack24Avx(mask + start, n)) {
                FillRow24Avx(target + start, n, phases);
                continue;
            }
            const RowReach reach(start, n, size);
            if (reach.full())
                PaintRow24Avx<false>(mask + start, target + start, reach, phases);
            else
                PaintRow24Avx<true>(mask + start, target + start, reach, phases);
        }
    }
}

bool ProcessorHasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

#endif // __x86_64__

} // namespace

bool MaskFillKernelRuns(MaskFillKernel kernel) {
    switch (kernel) {
    case MaskFillKernel::Plain:
        return true;
#if defined(__x86_64__)
    case MaskFillKernel::Sse2:
        return true;
    case MaskFillKernel::Avx2:
        return ProcessorHasAvx2();
#endif
    default:
        return false;
    }
}

MaskFillKernel FastestMaskFillKernel() {
    for (const MaskFillKernel kernel : {MaskFillKernel::Avx2, MaskFillKernel::Sse2}) {
        if (MaskFillKernelRuns(kernel))
            return kernel;
    }
    return MaskFillKernel::Plain;
}

void MaskFillWith(MaskFillKernel kernel, const uchar* mask, uchar* target,
                  const BitmapGeometry& geometry, ColourValue colour) {
    if (geometry.width <= 0 || geometry.height <= 0)
        return;
    const Encoded encoded = Encode(colour);
    switch (geometry.bitsPerPixel) {
    case 16:
#if defined(__x86_64__)
        if (kernel == MaskFillKernel::Avx2)
            return Fill16Avx(mask, target, geometry, encoded.word16);
        if (kernel == MaskFillKernel::Sse2)
            return Fill16Sse(mask, target, geometry, encoded.word16);
#endif
        return Fill16Plain(mask, target, geometry, encoded.word16);
    case 24:
#if defined(__x86_64__)
        if (kernel == MaskFillKernel::Avx2)
            return Fill24Avx(mask, target, geometry, encoded.bgr);
        if (kernel == MaskFillKernel::Sse2)
            return Fill24Sse(mask, target, geometry, encoded.bgr);
#endif
        return Fill24Plain(mask, target, geometry, encoded.bgr);
    case 32:
#if defined(__x86_64__)
        if (kernel == MaskFillKernel::Avx2)
            return Fill32Avx(mask, target, geometry, encoded.word32);
        if (kernel == MaskFillKernel::Sse2)
            return Fill32Sse(mask, target, geometry, encoded.word32);
#endif
        return Fill32Plain(mask, target, geometry, encoded.word32);
    default:
        return;
    }
}

void MaskFill(const uchar* mask, uchar* target, const BitmapGeometry& geometry,
              ColourValue colour) {
    static const MaskFillKernel kernel = FastestMaskFillKernel();
    MaskFillWith(kernel, mask, target, geometry, colour);
}

ColourValue ToLcdColour(ColourValue colour) {
    const auto squeeze = [](int component, double span, int offset) {
        return int(std::lround(component * span / 255.0 + offset));
    };
    return MakeColour(squeeze(RedOf(colour), 154, 81), squeeze(GreenOf(colour), 210, 25),
                      squeeze(BlueOf(colour), 113, 95));
}
