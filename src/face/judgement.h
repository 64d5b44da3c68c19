#pragma once

namespace quorvel {

class FaceFields;

// Writes y to EditY, then x (or "Error") to EditX and the age 0..80 to LabelAP.
void JudgeAge(double nh, double bottomSpan, double widestOffset, FaceFields& fields);

} // namespace quorvel
