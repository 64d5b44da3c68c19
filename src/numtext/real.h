#pragma once

#include <compare>
#include <cstdint>

namespace quorvel {

// A finite double whose every +, -, * and / is checked: a result that would be
// infinite or not a number raises ArithmeticFault at that operation, so no
// model quantity ever holds such a value. Integers convert exactly.
class Real {
public:
    constexpr Real() = default;
    constexpr Real(double value) : value_(value) {}                            // NOLINT
    constexpr Real(std::int32_t value) : value_(static_cast<double>(value)) {} // NOLINT

    constexpr double Value() const { return value_; }

    friend Real operator+(Real a, Real b);
    friend Real operator-(Real a, Real b);
    friend Real operator*(Real a, Real b);
    friend Real operator/(Real a, Real b);
    friend constexpr Real operator-(Real a) { return Real(-a.value_); }

    friend constexpr bool operator==(Real a, Real b) { return a.value_ == b.value_; }
    friend constexpr std::partial_ordering operator<=>(Real a, Real b) {
        return a.value_ <=> b.value_;
    }

private:
    double value_ = 0.0;
};

Real Abs(Real value);
Real Sin(Real radians);
Real Cos(Real radians);
std::int32_t TruncToInt(Real value);

// 32-bit integer sums and differences wrap modulo 2^32, never undefined.
constexpr std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

} // namespace quorvel
