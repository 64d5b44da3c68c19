#include "face/face.h"
#include "numtext/numtext.h"
#include "recorders.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

using testing::RecordingFields;

struct AgeCase {
    const char* name;
    double x;
    const char* xText;
    const char* age;
};

class AgeFromProportion : public ::testing::TestWithParam<AgeCase> {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
};

// With nh = 1 and BottomSpan = 1, the widest line's offset -x gives x exactly.
TEST_P(AgeFromProportion, TruncatedTwentyOverClampedX) {
    RecordingFields fields;
    JudgeAge(1.0, 1.0, -GetParam().x, fields);
    EXPECT_EQ(fields.Text(Field::EditX), GetParam().xText);
    EXPECT_EQ(fields.Text(Field::LabelAP), GetParam().age);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AgeFromProportion,
    ::testing::Values(AgeCase{"quarter_is_oldest", 0.25, "0.25", "80"},
                      AgeCase{"below_quarter_clamped_but_shown_unclamped", 0.1, "0.1", "80"},
                      AgeCase{"negative_clamped", -3.0, "-3", "80"},
                      AgeCase{"zero_clamped", 0.0, "0", "80"},
                      AgeCase{"sixty_six", 0.303030303030303, "0.303030303030303", "66"},
                      AgeCase{"half", 0.5, "0.5", "40"}, AgeCase{"one", 1.0, "1", "20"},
                      AgeCase{"two", 2.0, "2", "10"}, AgeCase{"four", 4.0, "4", "5"},
                      AgeCase{"twenty", 20.0, "20", "1"},
                      AgeCase{"above_twenty", 20.5, "20.5", "0"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct DepthCase {
    const char* name;
    double nh;
    double bottomSpan;
    bool judged;
};

class NoseDepthThreshold : public ::testing::TestWithParam<DepthCase> {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
};

TEST_P(NoseDepthThreshold, ErrorBelowATenthOfAPixel) {
    RecordingFields fields;
    JudgeAge(GetParam().nh, GetParam().bottomSpan, -10.0, fields);
    EXPECT_NE(fields.Text(Field::EditY), "0"); // y is written either way
    if (GetParam().judged) {
        EXPECT_NE(fields.Text(Field::EditX), "Error");
        EXPECT_NE(fields.Text(Field::LabelAP), "未判定");
    } else {
        EXPECT_EQ(fields.Text(Field::EditX), "Error");
        EXPECT_EQ(fields.Text(Field::LabelAP), "未判定");
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, NoseDepthThreshold,
                         ::testing::Values(DepthCase{"exactly_a_tenth_is_judged", 0.1, 1.0, true},
                                           DepthCase{"negative_tenth_is_judged", -0.1, 1.0, true},
                                           DepthCase{"just_below_a_tenth", 0.09999999999999999, 1.0,
                                                     false},
                                           DepthCase{"zero_nose", 0.0, 120.0, false},
                                           DepthCase{"negative_nose_judged", -0.3, 120.0, true}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(JudgeAge, NegativeNoseWithWidestAboveEyesIsOldest) {
    RecordingFields fields;
    JudgeAge(-0.3, 120.0, -10.909090909090905, fields);
    EXPECT_EQ(fields.Text(Field::LabelAP), "80");
}

TEST(JudgeAge, WidestBelowEyeLineWorkedExample) {
    SetDecimalSeparator('.');
    RecordingFields fields;
    fields.Set(Field::EditR, "80");
    fields.Set(Field::EditH, "1.3");
    fields.Set(Field::EditMO, "1.1");
    fields.Set(Field::EditA, "0.1");
    fields.Set(Field::EditNH, "0.35");
    const auto [params, geometry] = ReadFaceParams(fields);
    JudgeAge(params.nh, geometry.BottomSpan, geometry.WidestOffset, fields);
    EXPECT_EQ(fields.Text(Field::EditY), "-0.0476190476190476");
    EXPECT_EQ(fields.Text(Field::EditX), "-0.136054421768707");
    EXPECT_EQ(fields.Text(Field::LabelAP), "80");
}

TEST(JudgeAge, ZeroSpanFaultsBeforeAnyWrite) {
    struct Case {
        double widest;
        FaultKind kind;
    };
    for (const Case& c :
         {Case{-10.0, FaultKind::DivideByZero}, Case{0.0, FaultKind::InvalidArithmetic}}) {
        RecordingFields fields;
        try {
            JudgeAge(0.3, 0.0, c.widest, fields);
            FAIL();
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.Kind(), c.kind);
        }
        EXPECT_TRUE(fields.writes.empty());
    }
}

} // namespace
} // namespace quorvel
