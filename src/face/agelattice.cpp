#include "face/agelattice.h"

#include "face/contourslider.h"
#include "face/faceparams.h"
#include "face/landmark.h"
#include "face/wizsteps.h"
#include "numtext/real.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr double kBoxShare = 0.02; // of the eye-to-chin distance, either way
// Beyond it a slider position would not fit an integer; no step reaches there.
constexpr double kSliderReach = 1000.0;

std::int32_t NearestPixel(Real value) {
    return TruncToInt(std::floor((value + 0.5).Value()));
}

} // namespace

AgeLattice::AgeLattice(const FaceFields& fields) : fields_(fields) {
    const auto [params, geometry] = ReadFaceParams(fields_);
    eyeToChin_ = geometry.BottomSpan;

    const Real cy = params.cy;
    const Real bottom = geometry.BottomSpan;
    presses_[Index(LatticeAxis::CentreX)] = params.cx;
    presses_[Index(LatticeAxis::CentreY)] = params.cy;
    presses_[Index(LatticeAxis::EarX)] = WrapAdd(params.cx, params.r);
    presses_[Index(LatticeAxis::TopY)] = NearestPixel(cy - geometry.TopSpan);
    presses_[Index(LatticeAxis::ChinY)] = NearestPixel(cy + bottom);
    presses_[Index(LatticeAxis::NoseY)] = NearestPixel(cy + bottom * params.nh);
    presses_[Index(LatticeAxis::MouthY)] = NearestPixel(cy + bottom * params.mh);

    const auto box = TruncToInt(std::min(Abs(bottom).Value() * kBoxShare, kMaxMovePixels));
    for (std::size_t axis = 0; axis < Index(LatticeAxis::Mo); ++axis) {
        lowest_[axis] = -box;
        highest_[axis] = box;
    }

    const struct {
        LatticeAxis axis;
        int wizStep;
        double value;
    } sliders[] = {{LatticeAxis::Mo, wizstep::kUpperContour, params.mo},
                   {LatticeAxis::E, wizstep::kLowerContour, params.e}};
    for (const auto& slider : sliders) {
        if (!(std::abs(slider.value) < kSliderReach)) {
            continue;
        }
        const std::size_t axis = Index(slider.axis);
        const std::int32_t position = ContourSliderPosition(slider.wizStep, fields_);
        const SliderRange range = *ContourSliderRange(slider.wizStep);
        presses_[axis] = position;
        lowest_[axis] = position - 1 >= range.minimum && position - 1 <= range.maximum ? -1 : 0;
        highest_[axis] = position + 1 >= range.minimum && position + 1 <= range.maximum ? 1 : 0;
    }
}

std::optional<TrialAge> AgeLattice::FieldsAge() const {
    MemoryFields trial = fields_;
    return JudgeTrial(trial);
}

std::optional<TrialAge> AgeLattice::AgeAt(const Point& offsets) const {
    const auto press = [&](LatticeAxis axis) {
        return WrapAdd(presses_[Index(axis)], offsets[Index(axis)]);
    };
    // The coordinate a step ignores stays where the centre was.
    const std::int32_t cx = presses_[Index(LatticeAxis::CentreX)];
    const std::int32_t cy = presses_[Index(LatticeAxis::CentreY)];

    MemoryFields trial = fields_;
    PlaceLandmark(wizstep::kCentre, press(LatticeAxis::CentreX), press(LatticeAxis::CentreY),
                  trial);
    PlaceLandmark(wizstep::kWidth, press(LatticeAxis::EarX), cy, trial);
    PlaceLandmark(wizstep::kTop, cx, press(LatticeAxis::TopY), trial);
    PlaceLandmark(wizstep::kChin, cx, press(LatticeAxis::ChinY), trial);
    MoveSlider(wizstep::kUpperContour, LatticeAxis::Mo, offsets[Index(LatticeAxis::Mo)], trial);
    MoveSlider(wizstep::kLowerContour, LatticeAxis::E, offsets[Index(LatticeAxis::E)], trial);
    PlaceLandmark(wizstep::kNose, cx, press(LatticeAxis::NoseY), trial);
    PlaceLandmark(wizstep::kMouth, cx, press(LatticeAxis::MouthY), trial);
    return JudgeTrial(trial);
}

// Offset 0 keeps the field's text, which need not lie on a slider step.
void AgeLattice::MoveSlider(int wizStep, LatticeAxis axis, std::int32_t offset,
                            FaceFields& trial) const {
    if (offset != 0) {
        ApplyContourSlider(wizStep, WrapAdd(presses_[Index(axis)], offset), trial);
    }
}

} // namespace quorvel
