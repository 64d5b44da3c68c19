#include "picture/raster/coverage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quorvel {
namespace {

// Wide enough for a step count times a coordinate difference (2^33 * 2^33).
__extension__ using Wide = __int128;

std::int64_t FloorDivide(Wide numerator, Wide denominator) {
    Wide quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) {
        --quotient;
    }
    return static_cast<std::int64_t>(quotient);
}

// Columns whose pixel centres lie strictly between lo and hi, unbounded.
struct Columns {
    double first;
    double last;
};
Columns CentresBetween(double lo, double hi) {
    return {std::floor(lo - 0.5) + 1.0, std::ceil(hi - 0.5) - 1.0};
}

// Hands the part of the columns inside [0, width) to the sink.
void Emit(const SpanSink& sink, int y, Columns columns, int width) {
    double first = std::max(0.0, columns.first);
    double last = std::min(width - 1.0, columns.last);
    if (first <= last) {
        sink(y, static_cast<int>(first), static_cast<int>(last) + 1);
    }
}

} // namespace

void CoverThinLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, int width,
                   int height, const SpanSink& sink) {
    const std::int64_t dx = std::int64_t{x1} - x0;
    const std::int64_t dy = std::int64_t{y1} - y0;
    if (dx == 0 && dy == 0) {
        return;
    }
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t majorStart = xMajor ? x0 : y0;
    const std::int64_t minorStart = xMajor ? y0 : x0;
    const std::int64_t majorDelta = xMajor ? dx : dy;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t majorSize = xMajor ? width : height;
    const std::int64_t minorSize = xMajor ? height : width;
    const std::int64_t steps = std::llabs(majorDelta);
    const std::int64_t direction = majorDelta > 0 ? 1 : -1;

    // Steps whose major coordinate majorStart + direction * step is inside the raster.
    std::int64_t first = direction > 0 ? -majorStart : majorStart - (majorSize - 1);
    std::int64_t last = direction > 0 ? majorSize - 1 - majorStart : majorStart;
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, steps - 1);

    for (std::int64_t step = first; step <= last; ++step) {
        // minor = minorStart + round(step * minorDelta / steps), halves rounded up.
        std::int64_t minor =
            minorStart + FloorDivide(Wide{2} * step * minorDelta + steps, Wide{2} * steps);
        if (minor < 0 || minor >= minorSize) {
            continue;
        }
        auto major = static_cast<int>(majorStart + direction * step);
        auto other = static_cast<int>(minor);
        if (xMajor) {
            sink(other, major, major + 1);
        } else {
            sink(major, other, other + 1);
        }
    }
}

void CoverWideLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, int penWidth,
                   int width, int height, const SpanSink& sink) {
    const double offset = penWidth % 2 != 0 ? 0.5 : 0.0;
    const double ax = x0 + offset;
    const double ay = y0 + offset;
    const double bx = x1 + offset;
    const double by = y1 + offset;
    const double radius = penWidth / 2.0;
    const double ddx = bx - ax;
    const double ddy = by - ay;
    const double lengthSquared = ddx * ddx + ddy * ddy;
    const double length = std::sqrt(lengthSquared);
    constexpr double kInfinity = std::numeric_limits<double>::infinity();

    const double top = std::max(0.0, std::floor(std::min(ay, by) - radius) - 1.0);
    const double bottom = std::min(height - 1.0, std::ceil(std::max(ay, by) + radius) + 1.0);
    if (!(top <= bottom)) {
        return;
    }
    for (int y = static_cast<int>(top); y <= static_cast<int>(bottom); ++y) {
        const double c = y + 0.5;
        double lo = kInfinity;
        double hi = -kInfinity;
        // The round ends.
        for (auto [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            double d = c - py;
            if (std::abs(d) < radius) {
                double half = std::sqrt(radius * radius - d * d);
                lo = std::min(lo, px - half);
                hi = std::max(hi, px + half);
            }
        }
        // The band along the segment: u = x - ax with 0 <= projection <= length
        // and perpendicular distance below radius.
        if (length > 0) {
            const double v = c - ay;
            double uLo = -kInfinity;
            double uHi = kInfinity;
            bool empty = false;
            if (ddy != 0) {
                double p = (v * ddx - radius * length) / ddy;
                double q = (v * ddx + radius * length) / ddy;
                uLo = std::max(uLo, std::min(p, q));
                uHi = std::min(uHi, std::max(p, q));
            } else if (std::abs(v * ddx) >= radius * length) {
                empty = true;
            }
            if (ddx != 0) {
                double p = -v * ddy / ddx;
                double q = (lengthSquared - v * ddy) / ddx;
                uLo = std::max(uLo, std::min(p, q));
                uHi = std::min(uHi, std::max(p, q));
            } else if (v * ddy < 0 || v * ddy > lengthSquared) {
                empty = true;
            }
            if (!empty && uLo < uHi) {
                lo = std::min(lo, ax + uLo);
                hi = std::max(hi, ax + uHi);
            }
        }
        if (lo < hi) {
            Emit(sink, y, CentresBetween(lo, hi), width);
        }
    }
}

} // namespace quorvel
