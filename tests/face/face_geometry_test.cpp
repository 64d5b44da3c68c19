#include "face/face.h"
#include "numtext/numtext.h"
#include "recorders.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using testing::RecordingFields;

struct GeometryCase {
    const char* name;
    std::vector<std::pair<Field, std::string>> texts;
    FaceGeometry expected;
};

class GeometryFromTexts : public ::testing::TestWithParam<GeometryCase> {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
};

TEST_P(GeometryFromTexts, ExactDoubles) {
    RecordingFields fields;
    for (const auto& [field, text] : GetParam().texts) {
        fields.Set(field, text);
    }
    const auto [params, geometry] = ReadFaceParams(fields);
    const FaceGeometry& want = GetParam().expected;
    EXPECT_EQ(geometry.UpperScale, want.UpperScale);
    EXPECT_EQ(geometry.TopSpan, want.TopSpan);
    EXPECT_EQ(geometry.BottomSpan, want.BottomSpan);
    EXPECT_EQ(geometry.WidestOffset, want.WidestOffset);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, GeometryFromTexts,
    ::testing::Values(
        GeometryCase{"defaults", {}, {1.0909090909090908, 120, 120, -10.909090909090905}},
        GeometryCase{"narrow_face",
                     {{Field::EditR, "80"},
                      {Field::EditH, "1.3"},
                      {Field::EditMO, "1.3"},
                      {Field::EditA, "-0.1"}},
                     {1.1304347826086958, 114.4, 93.60000000000001, -23.96521739130435}},
        GeometryCase{
            "equal_halves_widest_on_eye_line", {{Field::EditMO, "1"}}, {1.2, 120, 120, 0.0}},
        GeometryCase{"eye_line_on_top_edge",
                     {{Field::EditA, "1"}},
                     {1.0909090909090908, 0, 240, 120 - 10.909090909090905}},
        GeometryCase{"eye_line_on_bottom_edge",
                     {{Field::EditA, "-1"}},
                     {1.0909090909090908, 240, 0, -120 - 10.909090909090905}},
        GeometryCase{
            "zero_width_has_no_fault", {{Field::EditR, "0"}}, {1.0909090909090908, 0, 0, 0}},
        GeometryCase{"negative_height_accepted",
                     {{Field::EditH, "-1.2"}},
                     {-1.0909090909090908, -120, -120, 10.909090909090905}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ReadFaceParams, ReadsNineFieldsInFixedOrder) {
    RecordingFields fields;
    fields.Set(Field::EditCX, "200");
    const auto [params, geometry] = ReadFaceParams(fields);
    const std::vector<Field> order{Field::EditCX, Field::EditCY, Field::EditR,
                                   Field::EditE,  Field::EditMO, Field::EditH,
                                   Field::EditA,  Field::EditNH, Field::EditMH};
    EXPECT_EQ(fields.reads, order);
    EXPECT_EQ(params.cx, 200);
    EXPECT_EQ(params.r, 100);
    EXPECT_EQ(params.h, 1.2);
    EXPECT_EQ(params.nh, 0.3);
    EXPECT_EQ(params.mh, 0.5);
}

// With every field bad, fixing them one at a time in reading order must move
// the report from one field to the next.
TEST(ReadFaceParams, FirstBadFieldInReadingOrderIsReported) {
    const std::vector<std::pair<Field, const char*>> order{
        {Field::EditCX, "'cx?' は数値ではありません"},
        {Field::EditCY, "'cy?' は数値ではありません"},
        {Field::EditR, "'r?' は数値ではありません"},
        {Field::EditE, "'e?' は浮動小数点数ではありません"},
        {Field::EditMO, "'mo?' は浮動小数点数ではありません"},
        {Field::EditH, "'h?' は浮動小数点数ではありません"},
        {Field::EditA, "'a?' は浮動小数点数ではありません"},
        {Field::EditNH, "'nh?' は浮動小数点数ではありません"},
        {Field::EditMH, "'mh?' は浮動小数点数ではありません"}};
    const char* const bad[] = {"cx?", "cy?", "r?", "e?", "mo?", "h?", "a?", "nh?", "mh?"};
    RecordingFields fields;
    for (std::size_t i = 0; i < order.size(); ++i) {
        fields.Set(order[i].first, bad[i]);
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        try {
            ReadFaceParams(fields);
            FAIL() << "no report for " << testing::FieldName(order[i].first);
        } catch (const NumberTextError& error) {
            EXPECT_STREQ(error.what(), order[i].second);
        }
        fields.Set(order[i].first, i == 2 ? "100" : "1");
    }
    EXPECT_NO_THROW(ReadFaceParams(fields));
}

TEST(ReadFaceParams, MoMinusOneFaultsBeforeEyeLinePlacementIsRead) {
    struct Case {
        const char* h;
        FaultKind kind;
    };
    for (const Case& c :
         {Case{"1.2", FaultKind::DivideByZero}, Case{"0", FaultKind::InvalidArithmetic}}) {
        RecordingFields fields;
        fields.Set(Field::EditMO, "-1");
        fields.Set(Field::EditH, c.h);
        fields.Set(Field::EditA, "not a number");
        try {
            ReadFaceParams(fields);
            FAIL() << "h " << c.h;
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.Kind(), c.kind) << "h " << c.h;
        }
        EXPECT_EQ(fields.reads.back(), Field::EditH);
    }
}

TEST(ReadFaceParams, HugeHeightOverflowsAtTopSpan) {
    RecordingFields fields;
    fields.Set(Field::EditH, "1e307");
    fields.Set(Field::EditNH, "never read");
    try {
        ReadFaceParams(fields);
        FAIL();
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.Kind(), FaultKind::Overflow);
    }
    EXPECT_EQ(fields.reads.back(), Field::EditA);
}

TEST(ReadFaceParams, TypedNumberBeyondDoubleRangeIsOverflow) {
    RecordingFields fields;
    fields.Set(Field::EditE, "1e400");
    try {
        ReadFaceParams(fields);
        FAIL();
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.Kind(), FaultKind::Overflow);
    }
}

} // namespace
} // namespace quorvel
