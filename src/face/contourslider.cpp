#include "face/contourslider.h"

#include "face/fieldvalues.h"
#include "face/wizsteps.h"

namespace quorvel {

std::optional<SliderRange> ContourSliderRange(int wizStep) {
    if (wizStep == wizstep::kUpperContour) {
        return SliderRange{0, 30};
    }
    if (wizStep == wizstep::kLowerContour) {
        return SliderRange{0, 20};
    }
    return std::nullopt;
}

std::int32_t ContourSliderPosition(int wizStep, const FaceFields& fields) {
    if (wizStep == wizstep::kUpperContour) {
        return TruncToInt(ReadReal(fields, Field::EditMO) * 10.0);
    }
    return TruncToInt(ReadReal(fields, Field::EditE) * 10.0 + 10.0);
}

void ApplyContourSlider(int wizStep, int position, FaceFields& fields) {
    if (wizStep == wizstep::kUpperContour) {
        WriteReal(fields, Field::EditMO, Real(position) * 0.1);
    } else if (wizStep == wizstep::kLowerContour) {
        WriteReal(fields, Field::EditE, Real(WrapSub(position, 10)) * 0.1);
    }
}

} // namespace quorvel
