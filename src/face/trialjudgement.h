#pragma once

#include <optional>

namespace quorvel {

class FaceFields;

// Judges the fields as the redraw at the last step does, writing y, x and the
// age into them: a scratch copy, never the window's. Returns the age; none
// when the nose depth is too small to judge from (x reads "Error").
std::optional<int> JudgeTrial(FaceFields& trial);

} // namespace quorvel
