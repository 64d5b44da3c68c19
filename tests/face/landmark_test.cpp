#include "face/face.h"
#include "numtext/numtext.h"
#include "recorders.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using testing::RecordingFields;
using Writes = std::vector<std::pair<Field, std::string>>;

struct PressCase {
    const char* name;
    int step;
    std::int32_t x;
    std::int32_t y;
    Writes setup; // texts besides the defaults and centre (200, 150)
    Writes expected;
};

class PressWrites : public ::testing::TestWithParam<PressCase> {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
};

TEST_P(PressWrites, FieldsForTheStepsLandmark) {
    RecordingFields fields;
    fields.Set(Field::EditCX, "200");
    fields.Set(Field::EditCY, "150");
    for (const auto& [field, text] : GetParam().setup) {
        fields.Set(field, text);
    }
    PlaceLandmark(GetParam().step, GetParam().x, GetParam().y, fields);
    EXPECT_EQ(fields.writes, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PressWrites,
    ::testing::Values(
        PressCase{"step0_writes_nothing", 0, 212, 148, {}, {}},
        PressCase{"centre", 1, 212, 148, {}, {{Field::EditCX, "212"}, {Field::EditCY, "148"}}},
        PressCase{"step5_moves_centre", 5, 1, 2, {}, {{Field::EditCX, "1"}, {Field::EditCY, "2"}}},
        PressCase{
            "step6_moves_centre", 6, -3, 4, {}, {{Field::EditCX, "-3"}, {Field::EditCY, "4"}}},
        PressCase{"step9_moves_centre", 9, 7, 8, {}, {{Field::EditCX, "7"}, {Field::EditCY, "8"}}},
        PressCase{"width_left_of_centre", 2, 130, 175, {}, {{Field::EditR, "70"}}},
        PressCase{"width_right_of_centre_same", 2, 270, 1, {}, {{Field::EditR, "70"}}},
        PressCase{"width_on_centre_column", 2, 200, 175, {}, {}},
        PressCase{"width_difference_int_min",
                  2,
                  INT32_MIN,
                  0,
                  {{Field::EditCX, "0"}},
                  {{Field::EditR, "-2147483648"}}},
        PressCase{"top_at_box_edge", 3, 0, 30, {}, {{Field::EditH, "1.2"}}},
        PressCase{"top_above", 3, 0, 20, {}, {{Field::EditH, "1.3"}}},
        PressCase{"top_below_eye_line", 3, 0, 160, {}, {}},
        PressCase{"top_on_eye_line", 3, 0, 150, {}, {}},
        PressCase{"top_with_eye_line_at_top", 3, 0, 20, {{Field::EditA, "1"}}, {}},
        PressCase{
            "chin", 4, 0, 290, {}, {{Field::EditH, "1.3"}, {Field::EditA, "0.0769230769230769"}}},
        PressCase{"chin_nearer", 4, 0, 280, {}, {{Field::EditH, "1.25"}, {Field::EditA, "0.04"}}},
        PressCase{"chin_on_top_edge", 4, 0, 30, {}, {}},
        PressCase{"chin_above_top_edge_flips_box",
                  4,
                  0,
                  20,
                  {},
                  {{Field::EditH, "-0.05"}, {Field::EditA, "25"}}},
        PressCase{"chin_zero_width", 4, 0, 290, {{Field::EditR, "0"}}, {}},
        PressCase{"nose", 7, 0, 186, {}, {{Field::EditNH, "0.3"}}},
        PressCase{"nose_on_eye_line", 7, 0, 150, {}, {}},
        PressCase{"nose_on_chin_line", 7, 0, 270, {}, {}},
        PressCase{"nose_above_eye_line", 7, 0, 140, {}, {}},
        PressCase{"nose_zero_span", 7, 0, 186, {{Field::EditA, "-1"}}, {}},
        PressCase{"mouth", 8, 0, 210, {}, {{Field::EditMH, "0.5"}}},
        PressCase{"mouth_below_chin", 8, 0, 300, {}, {}},
        PressCase{"step_ten_writes_nothing", 10, 1, 1, {}, {}},
        PressCase{"negative_step_writes_nothing", -1, 1, 1, {}, {}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct ReadOrderCase {
    int step;
    std::vector<Field> reads;
};

class PressReads : public ::testing::TestWithParam<ReadOrderCase> {};

TEST_P(PressReads, FieldsInTheStepsOrder) {
    RecordingFields fields;
    fields.Set(Field::EditCY, "150");
    PlaceLandmark(GetParam().step, 30, 170, fields);
    EXPECT_EQ(fields.reads, GetParam().reads);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, PressReads,
    ::testing::Values(ReadOrderCase{0, {}}, ReadOrderCase{1, {}}, ReadOrderCase{2, {Field::EditCX}},
                      ReadOrderCase{3, {Field::EditR, Field::EditA, Field::EditCY}},
                      ReadOrderCase{4, {Field::EditCY, Field::EditR, Field::EditH, Field::EditA}},
                      ReadOrderCase{7, {Field::EditCY, Field::EditR, Field::EditH, Field::EditA}},
                      ReadOrderCase{8, {Field::EditCY, Field::EditR, Field::EditH, Field::EditA}}));

TEST(PlaceLandmark, BadCentreAtWidthStepIsReportedWithoutWrite) {
    RecordingFields fields;
    fields.Set(Field::EditCX, "12.5");
    EXPECT_THROW(PlaceLandmark(2, 0, 0, fields), NumberTextError);
    EXPECT_TRUE(fields.writes.empty());
}

TEST(PlaceLandmark, TopWithEyeLineAtTopNeverReadsCentre) {
    RecordingFields fields;
    fields.Set(Field::EditA, "1");
    fields.Set(Field::EditCY, "bad");
    EXPECT_NO_THROW(PlaceLandmark(3, 0, 0, fields));
}

TEST(PlaceLandmark, ChinOverflowWritesNeitherField) {
    RecordingFields fields;
    fields.Set(Field::EditH, "1e308");
    fields.Set(Field::EditA, "-1");
    try {
        PlaceLandmark(4, 0, 290, fields);
        FAIL();
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.Kind(), FaultKind::Overflow);
    }
    EXPECT_TRUE(fields.writes.empty());
}

// The chin press keeps the top edge: the next geometry has TopSpan 120 and
// BottomSpan 140.
TEST(PlaceLandmark, ChinPressKeepsTopEdge) {
    SetDecimalSeparator('.');
    RecordingFields fields;
    fields.Set(Field::EditCY, "150");
    PlaceLandmark(4, 0, 290, fields);
    const auto [params, geometry] = ReadFaceParams(fields);
    EXPECT_DOUBLE_EQ(geometry.TopSpan, 120.0);
    EXPECT_DOUBLE_EQ(geometry.BottomSpan, 140.0);
}

} // namespace
} // namespace quorvel
