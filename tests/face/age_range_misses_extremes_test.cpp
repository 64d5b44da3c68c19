#include "face/agelattice.h"
#include "face/face.h"
#include "numtext/numtext.h"
#include "recorders.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {
namespace {

using testing::RecordingFields;

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

RecordingFields Judged(const RangeCase& c) {
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
    const int own = *lattice.FieldsAge();
    AgeRange range{own, own};
    AgeLattice::Point at{};
    for (std::size_t axis = 0; axis < kLatticeAxes; ++axis) {
        at[axis] = lattice.Lowest(static_cast<LatticeAxis>(axis));
    }
    for (;;) {
        if (const std::optional<int> age = lattice.AgeAt(at)) {
            range.low = std::min(range.low, *age);
            range.high = std::max(range.high, *age);
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
    const RecordingFields fields = Judged(GetParam());
    const std::optional<AgeRange> range = JudgeAgeRange(fields);
    ASSERT_TRUE(range.has_value());
    const AgeRange expected = BruteForce(fields);
    EXPECT_EQ(range->low, expected.low);
    EXPECT_EQ(range->high, expected.high);
    std::printf("%s: %d-%d\n", GetParam().name, range->low, range->high);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AgeRangeAgainstBruteForce,
    ::testing::Values(RangeCase{"sample_face", kSampleFace, 20, 10, {}},
                      RangeCase{"sample_face_clamped_at_80", kSampleFace, 12, 10, {}},
                      RangeCase{"clamp_edge_inside_the_box", kSampleFace, 17, 10, {}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace quorvel
