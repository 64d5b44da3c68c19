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

namespace {

// A stroke of a wide pen: the segment from a to b, thickened to `radius` on
// either side, with round ends. Coordinates are pixel-centre based doubles.
class WideStroke {
public:
    WideStroke(double ax, double ay, double bx, double by, double radius)
        : ax_(ax), ay_(ay), bx_(bx), by_(by), radius_(radius), ddx_(bx - ax), ddy_(by - ay),
          lengthSquared_(ddx_ * ddx_ + ddy_ * ddy_), length_(std::sqrt(lengthSquared_)) {
        if (ddx_ == 0 && ddy_ != 0) {
            Across(0, verticalLo_, verticalHi_);
        }
    }

    // The covered stretch [lo, hi) of x on the horizontal line at height c;
    // lo >= hi when the line misses the stroke.
    void Row(double c, double& lo, double& hi) const {
        lo = kInfinity;
        hi = -kInfinity;
        for (auto [px, py] : {std::pair{ax_, ay_}, std::pair{bx_, by_}}) {
            RoundEnd(px, py, c, lo, hi);
        }
        if (length_ > 0) {
            Band(c, lo, hi);
        }
    }

private:
    static constexpr double kInfinity = std::numeric_limits<double>::infinity();

    void RoundEnd(double px, double py, double c, double& lo, double& hi) const {
        const double d = c - py;
        if (std::abs(d) < radius_) {
            const double half = std::sqrt(radius_ * radius_ - d * d);
            lo = std::min(lo, px - half);
            hi = std::max(hi, px + half);
        }
    }

    // The stretch of u within radius of the segment's line at height v, for
    // a segment that is not horizontal.
    void Across(double v, double& uLo, double& uHi) const {
        const double p = (v * ddx_ - radius_ * length_) / ddy_;
        const double q = (v * ddx_ + radius_ * length_) / ddy_;
        uLo = std::max(-kInfinity, std::min(p, q));
        uHi = std::min(kInfinity, std::max(p, q));
    }

    // The band along the segment: u = x - ax with 0 <= projection <= length
    // and perpendicular distance below radius.
    void Band(double c, double& lo, double& hi) const {
        const double v = c - ay_;
        double uLo = -kInfinity;
        double uHi = kInfinity;
        if (ddx_ == 0 && ddy_ != 0) {
            // v * ddx is zero on every row of a vertical segment: the stretch
            // is the same on all of them.
            uLo = verticalLo_;
            uHi = verticalHi_;
        } else if (ddy_ != 0) {
            Across(v, uLo, uHi);
        } else if (std::abs(v * ddx_) >= radius_ * length_) {
            return;
        }
        if (ddx_ != 0) {
            const double p = -v * ddy_ / ddx_;
            const double q = (lengthSquared_ - v * ddy_) / ddx_;
            uLo = std::max(uLo, std::min(p, q));
            uHi = std::min(uHi, std::max(p, q));
        } else if (v * ddy_ < 0 || v * ddy_ > lengthSquared_) {
            return;
        }
        if (uLo < uHi) {
            lo = std::min(lo, ax_ + uLo);
            hi = std::max(hi, ax_ + uHi);
        }
    }

    double ax_, ay_, bx_, by_, radius_;
    double ddx_, ddy_, lengthSquared_, length_;
    double verticalLo_ = 0;
    double verticalHi_ = 0;
};

} // namespace

void CoverWideLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, int penWidth,
                   int width, int height, const SpanSink& sink) {
    const double offset = penWidth % 2 != 0 ? 0.5 : 0.0;
    const double radius = penWidth / 2.0;
    const WideStroke stroke(x0 + offset, y0 + offset, x1 + offset, y1 + offset, radius);
    const double top = std::max(0.0, std::floor(std::min(y0, y1) + offset - radius) - 1.0);
    const double bottom =
        std::min(height - 1.0, std::ceil(std::max(y0, y1) + offset + radius) + 1.0);
    if (!(top <= bottom)) {
        return;
    }
    for (int y = static_cast<int>(top); y <= static_cast<int>(bottom); ++y) {
        double lo = 0;
        double hi = 0;
        stroke.Row(y + 0.5, lo, hi);
        if (lo < hi) {
            Emit(sink, y, CentresBetween(lo, hi), width);
        }
    }
}

} // namespace quorvel
