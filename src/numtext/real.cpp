#include "numtext/real.h"

#include "numtext/failure.h"
#include "numtext/truncate.h"

#include <cmath>

namespace quorvel {
namespace {

// Operands are always finite, so an infinite result is an overflow and a NaN
// an invalid operation.
Real Checked(double result) {
    if (std::isnan(result)) {
        throw ArithmeticFault(FaultKind::InvalidArithmetic);
    }
    if (std::isinf(result)) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    return Real(result);
}

} // namespace

Real operator+(Real a, Real b) {
    return Checked(a.value_ + b.value_);
}
Real operator-(Real a, Real b) {
    return Checked(a.value_ - b.value_);
}
Real operator*(Real a, Real b) {
    return Checked(a.value_ * b.value_);
}

Real operator/(Real a, Real b) {
    if (b.value_ == 0.0) {
        throw ArithmeticFault(a.value_ == 0.0 ? FaultKind::InvalidArithmetic
                                              : FaultKind::DivideByZero);
    }
    return Checked(a.value_ / b.value_);
}

Real Abs(Real value) {
    return Real(std::fabs(value.Value()));
}
Real Sin(Real radians) {
    return Checked(std::sin(radians.Value()));
}
Real Cos(Real radians) {
    return Checked(std::cos(radians.Value()));
}
std::int32_t TruncToInt(Real value) {
    return TruncToInt(value.Value());
}

} // namespace quorvel
