// FormatDouble against an independent reference over generated doubles: the
// exact decimal expansion from printf's "%.800e", rounded half away from zero
// by hand and laid out by the fixed/scientific rule.
#include "numtext/numtext.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <locale.h>
#include <random>
#include <string>

namespace quorvel {
namespace {

std::string ReferenceText(double value, locale_t cLocale) {
    if (value == 0.0) {
        return "0";
    }
    const locale_t previous = uselocale(cLocale);
    static char buffer[1000];
    std::snprintf(buffer, sizeof buffer, "%.800e", std::fabs(value));
    uselocale(previous);

    // buffer: d.ddd...e±x with 801 significant digits, exact for every double.
    const std::string text = buffer;
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    int point = std::atoi(text.c_str() + e + 1) + 1;

    std::string kept = digits.substr(0, 15);
    if (digits[15] >= '5') {
        int i = 14;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
            kept[static_cast<std::size_t>(i--)] = '0';
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++point;
        } else {
            ++kept[static_cast<std::size_t>(i)];
        }
    }
    while (kept.size() > 1 && kept.back() == '0') {
        kept.pop_back();
    }

    std::string out = value < 0 ? "-" : "";
    const int n = static_cast<int>(kept.size());
    if (point >= -3 && point <= 15) {
        if (point <= 0) {
            out += "0." + std::string(static_cast<std::size_t>(-point), '0') + kept;
        } else if (n <= point) {
            out += kept + std::string(static_cast<std::size_t>(point - n), '0');
        } else {
            out += kept.substr(0, static_cast<std::size_t>(point)) + "." +
                   kept.substr(static_cast<std::size_t>(point));
        }
    } else {
        // Appended piece by piece: GCC 12 at -O3 takes "literal" + std::string&&
        // for an overlapping copy (a false -Wrestrict).
        out += kept.substr(0, 1);
        if (n > 1) {
            out += '.';
            out += kept.substr(1);
        }
        out += 'E';
        out += std::to_string(point - 1);
    }
    return out;
}

class DoubleGenerator {
public:
    explicit DoubleGenerator(unsigned seed) : random_(seed) {}

    double Next() {
        switch (Pick(6)) {
        case 0: // any finite bit pattern, subnormals included
            for (;;) {
                const double d = std::bit_cast<double>(random_());
                if (std::isfinite(d)) {
                    return d;
                }
            }
        case 1: // subnormals
            return std::bit_cast<double>(random_() & 0x800FFFFFFFFFFFFFull);
        case 2: // exact halves of the 15th digit: 16-digit integers ending in 5, scaled by 2^k
            return Sign() * std::ldexp(static_cast<double>(HalfTieInteger()), Pick(7) - 3);
        case 3: // powers of ten and their neighbours
            return Sign() *
                   std::nextafter(std::pow(10.0, Pick(640) - 320), Pick(3) == 0 ? 0.0 : HUGE_VAL);
        case 4: // around the fixed/scientific borders 1E-4 and 1E15
            return Sign() * (Pick(2) ? 1e15 : 1e-4) *
                   std::uniform_real_distribution<double>(0.999, 1.001)(random_);
        default: // ordinary model values
            return Sign() * std::uniform_real_distribution<double>(0.0, 1000.0)(random_);
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    double Sign() { return Pick(2) ? 1.0 : -1.0; }
    std::int64_t HalfTieInteger() {
        const std::int64_t high =
            std::uniform_int_distribution<std::int64_t>(100000000000000, 900719925474099)(random_);
        return high * 10 + 5;
    }

    std::mt19937_64 random_;
};

TEST(FormatDoubleDifferential, AgreesWithExactExpansion) {
    SetDecimalSeparator('.');
    locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    ASSERT_NE(cLocale, static_cast<locale_t>(nullptr));
    DoubleGenerator generator(1209);
    int mismatches = 0;
    for (int i = 0; i < 120000 && mismatches < 10; ++i) {
        const double value = generator.Next();
        const std::string expected = ReferenceText(value, cLocale);
        const std::string actual = FormatDouble(value);
        if (expected != actual) {
            ++mismatches;
            char exact[64];
            std::snprintf(exact, sizeof exact, "%a", value);
            ADD_FAILURE() << exact << ": expected " << expected << ", got " << actual;
        }
    }
    freelocale(cLocale);
}

TEST(FormatDoubleDifferential, ReferenceKnowsTheTies) {
    locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    EXPECT_EQ(ReferenceText(1000000000000005.0, cLocale), "1.00000000000001E15");
    EXPECT_EQ(ReferenceText(0.0001, cLocale), "0.0001");
    freelocale(cLocale);
}

} // namespace
} // namespace quorvel
