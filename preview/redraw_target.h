#pragma once

#include "scheme/element_catalogue.h"

#include <QtGlobal>

// What a redraw composes: every screen, or only the screens that hold one element (1 to 60).
class RedrawTarget {
public:
    explicit constexpr RedrawTarget(int element) : element_(element) {
        Q_ASSERT(element >= 1 && element <= ElementCount);
    }
    static constexpr RedrawTarget all() { return RedrawTarget(); }

    constexpr bool isAll() const { return element_ == 0; }
    // The element whose screens are composed; 0 for every screen.
    constexpr int element() const { return element_; }

    constexpr bool operator==(const RedrawTarget&) const = default;

private:
    constexpr RedrawTarget() = default;
    int element_ = 0;
};
