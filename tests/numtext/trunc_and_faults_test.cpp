#include "numtext/numtext.h"

#include <cfenv>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace quorvel {
namespace {

struct Truncated {
    const char* name;
    double value;
    std::int32_t result;
};

class TruncToIntGives : public testing::TestWithParam<Truncated> {};

TEST_P(TruncToIntGives, TowardZeroWrapped) {
    EXPECT_EQ(TruncToInt(GetParam().value), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Values, TruncToIntGives,
                         testing::Values(Truncated{"positive_half", 2.5, 2},
                                         Truncated{"negative_half", -2.5, -2},
                                         Truncated{"negative_fraction_is_zero", -0.9, 0},
                                         Truncated{"toward_zero_not_floor", -119.9, -119},
                                         Truncated{"two_to_31_wraps", 2147483648.0, INT32_MIN},
                                         Truncated{"below_int32_wraps", -2147483649.0, 2147483647},
                                         Truncated{"three_billion", 3000000000.0, -1294967296},
                                         Truncated{"just_below_2_to_32", 4294967295.9, -1},
                                         Truncated{"just_above_2_to_32", 4294967296.5, 0},
                                         Truncated{"ten_billion", 10000000000.0, 1410065408},
                                         Truncated{"near_int64_limit", 9.2e18, -1650982912},
                                         Truncated{"lowest_int64", -9223372036854775808.0, 0}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(TruncToInt, BeyondInt64IsInvalidOperation) {
    for (double value : {9223372036854775808.0, 1e19, -9223372036854777856.0, 1e300,
                         -std::numeric_limits<double>::max()}) {
        try {
            TruncToInt(value);
            FAIL() << value;
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.Kind(), FaultKind::InvalidArithmetic);
            EXPECT_STREQ(fault.what(), "不正な浮動小数点数演算命令");
        }
    }
}

FaultKind KindOf(Real (*operation)()) {
    try {
        operation();
    } catch (const ArithmeticFault& fault) {
        return fault.Kind();
    }
    ADD_FAILURE() << "no fault";
    return FaultKind::InvalidArithmetic;
}

TEST(RealArithmetic, FaultsHaveKindAndMessage) {
    EXPECT_EQ(KindOf([] { return Real(1.0) / 0.0; }), FaultKind::DivideByZero);
    EXPECT_EQ(KindOf([] { return Real(-1.0) / -0.0; }), FaultKind::DivideByZero);
    EXPECT_EQ(KindOf([] { return Real(0.0) / 0.0; }), FaultKind::InvalidArithmetic);
    EXPECT_EQ(KindOf([] { return Real(1e200) * 1e200; }), FaultKind::Overflow);
    EXPECT_EQ(KindOf([] { return Real(1.7976931348623157e308) + 1e292; }), FaultKind::Overflow);
    EXPECT_EQ(KindOf([] { return Real(-1.7976931348623157e308) - 1e292; }), FaultKind::Overflow);
    EXPECT_EQ(KindOf([] { return Real(1e300) / 1e-300; }), FaultKind::Overflow);

    EXPECT_STREQ(ArithmeticFault(FaultKind::DivideByZero).what(), "0 による浮動小数点数除算");
    EXPECT_STREQ(ArithmeticFault(FaultKind::Overflow).what(), "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ");
}

TEST(RealArithmetic, QuietConditionsPassSilently) {
    EXPECT_EQ((Real(0.0) / 5.0).Value(), 0.0);
    EXPECT_EQ((Real(1e-200) * 1e-200).Value(), 0.0);
    // Rounding that lands exactly on the largest double is no overflow.
    EXPECT_EQ((Real(1.7976931348623157e308) + 1.0).Value(), 1.7976931348623157e308);
    const double subnormal = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ((Real(subnormal) * 2.0).Value(), 2 * subnormal); // not flushed to zero
}

TEST(IntegerSums, WrapWithoutFault) {
    EXPECT_EQ(WrapAdd(2147483647, 100), -2147483549);
    EXPECT_EQ(WrapSub(INT32_MIN, 1), 2147483647);
    EXPECT_EQ(WrapSub(0, INT32_MIN), INT32_MIN);
}

TEST(FloatSettings, ResetRestoresRoundingAndKeepsSubnormals) {
    std::fesetround(FE_UPWARD);
    std::feraiseexcept(FE_OVERFLOW);
    ResetFloatSettings();
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
    volatile double one = 1.0;
    EXPECT_EQ(FormatDouble(one / 3.0), "0.333333333333333");
    volatile double tiny = std::numeric_limits<double>::min();
    EXPECT_GT(tiny / 2.0, 0.0);
}

TEST(Failures, AllBelongToOneFamily) {
    EXPECT_THROW(ParseInt("x"), Failure);
    EXPECT_THROW(ParseDouble("1e400"), Failure);
    EXPECT_THROW(TruncToInt(1e300), Failure);
}

} // namespace
} // namespace quorvel
