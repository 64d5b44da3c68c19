#pragma once

#include <cstdint>
#include <optional>

namespace quorvel {

class FaceFields;

// The contour slider: at step 5 its position p stands for mo = p * 0.1 (range
// 0..30), at step 6 for e = (p - 10) * 0.1 (range 0..20); hidden elsewhere.
struct SliderRange {
    int minimum;
    int maximum;
};
std::optional<SliderRange> ContourSliderRange(int wizStep);

// The unclamped position that the field's text stands for; reads EditMO at
// step 5, EditE at step 6. Only valid where ContourSliderRange has a value.
std::int32_t ContourSliderPosition(int wizStep, const FaceFields& fields);

// Writes the value of slider position p to EditMO (step 5) or EditE (step 6).
void ApplyContourSlider(int wizStep, int position, FaceFields& fields);

} // namespace quorvel
