#include "face/face.h"
#include "numtext/numtext.h"
#include "recorders.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

using testing::RecordingFields;

struct PositionCase {
    const char* name;
    int step;
    const char* text;
    std::int32_t position; // before the slider clamps it into its range
};

class SliderPositionFromText : public ::testing::TestWithParam<PositionCase> {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
};

TEST_P(SliderPositionFromText, TruncatedTimesTen) {
    RecordingFields fields;
    fields.Set(GetParam().step == 5 ? Field::EditMO : Field::EditE, GetParam().text);
    EXPECT_EQ(ContourSliderPosition(GetParam().step, fields), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Texts, SliderPositionFromText,
                         ::testing::Values(PositionCase{"mo_default", 5, "1.2", 12},
                                           PositionCase{"mo_half_step_truncated", 5, "2.95", 29},
                                           PositionCase{"mo_negative", 5, "-1", -10},
                                           PositionCase{"mo_above_range", 5, "5", 50},
                                           PositionCase{"mo_wraps_beyond_int32", 5, "300000000",
                                                        -1294967296},
                                           PositionCase{"e_zero_is_middle", 6, "0", 10},
                                           PositionCase{"e_negative_fraction", 6, "-0.35", 6},
                                           PositionCase{"e_above_range", 6, "2", 30}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ContourSlider, RangesOnlyAtContourSteps) {
    for (int step = -1; step <= 10; ++step) {
        const auto range = ContourSliderRange(step);
        if (step == 5) {
            ASSERT_TRUE(range);
            EXPECT_EQ(range->minimum, 0);
            EXPECT_EQ(range->maximum, 30);
        } else if (step == 6) {
            ASSERT_TRUE(range);
            EXPECT_EQ(range->maximum, 20);
        } else {
            EXPECT_FALSE(range) << step;
        }
    }
}

TEST(ContourSlider, PositionsWriteTenths) {
    SetDecimalSeparator('.');
    RecordingFields fields;
    ApplyContourSlider(5, 7, fields);
    EXPECT_EQ(fields.Text(Field::EditMO), "0.7");
    ApplyContourSlider(5, 0, fields);
    EXPECT_EQ(fields.Text(Field::EditMO), "0");
    ApplyContourSlider(6, 0, fields);
    EXPECT_EQ(fields.Text(Field::EditE), "-1");
    ApplyContourSlider(6, 20, fields);
    EXPECT_EQ(fields.Text(Field::EditE), "1");
}

// A value set by the slider must bring the slider back to the same place.
TEST(ContourSlider, EveryPositionSurvivesItsOwnText) {
    SetDecimalSeparator('.');
    for (int step : {5, 6}) {
        for (int p = 0; p <= ContourSliderRange(step)->maximum; ++p) {
            RecordingFields fields;
            ApplyContourSlider(step, p, fields);
            EXPECT_EQ(ContourSliderPosition(step, fields), p) << "step " << step << " p " << p;
        }
    }
}

TEST(ContourSlider, NonNumericTextIsReported) {
    RecordingFields fields;
    fields.Set(Field::EditMO, "abc");
    EXPECT_THROW(ContourSliderPosition(5, fields), NumberTextError);
}

} // namespace
} // namespace quorvel
