#include "picture/raster/ellipsecoverage.h"

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

// The ellipse with centre (cx, cy) and semi-axes a, b through the centres of
// its outermost pixels, with a rim of half-width h, cut into rows.
class EllipseRows {
public:
    EllipseRows(double cx, double cy, double a, double b, double h, int width)
        : cx_(cx), cy_(cy), a_(a), b_(b), h_(h), width_(width) {}

    void Cover(int y, const SpanSink& inside, const SpanSink& rim) const {
        const double dy = y + 0.5 - cy_;
        // Curve points less than h away lie at heights within (dy - h, dy + h).
        const double nearest =
            (dy - h_ < 0 && dy + h_ > 0) ? 0.0 : std::min(std::abs(dy - h_), std::abs(dy + h_));
        if (nearest > b_) {
            return;
        }
        const double farthest = std::min(std::max(std::abs(dy - h_), std::abs(dy + h_)), b_);
        // A flat ellipse's curve is the whole segment at height 0.
        const double widest = b_ == 0 ? a_ : HalfWidth(nearest);
        const double narrowest = b_ == 0 ? 0.0 : HalfWidth(farthest);

        // Columns that may lie within h of the curve: a band on each side,
        // or one where they meet. Everything between the bands is inside.
        const double leftFirst = std::ceil(cx_ + (-widest - h_) - 0.5);
        const double leftLast = std::floor(cx_ + (-narrowest + h_) - 0.5);
        const double rightFirst = std::ceil(cx_ + (narrowest - h_) - 0.5);
        const double rightLast = std::floor(cx_ + (widest + h_) - 0.5);
        RowRuns runs(y);
        if (leftLast + 1 >= rightFirst) {
            Classify(leftFirst, rightLast, dy, runs, inside, rim);
            return;
        }
        Classify(leftFirst, leftLast, dy, runs, inside, rim);
        const double middleFirst = std::max(leftLast + 1, 0.0);
        const double middleLast = std::min(rightFirst - 1, width_ - 1.0);
        if (std::abs(dy) < b_ && middleFirst <= middleLast) {
            runs.Add(static_cast<int>(middleFirst), static_cast<int>(middleLast), inside);
        }
        Classify(rightFirst, rightLast, dy, runs, inside, rim);
    }

private:
    // Half the curve's width at height t (0 <= t <= b) above or below its centre.
    double HalfWidth(double t) const {
        return t >= b_ ? 0.0 : a_ / b_ * std::sqrt((b_ - t) * (b_ + t));
    }

    // Sorts the columns from..to of the row at dy by their signed distance
    // from the curve: further inside than h, within h, or outside.
    void Classify(double from, double to, double dy, RowRuns& runs, const SpanSink& inside,
                  const SpanSink& rim) const {
        from = std::max(from, 0.0);
        to = std::min(to, width_ - 1.0);
        for (double column = from; column <= to; ++column) {
            const double dx = column + 0.5 - cx_;
            const double distance = DistanceToEllipse(a_, b_, dx, dy);
            const bool within =
                a_ > 0 && b_ > 0 && (dx / a_) * (dx / a_) + (dy / b_) * (dy / b_) < 1;
            const double signedDistance = within ? -distance : distance;
            const int x = static_cast<int>(column);
            if (signedDistance < -h_) {
                runs.Add(x, x, inside);
            } else if (signedDistance < h_) {
                runs.Add(x, x, rim);
            }
        }
    }

    double cx_, cy_, a_, b_, h_;
    int width_;
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
    const double cy = (top + bottom) / 2;
    const double b = (bottom - top - 1) / 2;
    const double h = std::max(penWidth, 1) / 2.0;
    const EllipseRows rows((left + right) / 2, cy, (right - left - 1) / 2, b, h, width);
    const double firstRow = std::max(0.0, std::floor(cy - b - h));
    const double lastRow = std::min(height - 1.0, std::ceil(cy + b + h));
    if (!(firstRow <= lastRow)) {
        return;
    }
    for (int y = static_cast<int>(firstRow); y <= static_cast<int>(lastRow); ++y) {
        rows.Cover(y, inside, rim);
    }
}

} // namespace quorvel
