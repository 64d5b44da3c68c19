#include "face/face.h"
#include "numtext/numtext.h"
#include "recorders.h"

#include <gtest/gtest.h>
#include <string>
#include <typeinfo>

namespace quorvel {
namespace {

using testing::RecordingFields;
using testing::RecordingView;

// The panel as the window starts it gives an age: eye line 0, chin 120 below.
RecordingFields Panel() {
    SetDecimalSeparator('.');
    return RecordingFields();
}

TEST(JudgeAgeRange, NoRangeWhereTheFieldsGiveNoAge) {
    RecordingFields fields = Panel();
    fields.Set(Field::EditNH, "0.0008"); // a nose depth of 0.096 pixels: "Error"
    EXPECT_FALSE(JudgeAgeRange(fields).has_value());
}

struct TypedCase {
    const char* name;
    Field field;
    const char* text;
};

class FailsLikeTheJudgement : public ::testing::TestWithParam<TypedCase> {};

// The window shows one report for the judgement's failure; the range and the
// details must meet the same one first, not one of their own.
TEST_P(FailsLikeTheJudgement, SameFailureFirst) {
    RecordingFields fields = Panel();
    fields.Set(GetParam().field, GetParam().text);
    std::string expected;
    try {
        RecordingView view;
        RedrawOverlay(wizstep::kJudged, fields, "", view);
        FAIL() << "the judgement did not fail";
    } catch (const Failure& failure) {
        expected = std::string(typeid(failure).name()) + ": " + failure.what();
    }
    const auto failureOf = [](auto&& call) {
        try {
            call();
        } catch (const Failure& failure) {
            return std::string(typeid(failure).name()) + ": " + failure.what();
        }
        return std::string("no failure");
    };
    EXPECT_EQ(failureOf([&] { JudgeAgeRange(fields); }), expected);
    EXPECT_EQ(failureOf([&] { DescribeJudgement(fields); }), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FailsLikeTheJudgement,
    ::testing::Values(TypedCase{"centre_not_a_number", Field::EditCY, "1a"},
                      TypedCase{"contour_empty", Field::EditMO, ""},
                      TypedCase{"contour_divides_by_zero", Field::EditMO, "-1"},
                      TypedCase{"zero_eye_to_chin_distance", Field::EditA, "-1"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// An eye-to-chin distance under half a pixel still judges when the nose lies
// deep enough in it, but a press on the chin lands on the eye line: the
// range meets the division by zero any such press meets.
TEST(JudgeAgeRange, SubPixelFaceFailsAsAPressOnItWould) {
    RecordingFields fields = Panel();
    fields.Set(Field::EditH, "0.004"); // BottomSpan 0.4
    fields.Set(Field::EditNH, "0.5");  // a nose depth of 0.2 pixels
    RecordingView view;
    RedrawOverlay(wizstep::kJudged, fields, "", view);
    ASSERT_NE(fields.Text(Field::LabelAP), "未判定");
    EXPECT_THROW(JudgeAgeRange(fields), ArithmeticFault);
}

} // namespace
} // namespace quorvel
