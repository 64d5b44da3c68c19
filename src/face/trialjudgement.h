#pragma once

#include <optional>

namespace quorvel {

class FaceFields;

// A judgement's age and the x it was truncated from, as EditX reads.
struct TrialAge {
    int age = 0;
    double x = 0;
};

// Judges the fields as the redraw at the last step does, writing y, x and the
// age into them: a scratch copy, never the window's. None when the nose depth
// is too small to judge from (x reads "Error").
std::optional<TrialAge> JudgeTrial(FaceFields& trial);

} // namespace quorvel
