#include "numtext/numtext.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

struct AcceptedInt {
    const char* name;
    std::string text;
    std::int32_t value;
};

class ParseIntAccepts : public testing::TestWithParam<AcceptedInt> {};

TEST_P(ParseIntAccepts, GivesValue) {
    EXPECT_EQ(ParseInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntAccepts,
    testing::Values(AcceptedInt{"zero", "0", 0}, AcceptedInt{"double_zero", "00", 0},
                    AcceptedInt{"minus_zero", "-0", 0},
                    AcceptedInt{"leading_blanks_skipped", "  42", 42},
                    AcceptedInt{"plus_sign", "+7", 7}, AcceptedInt{"minus_sign", "-7", -7},
                    AcceptedInt{"leading_zeros_not_octal", "007", 7},
                    AcceptedInt{"dollar_hex", "$1F", 31}, AcceptedInt{"0x_hex", "0x1F", 31},
                    AcceptedInt{"0X_mixed_case_hex", "0X1f", 31}, AcceptedInt{"x_hex", "x1F", 31},
                    AcceptedInt{"X_hex", "X1F", 31},
                    AcceptedInt{"largest_decimal", "2147483647", 2147483647},
                    AcceptedInt{"lowest_decimal", "-2147483647", -2147483647},
                    AcceptedInt{"hex_high_bit_is_negative", "$80000000", INT32_MIN},
                    AcceptedInt{"hex_all_ones", "$FFFFFFFF", -1},
                    AcceptedInt{"hex_leading_zero_not_a_ninth_digit", "$0FFFFFFFF", -1},
                    AcceptedInt{"hex_largest", "$7FFFFFFF", 2147483647},
                    AcceptedInt{"blanks_before_hex", " $10", 16}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct RefusedInt {
    const char* name;
    std::string text;
};

class ParseIntRefuses : public testing::TestWithParam<RefusedInt> {};

TEST_P(ParseIntRefuses, QuotesTextInMessage) {
    const std::string& text = GetParam().text;
    try {
        ParseInt(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const NumberTextError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' は数値ではありません");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntRefuses,
    testing::Values(RefusedInt{"trailing_blank", "42 "}, RefusedInt{"blank_after_minus", "- 7"},
                    RefusedInt{"empty", ""}, RefusedInt{"blanks_only", "   "},
                    RefusedInt{"dollar_alone", "$"}, RefusedInt{"0x_alone", "0x"},
                    RefusedInt{"hex_after_minus", "-$10"}, RefusedInt{"hex_after_plus", "+0x10"},
                    RefusedInt{"one_past_largest", "2147483648"},
                    RefusedInt{"lowest_int_as_decimal", "-2147483648"},
                    RefusedInt{"huge_decimal", "99999999999999999999"},
                    RefusedInt{"ninth_hex_digit", "$100000000"},
                    RefusedInt{"decimal_point", "12.5"}, RefusedInt{"exponent", "1e3"},
                    RefusedInt{"thousands_separator", "1,000"}, RefusedInt{"leading_tab", "\t42"},
                    RefusedInt{"sign_alone", "-"}, RefusedInt{"double_sign", "--1"},
                    RefusedInt{"fullwidth_digit", "\xEF\xBC\x91"},
                    RefusedInt{"fullwidth_space_before_digits", "\xE3\x80\x80"
                                                                "1"},
                    RefusedInt{"bad_hex_digit", "$1G"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(FormatInt, WritesPlainDecimal) {
    EXPECT_EQ(FormatInt(0), "0");
    EXPECT_EQ(FormatInt(-7), "-7");
    EXPECT_EQ(FormatInt(2147483647), "2147483647");
    EXPECT_EQ(FormatInt(INT32_MIN), "-2147483648");
}

TEST(FormatInt, LowestIntegerIsWrittenButNotReadBack) {
    EXPECT_THROW(ParseInt(FormatInt(INT32_MIN)), NumberTextError);
}

} // namespace
} // namespace quorvel
