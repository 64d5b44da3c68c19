#include "face/contourslider.h"

#include "face/fieldvalues.h"

namespace quorvel {

std::optional<SliderRange> ContourSliderRange(int wizStep) {
    if (wizStep == 5) {
        return SliderRange{0, 30};
    }
    if (wizStep == 6) {
        return SliderRange{0, 20};
    }
    return std::nullopt;
}

std::int32_t ContourSliderPosition(int wizStep, const FaceFields& fields) {
    if (wizStep == 5) {
        return TruncToInt(ReadReal(fields, Field::EditMO) * 10.0);
    }
    return TruncToInt(ReadReal(fields, Field::EditE) * 10.0 + 10.0);
}

void ApplyContourSlider(int wizStep, int position, FaceFields& fields) {
    if (wizStep == 5) {
        WriteReal(fields, Field::EditMO, Real(position) * 0.1);
    } else if (wizStep == 6) {
        WriteReal(fields, Field::EditE, Real(WrapSub(position, 10)) * 0.1);
    }
}

} // namespace quorvel
