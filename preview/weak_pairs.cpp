#include "preview/weak_pairs.h"

#include "scheme/contrast_ratio.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cmath>
#include <tuple>

namespace {

// The weakest contrast found so far between an upper and a lower element, and where.
struct Found {
    int upper, lower;
    double ratio;
    quint16 screens; // a bit per screen
};

class PairSearch {
public:
    PairSearch(const PaintOwners& owners, const PreviewInput& input)
        : owners_(owners), input_(input) {
        foundAt_.fill(-1);
    }

    void searchScreen(int screen) {
        screen_ = screen;
        owners_.compose(screen, input_, s_);
        for (auto& row : known_)
            row.fill(Known::Not);
        for (size_t j = 0; j < s_.paint.size(); ++j) {
            if (s_.paint[j].kind == LayerPaint::Colour)
                luminance_[j] = RelativeLuminance(PaintedColour(s_.paint[j].colour, input_));
        }
        // Eight pixels at a time: most pixels lie inside one layer's area, where a pixel and its
        // right and lower neighbours are painted by the same layer.
        for (int y = 0; y < ScreenHeight; ++y) {
            for (int x = 0; x < ScreenWidth; x += 8) {
                const int p = y * ScreenWidth + x;
                const quint64 here = eight(p);
                const int inRow = std::min(8, ScreenWidth - x);
                // The last pixel of a row has no right neighbour.
                const int withRight = x + 8 >= ScreenWidth ? inRow - 1 : inRow;
                neighboursDiffer(here ^ eight(p + 1), withRight, p, 1);
                if (y + 1 < ScreenHeight)
                    neighboursDiffer(here ^ eight(p + ScreenWidth), inRow, p, ScreenWidth);
            }
        }
    }

    std::vector<WeakPair> pairs() {
        // Weakest first; pairs of the same ratio in the order of their numbers.
        std::sort(found_.begin(), found_.end(), [](const Found& a, const Found& b) {
            return std::tie(a.ratio, a.upper, a.lower) < std::tie(b.ratio, b.upper, b.lower);
        });
        std::vector<WeakPair> pairs;
        for (const Found& f : found_) {
            WeakPair pair{f.upper, f.lower, f.ratio, {}};
            for (int i = 0; i < ScreenCount; ++i) {
                if (f.screens & (1u << i))
                    pair.screens.append(i);
            }
            pairs.push_back(pair);
        }
        return pairs;
    }

private:
    // The layer numbers of eight pixels from p on, the first in the lowest byte.
    quint64 eight(int p) const { return qFromLittleEndian<quint64>(s_.layer.data() + p); }

    // differ: a byte per pixel from p on, not 0 where the pixel's neighbour at p + step was
    // painted by another layer; only the first count pixels count.
    void neighboursDiffer(quint64 differ, int count, int p, int step) {
        if (count < 8)
            differ &= (quint64(1) << (8 * count)) - 1;
        while (differ != 0) {
            const int i = std::countr_zero(differ) / 8;
            differ &= ~(quint64(0xFF) << (8 * i));
            const int here = p + i, there = here + step;
            const bool hereOnTop = s_.layer[here] > s_.layer[there];
            const int top = hereOnTop ? here : there, below = hereOnTop ? there : here;
            if (known_[s_.layer[top]][s_.layer[below]] != Known::Fully)
                touch(top, below);
        }
    }

    // Two neighbouring pixels, the one on top painted by a layer above the other's.
    void touch(int top, int below) {
        const int topLayer = s_.layer[top], belowLayer = s_.layer[below];
        const LayerPaint& upper = s_.paint[topLayer];
        const LayerPaint& lower = s_.paint[belowLayer];
        const bool artwork = lower.kind != LayerPaint::Colour;
        const int lowerElement = artwork ? 0 : lower.element;
        Known& known = known_[topLayer][belowLayer];
        // Artwork is fixed: only an element in front can be made readable. An element's own
        // layers (its shadow part, its inverse) are one element. Two layers of one colour each
        // have one ratio, which the first place they touch tells; artwork has a colour per pixel.
        known = upper.kind != LayerPaint::Colour || lowerElement == upper.element || !artwork
                    ? Known::Fully
                    : Known::PerPixel;
        if (upper.kind != LayerPaint::Colour || lowerElement == upper.element)
            return;
        const double ratio = ContrastRatio(
            luminance_[topLayer], artwork ? owners_.artworkLuminance(screen_, belowLayer, below)
                                          : luminance_[belowLayer]);
        if (ratio >= ReadableContrast)
            return;
        qint16& at = foundAt_[size_t(upper.element) * (ElementCount + 1) + size_t(lowerElement)];
        if (at < 0) {
            at = qint16(found_.size());
            found_.push_back({upper.element, lowerElement, ratio, 0});
        }
        Found& f = found_[size_t(at)];
        f.ratio = std::min(f.ratio, ratio);
        f.screens |= quint16(1u << screen_);
    }

    const PaintOwners& owners_;
    const PreviewInput& input_;
    PaintOwners::Screen s_;
    int screen_ = 0;
    std::array<double, ImageMap::LayerSlots> luminance_{};
    // Per upper and lower layer, what is known of them on this screen: not yet anything, all
    // (they are no pair, or two colours whose ratio was taken), or that each place they touch
    // has its own ratio.
    enum class Known : quint8 { Not, Fully, PerPixel };
    std::array<std::array<Known, ImageMap::LayerSlots>, ImageMap::LayerSlots> known_{};
    std::vector<Found> found_;
    // Per upper and lower element, where in found_ the pair is; -1 while it is not.
    std::array<qint16, size_t(ElementCount + 1) * (ElementCount + 1)> foundAt_;
};

} // namespace

std::vector<WeakPair> FindWeakPairs(const PaintOwners& owners, const PreviewInput& input) {
    PairSearch search(owners, input);
    for (int i = 0; i < ScreenCount; ++i)
        search.searchScreen(i);
    return search.pairs();
}

QString RatioText(double ratio) {
    // The small allowance keeps a ratio computed a hair below a tenth on it: 1:1 reads 1.0.
    const double tenths = std::floor(ratio * 10 + 1e-9);
    return QString::number(tenths / 10, 'f', 1) + QStringLiteral(":1");
}
