#include "face/judgementdetails.h"

#include "face/agelattice.h"
#include "face/faceparams.h"
#include "face/fieldvalues.h"
#include "face/memoryfields.h"
#include "face/trialjudgement.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr double kPercent = 0.01;

const struct {
    LatticeAxis axis;
    std::optional<double> LandmarkSensitivity::*years;
} kLandmarks[] = {{LatticeAxis::CentreY, &LandmarkSensitivity::centre},
                  {LatticeAxis::EarX, &LandmarkSensitivity::ear},
                  {LatticeAxis::TopY, &LandmarkSensitivity::top},
                  {LatticeAxis::ChinY, &LandmarkSensitivity::chin},
                  {LatticeAxis::NoseY, &LandmarkSensitivity::nose},
                  {LatticeAxis::MouthY, &LandmarkSensitivity::mouth}};

LandmarkSensitivity Sensitivities(const FaceFields& fields) {
    const AgeLattice lattice(fields);
    const double percent = std::abs(lattice.EyeToChin()) * kPercent;
    const double move = std::clamp(std::floor(percent + 0.5), 1.0, AgeLattice::kMaxMovePixels);
    const std::int32_t pixels = TruncToInt(move);

    LandmarkSensitivity sensitivity;
    for (const auto& landmark : kLandmarks) {
        AgeLattice::Point at{};
        at[static_cast<std::size_t>(landmark.axis)] = pixels;
        const std::optional<TrialAge> down = lattice.AgeAt(at);
        at[static_cast<std::size_t>(landmark.axis)] = -pixels;
        const std::optional<TrialAge> up = lattice.AgeAt(at);
        if (down && up) {
            sensitivity.*landmark.years = (down->age - up->age) / 2.0 * (percent / move);
        }
    }
    return sensitivity;
}

} // namespace

JudgementDetails DescribeJudgement(const FaceFields& fields) {
    MemoryFields judged(fields);
    JudgementDetails details;
    if (const std::optional<TrialAge> judgement = JudgeTrial(judged)) {
        details.age = judgement->age;
        details.x = judgement->x;
    }
    details.y = ReadReal(judged, Field::EditY).Value();
    const auto [params, geometry] = ReadFaceParams(judged);
    details.widestRow = geometry.WidestOffset;
    details.chin = geometry.BottomSpan;
    details.nose = (Real(geometry.BottomSpan) * params.nh).Value();
    details.yearsPerPercent = Sensitivities(fields);
    return details;
}

} // namespace quorvel
