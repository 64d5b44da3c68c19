#pragma once

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace quorvel {

// A length or position in widget pixels computed in doubles (a picture's
// size times the zoom), as an int within what a widget can be: a picture of
// hundreds of millions of pixels zoomed in exceeds the int range.
inline int WidgetLength(double pixels) {
    constexpr double kMost = QWIDGETSIZE_MAX;
    return static_cast<int>(std::clamp(pixels, -kMost, kMost));
}

} // namespace quorvel
