#pragma once

#include "preview/paint_owners.h"

#include <QList>
#include <QString>
#include <vector>

// Two elements the preview draws touching, the upper one hard to read on the lower: on some
// screen a pixel the upper element paints has a neighbour (left, right, above or below) that the
// lower one paints, or that shows artwork, from a layer beneath the upper one's, and their
// colours as painted stay below ReadableContrast.
struct WeakPair {
    int upper = 0;
    int lower = 0;      // 0: the fixed artwork or the transparency pattern
    double ratio = 1;   // the lowest contrast ratio found between the two
    QList<int> screens; // the screens where it is weak, ascending
    friend bool operator==(const WeakPair&, const WeakPair&) = default;
};

// Every weak pair of the ten screens as composed from the input, weakest first (then by the
// upper element's number, then the lower's).
std::vector<WeakPair> FindWeakPairs(const PaintOwners& owners, const PreviewInput& input);

// A ratio as "2.9:1": one decimal, cut rather than rounded, so that a weak pair never reads 3.0.
QString RatioText(double ratio);
