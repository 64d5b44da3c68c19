#include "face/agelattice.h"
#include "face/face.h"
#include "numtext/numtext.h"
#include "recorders.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {
namespace {

using testing::RecordingFields;
using testing::RecordingView;

struct Press {
    int wizStep;
    std::int32_t x;
    std::int32_t y;
};

// The sample face as the program's own walk-through clicks it.
const std::vector<Press> kSampleFace = {{1, 219, 82}, {2, 162, 100}, {3, 90, 19},
                                        {4, 90, 167}, {7, 90, 118},  {8, 90, 142}};

struct RangeCase {
    const char* name;
    std::vector<Press> presses;
    int moPosition;
    int ePosition;
    std::vector<std::pair<Field, const char*>> typed; // after the presses
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

RecordingFields Placed(const RangeCase& c) {
    RecordingFields fields;
    for (const Press& press : c.presses) {
        PlaceLandmark(press.wizStep, press.x, press.y, fields);
    }
    ApplyContourSlider(wizstep::kUpperContour, c.moPosition, fields);
    ApplyContourSlider(wizstep::kLowerContour, c.ePosition, fields);
    for (const auto& [field, text] : c.typed) {
        fields.Set(field, text);
    }
    return fields;
}

// Every point of the box, and the fields' own age.
AgeRange BruteForce(const FaceFields& fields) {
    const AgeLattice lattice(fields);
    const int own = lattice.FieldsAge()->age;
    AgeRange range{own, own};
    AgeLattice::Point at{};
    for (std::size_t axis = 0; axis < kLatticeAxes; ++axis) {
        at[axis] = lattice.Lowest(static_cast<LatticeAxis>(axis));
    }
    for (;;) {
        if (const std::optional<TrialAge> judged = lattice.AgeAt(at)) {
            range.low = std::min(range.low, judged->age);
            range.high = std::max(range.high, judged->age);
        }
        std::size_t axis = 0;
        while (axis < kLatticeAxes && at[axis] == lattice.Highest(static_cast<LatticeAxis>(axis))) {
            at[axis] = lattice.Lowest(static_cast<LatticeAxis>(axis));
            ++axis;
        }
        if (axis == kLatticeAxes) {
            return range;
        }
        ++at[axis];
    }
}

class AgeRangeAgainstBruteForce : public ::testing::TestWithParam<RangeCase> {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
};

TEST_P(AgeRangeAgainstBruteForce, SameExtremes) {
    const RecordingFields fields = Placed(GetParam());
    const std::optional<AgeRange> range = JudgeAgeRange(fields);
    ASSERT_TRUE(range.has_value());
    const AgeRange expected = BruteForce(fields);
    EXPECT_EQ(range->low, expected.low);
    EXPECT_EQ(range->high, expected.high);
    RecordingFields judged = fields;
    RecordingView view;
    RedrawOverlay(wizstep::kJudged, judged, "", view);
    const int shown = ParseInt(judged.Text(Field::LabelAP));
    EXPECT_LE(range->low, shown);
    EXPECT_GE(range->high, shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AgeRangeAgainstBruteForce,
    ::testing::Values(
        RangeCase{"sample_face", kSampleFace, 20, 10, {}},
        RangeCase{"clamp_edge_inside_the_box", kSampleFace, 17, 10, {}},
        RangeCase{"ages_near_zero_nose_at_eye_line",
                  {{1, 100, 100}, {2, 40, 100}, {3, 0, 0}, {4, 0, 160}, {7, 0, 101}, {8, 0, 130}},
                  20,
                  10,
                  {}},
        RangeCase{"nose_next_to_chin",
                  {{1, 100, 100}, {2, 40, 100}, {3, 0, 40}, {4, 0, 170}, {7, 0, 169}, {8, 0, 150}},
                  30,
                  10,
                  {}},
        RangeCase{
            "no_age_at_some_nearby_presses", kSampleFace, 20, 10, {{Field::EditNH, "0.0012"}}},
        RangeCase{"typed_off_the_pixel_grid",
                  {},
                  20,
                  10,
                  {{Field::EditR, "80"},
                   {Field::EditH, "0.937"},
                   {Field::EditA, "0.113"},
                   {Field::EditNH, "0.41"},
                   {Field::EditMO, "2.05"}}},
        RangeCase{"sliders_at_their_high_ends", kSampleFace, 30, 20, {}},
        RangeCase{"e_slider_at_its_low_end", kSampleFace, 19, 0, {}},
        RangeCase{"nose_refused_at_the_eye_line_hides_the_youngest",
                  {{1, 210, 116}, {2, 190, 116}, {3, 0, 24}, {4, 0, 198}, {7, 0, 118}, {8, 0, 150}},
                  10,
                  1,
                  {}},
        RangeCase{"rounding_of_r_between_corners_hides_the_youngest",
                  {{1, 220, 149}, {2, 151, 149}, {3, 0, 83}, {4, 0, 231}, {7, 0, 204}, {8, 0, 159}},
                  17,
                  3,
                  {}},
        RangeCase{
            "sliders_typed_beyond_their_reach_larger_box",
            {{1, 219, 82}, {2, 162, 100}, {3, 90, 0}, {4, 90, 190}, {7, 90, 130}, {8, 90, 160}},
            20,
            10,
            {{Field::EditMO, "3.5"}, {Field::EditE, "5"}}},
        RangeCase{"refused_nose_leads_a_first_improvement_climb_astray",
                  {{1, 224, 72}, {2, 168, 72}, {3, 0, 44}, {4, 0, 131}, {7, 0, 74}, {8, 0, 88}},
                  21,
                  14,
                  {}},
        RangeCase{"rounding_tie_behind_a_corner_that_truncation_ties",
                  {{1, 220, 147}, {2, 152, 147}, {3, 0, 49}, {4, 0, 234}, {7, 0, 154}, {8, 0, 186}},
                  26,
                  16,
                  {}},
        RangeCase{"small_face_typed_between_pixels_keeps_its_own_age",
                  {},
                  20,
                  10,
                  {{Field::EditH, "0.4"},
                   {Field::EditNH, "0.28"},
                   {Field::EditMO, "3.5"},
                   {Field::EditE, "5"}}},
        RangeCase{"presses_wrap_past_the_integer_range",
                  {{1, 2147483600, 2147483600},
                   {2, 2147483540, 2147483600},
                   {3, 0, 2147483537},
                   {4, 0, -2147483611},
                   {7, 0, 2147483636},
                   {8, 0, 2147483640}},
                  20,
                  10,
                  {}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace quorvel
