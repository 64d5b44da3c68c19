#include "picture/raster/ellipsedistance.h"

#include <cmath>
#include <utility>

namespace quorvel {
namespace {

// The root s of (r0 z0 / (s + r0))^2 + (z1 / (s + 1))^2 = 1 by bisection,
// which ends when the interval cannot be halved any further in doubles.
double Root(double r0, double z0, double z1, double g) {
    const double n0 = r0 * z0;
    double s0 = z1 - 1;
    double s1 = g < 0 ? 0 : std::hypot(n0, z1) - 1;
    double s = 0;
    for (;;) {
        s = s0 + (s1 - s0) / 2;
        if (s == s0 || s == s1) {
            return s;
        }
        const double ratio0 = n0 / (s + r0);
        const double ratio1 = z1 / (s + 1);
        const double value = ratio0 * ratio0 + ratio1 * ratio1 - 1;
        if (value > 0) {
            s0 = s;
        } else if (value < 0) {
            s1 = s;
        } else {
            return s;
        }
    }
}

} // namespace

// Eberly's method: in the first quadrant with the longer axis along x, the
// nearest curve point follows from one root of a monotonic function.
double DistanceToEllipse(double a, double b, double x, double y) {
    x = std::abs(x);
    y = std::abs(y);
    if (a < b) {
        std::swap(a, b);
        std::swap(x, y);
    }
    if (b == 0) {
        return x <= a ? y : std::hypot(x - a, y);
    }
    if (y > 0) {
        if (x > 0) {
            const double z0 = x / a;
            const double z1 = y / b;
            const double g = z0 * z0 + z1 * z1 - 1;
            if (g == 0) {
                return 0;
            }
            const double r0 = (a / b) * (a / b);
            const double s = Root(r0, z0, z1, g);
            return std::hypot(r0 * x / (s + r0) - x, y / (s + 1) - y);
        }
        return std::abs(y - b);
    }
    const double numerator = a * x;
    const double denominator = a * a - b * b;
    if (numerator < denominator) {
        const double ratio = numerator / denominator;
        return std::hypot(a * ratio - x, b * std::sqrt(1 - ratio * ratio));
    }
    return std::abs(x - a);
}

} // namespace quorvel
