#pragma once

#include <optional>

namespace quorvel {

class FaceFields;

// Years the age moves when one landmark's press moves down by 1 % of the
// eye-to-chin distance (the ear: away from the centre, to the right); none
// where either side of the move gives no age.
struct LandmarkSensitivity {
    std::optional<double> centre; // moved down: the eye line
    std::optional<double> ear;
    std::optional<double> top;
    std::optional<double> chin;
    std::optional<double> nose;
    std::optional<double> mouth;
};

// What the judgement of the fields rests on, for the user to see.
struct JudgementDetails {
    double y = 0;            // as the judgement writes EditY
    std::optional<double> x; // as it writes EditX; none for "Error"
    std::optional<int> age;  // none for "Error"
    // The three heights the judgement divides, in picture pixels below the
    // eye line (negative: above it).
    double widestRow = 0; // the contour's widest row: WidestOffset
    double chin = 0;      // the eye-to-chin distance: BottomSpan
    double nose = 0;      // BottomSpan * nh
    LandmarkSensitivity yearsPerPercent;
};

// Judges a copy of the fields as the last step does; the window's fields stay
// as they are. The sensitivities are central differences: the press moved by
// 1 % of the eye-to-chin distance both ways, rounded to whole pixels and at
// least one, half the difference of the two ages, scaled back to 1 %. Throws
// the judgement's failures.
JudgementDetails DescribeJudgement(const FaceFields& fields);

} // namespace quorvel
