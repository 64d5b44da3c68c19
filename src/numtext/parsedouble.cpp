#include "numtext/parsedouble.h"

#include "numtext/asciidigit.h"
#include "numtext/decimalseparator.h"
#include "numtext/failure.h"
#include "numtext/textmessages.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace quorvel {
namespace {

// A decimal number as written: value = digits * 10^exponent, digits without
// leading or trailing zeros.
struct DecimalText {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

constexpr std::int64_t kExponentCap = 500;

// An optional exponent at pos: "E" or "e", a sign, digits. Digits are taken
// only while the exponent is below 500; a digit left over then refuses the
// text like any other stray character. A missing number counts as 0.
std::int64_t ScanExponent(const std::string& text, std::size_t& pos) {
    const std::size_t end = text.size();
    if (pos >= end || (text[pos] != 'e' && text[pos] != 'E')) {
        return 0;
    }
    ++pos;
    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t exponent = 0;
    for (; pos < end && IsDigit(text[pos]) && exponent < kExponentCap; ++pos) {
        exponent = exponent * 10 + (text[pos] - '0');
    }
    return negative ? -exponent : exponent;
}

// Drops the leading and trailing zeros of the digits, moving the exponent
// by the trailing ones; no digits at all stands for zero.
void Normalise(DecimalText& number) {
    const std::size_t first = number.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        number.digits.clear();
        return;
    }
    const std::size_t last = number.digits.find_last_not_of('0');
    const auto trailingZeros = static_cast<std::int64_t>(number.digits.size() - 1 - last);
    number.digits = number.digits.substr(first, last - first + 1);
    number.exponent += trailingZeros;
}

bool Scan(const std::string& text, char separator, DecimalText& number) {
    std::size_t pos = 0;
    const std::size_t end = text.size();
    while (pos < end && text[pos] == ' ') {
        ++pos;
    }
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    bool sawMantissa = false;
    std::int64_t fractionDigits = 0;
    for (; pos < end && IsDigit(text[pos]); ++pos) {
        number.digits += text[pos];
        sawMantissa = true;
    }
    if (pos < end && text[pos] == separator) {
        ++pos;
        sawMantissa = true;
        for (; pos < end && IsDigit(text[pos]); ++pos) {
            number.digits += text[pos];
            ++fractionDigits;
        }
    }
    if (!sawMantissa) {
        return false;
    }
    number.exponent = ScanExponent(text, pos) - fractionDigits;
    while (pos < end && text[pos] == ' ') {
        ++pos;
    }
    if (pos != end) {
        return false;
    }
    Normalise(number);
    return true;
}

} // namespace

bool IsDecimalText(const std::string& text, char separator) {
    DecimalText number;
    return Scan(text, separator, number);
}

double ParseDouble(const std::string& text) {
    DecimalText number;
    if (!Scan(text, DecimalSeparator(), number)) {
        throw NumberTextError(NotADoubleMessage(text));
    }
    const double zero = number.negative ? -0.0 : 0.0;
    if (number.digits.empty()) {
        return zero;
    }
    // The magnitude lies in [10^(order-1), 10^order).
    const std::int64_t order = static_cast<std::int64_t>(number.digits.size()) + number.exponent;
    if (order > 310) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    if (order < -330) {
        return zero; // below half the smallest subnormal
    }
    const std::string canonical = number.digits + 'e' + std::to_string(number.exponent);
    double magnitude = 0.0;
    const auto [ptr, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(),
                                              magnitude, std::chars_format::scientific);
    if (error == std::errc::result_out_of_range) {
        if (order > 0) {
            throw ArithmeticFault(FaultKind::Overflow);
        }
        return zero;
    }
    return number.negative ? -magnitude : magnitude;
}

} // namespace quorvel
