#include "numtext/formatnumber.h"

#include "numtext/decimalseparator.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace quorvel {
namespace {

constexpr int significantDigits = 15;

// Scientific digits of a positive finite double: "d.ddd...e±x".
std::string Scientific(double magnitude, int precision) {
    char buffer[1100];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, precision);
    return std::string(buffer, result.ptr);
}

struct RoundedDigits {
    std::string digits; // d1 d2 ... without trailing zeros, d1 != 0
    int point = 0;      // the magnitude is 0.d1d2... * 10^point
};

// Splits "d.ddde±x" into its digits and the decimal exponent x.
void SplitScientific(const std::string& text, std::string& digits, int& exponent) {
    const std::size_t e = text.find('e');
    digits = text.substr(0, 1);
    if (e > 2) {
        digits += text.substr(2, e - 2);
    }
    exponent = std::atoi(text.c_str() + e + 1);
}

// Rounds the exact binary value to 15 significant digits, halves away from
// zero. to_chars rounds exactly but sends ties to even; a tie is the one case
// where the 16-digit form ends in 5 and is itself exact.
RoundedDigits RoundTo15(double magnitude) {
    std::string digits;
    int exponent = 0;
    SplitScientific(Scientific(magnitude, significantDigits - 1), digits, exponent);

    std::string longer;
    int longerExponent = 0;
    SplitScientific(Scientific(magnitude, significantDigits), longer, longerExponent);
    if (longer.back() == '5') {
        std::string exact;
        int exactExponent = 0;
        SplitScientific(Scientific(magnitude, 800), exact, exactExponent);
        if (exact.find_first_not_of('0', significantDigits + 1) == std::string::npos) {
            digits = longer.substr(0, significantDigits);
            exponent = longerExponent;
            int i = significantDigits - 1;
            for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) {
                digits[static_cast<std::size_t>(i)] = '0';
            }
            if (i >= 0) {
                ++digits[static_cast<std::size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++exponent;
            }
        }
    }
    const std::size_t last = digits.find_last_not_of('0');
    return RoundedDigits{digits.substr(0, last + 1), exponent + 1};
}

} // namespace

std::string FormatInt(std::int32_t value) {
    return std::to_string(value);
}

std::string FormatDouble(double value) {
    if (value == 0.0) {
        return "0";
    }
    const RoundedDigits rounded = RoundTo15(std::fabs(value));
    const std::string& digits = rounded.digits;
    const int point = rounded.point;
    const char separator = DecimalSeparator();

    std::string text = value < 0 ? "-" : "";
    if (point >= -3 && point <= 15) {
        if (point > 0) {
            const auto whole = static_cast<std::size_t>(point);
            if (digits.size() <= whole) {
                text += digits + std::string(whole - digits.size(), '0');
            } else {
                text += digits.substr(0, whole) + separator + digits.substr(whole);
            }
        } else {
            text += std::string("0") + separator +
                    std::string(static_cast<std::size_t>(-point), '0') + digits;
        }
    } else {
        text += digits[0];
        if (digits.size() > 1) {
            text += separator + digits.substr(1);
        }
        text += 'E' + std::to_string(point - 1);
    }
    return text;
}

} // namespace quorvel
