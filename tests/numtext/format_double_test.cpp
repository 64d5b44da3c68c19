#include "numtext/numtext.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace quorvel {
namespace {

struct Formatted {
    const char* name;
    double value;
    std::string text;
};

class FormatDoubleWrites : public testing::TestWithParam<Formatted> {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
};

TEST_P(FormatDoubleWrites, FifteenSignificantDigits) {
    EXPECT_EQ(FormatDouble(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatDoubleWrites,
    testing::Values(
        Formatted{"plain", 1.2, "1.2"}, Formatted{"noise_beyond_15_digits", 12 * 0.1, "1.2"},
        Formatted{"sum_noise", 0.1 + 0.2, "0.3"}, Formatted{"point_three", 0.3, "0.3"},
        Formatted{"third", 1.0 / 3.0, "0.333333333333333"},
        Formatted{"two_thirds_rounds_up", 2.0 / 3.0, "0.666666666666667"},
        Formatted{"whole", 100.0, "100"}, Formatted{"smallest_fixed", 0.0001, "0.0001"},
        Formatted{"small_fixed", 0.00012, "0.00012"},
        Formatted{"first_scientific_below", 0.00001, "1E-5"},
        Formatted{"scientific_with_fraction", 0.000012, "1.2E-5"},
        Formatted{"fifteen_digit_integer", 1e14, "100000000000000"},
        Formatted{"largest_fixed", 999999999999999.0, "999999999999999"},
        Formatted{"rounding_raises_point", 999999999999999.9, "1E15"},
        Formatted{"first_scientific_above", 1e15, "1E15"}, Formatted{"ten_to_16", 1e16, "1E16"},
        Formatted{"below_tie_rounds_down", 1000000000000004.0, "1E15"},
        Formatted{"exact_tie_goes_away_from_zero", 1000000000000005.0, "1.00000000000001E15"},
        Formatted{"negative_exact_tie", -1000000000000005.0, "-1.00000000000001E15"},
        Formatted{"tie_with_carry", 999999999999999.5, "1E15"},
        Formatted{"long_integer", 123456789012345678.0, "1.23456789012346E17"},
        Formatted{"negative_half", -0.5, "-0.5"}, Formatted{"zero", 0.0, "0"},
        Formatted{"negative_zero", -0.0, "0"},
        Formatted{"pi", 3.141592653589793, "3.14159265358979"},
        Formatted{"beyond_int32", 2147483648.0, "2147483648"},
        Formatted{"largest_double", std::numeric_limits<double>::max(), "1.79769313486232E308"},
        Formatted{"smallest_subnormal", std::numeric_limits<double>::denorm_min(),
                  "4.94065645841247E-324"},
        Formatted{"judgement_y", 0.09090909090909087, "0.0909090909090909"},
        Formatted{"judgement_x", 0.3030303030303029, "0.303030303030303"},
        Formatted{"negative_small", -0.0476190476190476, "-0.0476190476190476"},
        Formatted{"fraction_at_0_001", 0.00123, "0.00123"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(FormatDouble, UsesCurrentSeparator) {
    SetDecimalSeparator(',');
    EXPECT_EQ(FormatDouble(1.2), "1,2");
    EXPECT_EQ(FormatDouble(0.000012), "1,2E-5");
    EXPECT_EQ(FormatDouble(0.5), "0,5");
    SetDecimalSeparator('.');
}

TEST(FormatDouble, ThirdReadsBackAsItsFifteenDigitRounding) {
    SetDecimalSeparator('.');
    EXPECT_EQ(ParseDouble(FormatDouble(1.0 / 3.0)), 0.333333333333333);
}

} // namespace
} // namespace quorvel
