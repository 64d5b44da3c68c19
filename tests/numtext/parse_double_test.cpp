#include "numtext/numtext.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace quorvel {
namespace {

struct AcceptedDouble {
    const char* name;
    std::string text;
    double value;
};

class ParseDoubleAccepts : public testing::TestWithParam<AcceptedDouble> {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
};

TEST_P(ParseDoubleAccepts, GivesNearestDouble) {
    const double value = ParseDouble(GetParam().text);
    EXPECT_EQ(value, GetParam().value);
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value));
}

constexpr double smallestSubnormal = std::numeric_limits<double>::denorm_min();

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDoubleAccepts,
    testing::Values(
        AcceptedDouble{"plain", "1.2", 1.2}, AcceptedDouble{"blanks_around", " 1.2 ", 1.2},
        AcceptedDouble{"plus_sign", "+1.2", 1.2}, AcceptedDouble{"no_integer_digits", ".5", 0.5},
        AcceptedDouble{"no_fraction_digits", "5.", 5.0}, AcceptedDouble{"lone_separator", ".", 0.0},
        AcceptedDouble{"minus_lone_separator_is_negative_zero", "-.", -0.0},
        AcceptedDouble{"exponent", "1e3", 1000.0},
        AcceptedDouble{"negative_exponent", "1E-3", 0.001},
        AcceptedDouble{"exponent_without_digits", "1e", 1.0},
        AcceptedDouble{"exponent_sign_without_digits", "1e+", 1.0},
        AcceptedDouble{"below_smallest_subnormal_is_zero", "1e-400", 0.0},
        AcceptedDouble{"negative_underflow_keeps_sign", "-1e-400", -0.0},
        AcceptedDouble{"exponent_stops_at_500_then_ends", "1e-0500", 0.0},
        AcceptedDouble{"smallest_subnormal", "4.9406564584124654e-324", smallestSubnormal},
        AcceptedDouble{"half_smallest_subnormal_ties_to_zero", "2.4703282292062327e-324", 0.0},
        AcceptedDouble{"just_above_half_subnormal_rounds_up", "2.4703282292062328e-324",
                       smallestSubnormal},
        AcceptedDouble{"largest_double", "1.7976931348623157e308",
                       std::numeric_limits<double>::max()},
        AcceptedDouble{"just_below_overflow_rounds_to_largest", "1.7976931348623158e308",
                       std::numeric_limits<double>::max()},
        AcceptedDouble{"many_zeros_then_exponent", "0.000000000000000000001e21", 1.0},
        AcceptedDouble{"tie_goes_to_even", "9007199254740993", 9007199254740992.0},
        AcceptedDouble{"long_digits_break_tie_up", "9007199254740993.0000000000000000000001",
                       9007199254740994.0},
        AcceptedDouble{"trailing_zeros_with_exponent", "1000e-3", 1.0},
        AcceptedDouble{"zero_with_huge_exponent_is_zero", "0e499", 0.0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct RefusedDouble {
    const char* name;
    std::string text;
};

class ParseDoubleRefuses : public testing::TestWithParam<RefusedDouble> {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
};

TEST_P(ParseDoubleRefuses, QuotesTextInMessage) {
    const std::string& text = GetParam().text;
    try {
        ParseDouble(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const NumberTextError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' は浮動小数点数ではありません");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDoubleRefuses,
    testing::Values(
        RefusedDouble{"exponent_without_mantissa", "e3"}, RefusedDouble{"plus_alone", "+"},
        RefusedDouble{"minus_alone", "-"}, RefusedDouble{"empty", ""},
        RefusedDouble{"blanks_only", "  "}, RefusedDouble{"blank_before_exponent", "1 e3"},
        RefusedDouble{"blank_inside_exponent", "1e 3"}, RefusedDouble{"blank_after_sign", "- 1"},
        RefusedDouble{"other_separator", "1,5"}, RefusedDouble{"second_separator", "1.5.3"},
        RefusedDouble{"hex_prefix", "0x10"}, RefusedDouble{"dollar_hex", "$10"},
        RefusedDouble{"exponent_digit_left_over_at_500", "1e5000"},
        RefusedDouble{"infinity_word", "inf"}, RefusedDouble{"nan_word", "nan"},
        RefusedDouble{"fullwidth_digit", "\xEF\xBC\x91"}, RefusedDouble{"tab_before_digits", "\t1"},
        RefusedDouble{"trailing_junk", "1.2x"}, RefusedDouble{"blank_between_digits", "1 2"},
        RefusedDouble{"double_exponent", "1e3e3"},
        RefusedDouble{"utf8_lead_byte_after_digits", "1\xC3\xA9"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ParseDoubleOverflow, BeyondLargestDoubleIsOverflowFault) {
    SetDecimalSeparator('.');
    for (const std::string text :
         {"1e400", "1e0500", "-1e400", "1.7976931348623159e308", "100000000000000000000e300"}) {
        try {
            ParseDouble(text);
            FAIL() << "accepted " << text;
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.Kind(), FaultKind::Overflow) << text;
            EXPECT_STREQ(fault.what(), "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ");
        }
    }
}

} // namespace
} // namespace quorvel
