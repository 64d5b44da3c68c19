#include "face/face.h"
#include "numtext/numtext.h"
#include "recorders.h"

#include <gtest/gtest.h>
#include <optional>

namespace quorvel {
namespace {

using testing::RecordingFields;

// A face with the eye line at 100 * scale, the top 72, the chin 90 and the nose
// 40 (times scale) from it, and mo 2 (m = (mo - 1) / (mo + 1) = 1/3). The
// widest row lies -(72 + 90) / 2 * m + (90 - 72) / 2 = -18 below the eye line,
// so y = 18 / 90, x = 18 / 40 and the age trunc(20 / x) = 44. Moving a press
// changes x = (T (1 + m) - B (1 - m)) / (2 N) through the top span T, the
// bottom span B and the nose depth N.
RecordingFields HandFace(int scale) {
    SetDecimalSeparator('.');
    RecordingFields fields;
    PlaceLandmark(wizstep::kCentre, 300 * scale, 100 * scale, fields);
    PlaceLandmark(wizstep::kWidth, 240 * scale, 100 * scale, fields);
    PlaceLandmark(wizstep::kTop, 0, 28 * scale, fields);
    PlaceLandmark(wizstep::kChin, 0, 190 * scale, fields);
    ApplyContourSlider(wizstep::kUpperContour, 20, fields);
    PlaceLandmark(wizstep::kNose, 0, 140 * scale, fields);
    PlaceLandmark(wizstep::kMouth, 0, 165 * scale, fields);
    return fields;
}

constexpr double kClose = 1e-9;

TEST(DescribeJudgement, HeightsAndProportionsOfAHandWorkedFace) {
    const JudgementDetails details = DescribeJudgement(HandFace(1));
    EXPECT_NEAR(details.widestRow, -18.0, kClose);
    EXPECT_NEAR(details.chin, 90.0, kClose);
    EXPECT_NEAR(details.nose, 40.0, kClose);
    EXPECT_NEAR(details.y, 0.2, kClose);
    ASSERT_TRUE(details.x.has_value());
    EXPECT_NEAR(*details.x, 0.45, kClose);
    EXPECT_EQ(details.age, 44);
}

// 1 % of the eye-to-chin distance is 0.9 pixels at scale 1, so a press moves
// one pixel each way and the difference is scaled by 0.9; at scale 4 it is
// 3.6 pixels, a press moves 4 and the ages are the same. The centre moving
// down lengthens T and shortens B and N: up, T 71, B 91, N 41 give 48; down,
// T 73, B 89, N 39 give 41: (41 - 48) / 2 * 0.9. The top down: T 71 gives 46,
// up: T 73 gives 42. The chin: B 91 gives 45, B 89 gives 43. The nose: N 41
// gives 45, N 39 gives 43. The ear and the mouth do not enter x.
TEST(DescribeJudgement, YearsPerPercentDoNotDependOnThePictureScale) {
    for (const int scale : {1, 4}) {
        SCOPED_TRACE(scale);
        const LandmarkSensitivity years = DescribeJudgement(HandFace(scale)).yearsPerPercent;
        const struct {
            const char* landmark;
            std::optional<double> got;
            double expected;
        } cases[] = {{"centre", years.centre, -3.15}, {"ear", years.ear, 0.0},
                     {"top", years.top, 1.8},         {"chin", years.chin, 0.9},
                     {"nose", years.nose, 0.9},       {"mouth", years.mouth, 0.0}};
        for (const auto& c : cases) {
            ASSERT_TRUE(c.got.has_value()) << c.landmark;
            EXPECT_NEAR(*c.got, c.expected, kClose) << c.landmark;
        }
    }
}

TEST(DescribeJudgement, NoXNorAgeWhereTheJudgementGivesError) {
    RecordingFields fields = HandFace(1);
    fields.Set(Field::EditNH, "0.001"); // a nose depth of 0.09 pixels
    const JudgementDetails details = DescribeJudgement(fields);
    EXPECT_NEAR(details.y, 0.2, kClose);
    EXPECT_FALSE(details.x.has_value());
    EXPECT_FALSE(details.age.has_value());
    EXPECT_NEAR(details.nose, 0.09, kClose);
}

TEST(DescribeJudgement, LeavesTheFieldsAsTheyAre) {
    RecordingFields fields = HandFace(1);
    fields.writes.clear();
    DescribeJudgement(fields);
    JudgeAgeRange(fields);
    EXPECT_TRUE(fields.writes.empty());
}

} // namespace
} // namespace quorvel
