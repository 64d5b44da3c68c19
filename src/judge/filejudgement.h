#pragma once

#include "face/agerange.h"
#include "face/facelandmarks.h"

#include <array>
#include <optional>
#include <string>

namespace quorvel {

class LandmarkModel;

// How each file is judged: the contour texts and where overlays go.
struct JudgeSettings {
    std::string mo;
    std::string e;
    std::string overlayDir; // none when empty
};

// One file's outcome. A picture has landmarks; a saved result has the age it
// was saved with. On failure only `file`, `error` and `ms` are set.
struct FileJudgement {
    std::string file;
    std::optional<FaceLandmarks> landmarks;
    std::array<std::string, 11> fields; // EditCX to EditX
    int age = 0;
    std::optional<AgeRange> ageRange; // the ages presses within the care of a click give
    std::optional<std::string> savedAge;
    std::string error;
    long long ms = 0; // wall time spent on this file
};

// Judges one picture, photo or saved result. Failures end up in `error`;
// the model is loaded (or waited for) only for pictures.
FileJudgement JudgeFile(const std::string& file, const JudgeSettings& settings,
                        LandmarkModel& model);

} // namespace quorvel
