#include "picture/raster/coverage.h"
#include "picture/raster/ellipsedistance.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

// Collects the columns of one row in order and hands on each run of
// neighbouring columns that go to the same sink as one span.
class RowRuns {
public:
    explicit RowRuns(int y) : y_(y) {}
    ~RowRuns() { Flush(); }
    RowRuns(const RowRuns&) = delete;
    RowRuns& operator=(const RowRuns&) = delete;

    // Columns first to last, both included.
    void Add(int first, int last, const SpanSink& sink) {
        if (&sink != sink_ || first != end_) {
            Flush();
            sink_ = &sink;
            start_ = first;
        }
        end_ = last + 1;
    }

private:
    void Flush() {
        if (sink_ != nullptr) {
            (*sink_)(y_, start_, end_);
        }
        sink_ = nullptr;
    }

    int y_;
    const SpanSink* sink_ = nullptr;
    int start_ = 0;
    int end_ = 0;
};

} // namespace

void CoverEllipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int penWidth,
                  int width, int height, const SpanSink& inside, const SpanSink& rim) {
    const double left = std::min(x1, x2);
    const double right = std::max(x1, x2);
    const double top = std::min(y1, y2);
    const double bottom = std::max(y1, y2);
    if (right - left < 1 || bottom - top < 1) {
        return;
    }
    const double cx = (left + right) / 2;
    const double cy = (top + bottom) / 2;
    const double a = (right - left - 1) / 2;
    const double b = (bottom - top - 1) / 2;
    const double h = std::max(penWidth, 1) / 2.0;
    // Half the curve's width at height t (0 <= t <= b) above or below its centre.
    auto halfWidth = [a, b](double t) {
        return t >= b ? 0.0 : a / b * std::sqrt((b - t) * (b + t));
    };

    const double firstRow = std::max(0.0, std::floor(cy - b - h));
    const double lastRow = std::min(height - 1.0, std::ceil(cy + b + h));
    if (!(firstRow <= lastRow)) {
        return;
    }
    for (int y = static_cast<int>(firstRow); y <= static_cast<int>(lastRow); ++y) {
        const double dy = y + 0.5 - cy;
        // Curve points less than h away lie at heights within (dy - h, dy + h).
        const double nearest =
            (dy - h < 0 && dy + h > 0) ? 0.0 : std::min(std::abs(dy - h), std::abs(dy + h));
        if (nearest > b) {
            continue;
        }
        const double farthest = std::min(std::max(std::abs(dy - h), std::abs(dy + h)), b);
        // A flat ellipse's curve is the whole segment at height 0.
        const double widest = b == 0 ? a : halfWidth(nearest);
        const double narrowest = b == 0 ? 0.0 : halfWidth(farthest);

        // Columns that may lie within h of the curve: a band on each side,
        // or one where they meet. Everything between the bands is inside.
        auto firstColumn = [cx](double lo) { return std::ceil(cx + lo - 0.5); };
        auto lastColumn = [cx](double hi) { return std::floor(cx + hi - 0.5); };
        const double leftFirst = firstColumn(-widest - h);
        const double leftLast = lastColumn(-narrowest + h);
        const double rightFirst = firstColumn(narrowest - h);
        const double rightLast = lastColumn(widest + h);
        const bool merged = leftLast + 1 >= rightFirst;

        RowRuns runs(y);
        auto classify = [&](double from, double to) {
            from = std::max(from, 0.0);
            to = std::min(to, width - 1.0);
            for (double column = from; column <= to; ++column) {
                const double dx = column + 0.5 - cx;
                const double distance = DistanceToEllipse(a, b, dx, dy);
                const bool within = a > 0 && b > 0 && (dx / a) * (dx / a) + (dy / b) * (dy / b) < 1;
                const double signedDistance = within ? -distance : distance;
                const int x = static_cast<int>(column);
                if (signedDistance < -h) {
                    runs.Add(x, x, inside);
                } else if (signedDistance < h) {
                    runs.Add(x, x, rim);
                }
            }
        };
        if (merged) {
            classify(leftFirst, rightLast);
            continue;
        }
        classify(leftFirst, leftLast);
        const double middleFirst = std::max(leftLast + 1, 0.0);
        const double middleLast = std::min(rightFirst - 1, width - 1.0);
        if (std::abs(dy) < b && middleFirst <= middleLast) {
            runs.Add(static_cast<int>(middleFirst), static_cast<int>(middleLast), inside);
        }
        classify(rightFirst, rightLast);
    }
}

} // namespace quorvel
