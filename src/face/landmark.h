#pragma once

#include <cstdint>

namespace quorvel {

class FaceFields;

// Turns a press at picture pixel (x, y) into field texts for the landmark of
// wizStep. The caller redraws afterwards.
void PlaceLandmark(int wizStep, std::int32_t x, std::int32_t y, FaceFields& fields);

} // namespace quorvel
