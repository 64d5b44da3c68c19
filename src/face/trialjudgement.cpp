#include "face/trialjudgement.h"

#include "face/faceparams.h"
#include "face/fieldvalues.h"
#include "face/judgement.h"

namespace quorvel {

std::optional<TrialAge> JudgeTrial(FaceFields& trial) {
    // The judgement leaves the age alone when it cannot judge.
    trial.WriteText(Field::LabelAP, "");
    const auto [params, geometry] = ReadFaceParams(trial);
    JudgeAge(params.nh, geometry.BottomSpan, geometry.WidestOffset, trial);
    if (trial.ReadText(Field::LabelAP).empty()) {
        return std::nullopt;
    }
    return TrialAge{ReadInt(trial, Field::LabelAP), ReadReal(trial, Field::EditX).Value()};
}

} // namespace quorvel
