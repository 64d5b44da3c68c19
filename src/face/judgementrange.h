#pragma once

#include "face/agerange.h"

#include <optional>

namespace quorvel {

class FaceFields;

// The lowest and highest age the judgement gives when every landmark press
// moves by up to 2 % of the eye-to-chin distance (BottomSpan: the chin's
// press lies that far below cy), and mo and e by one slider step where the
// slider reaches. Presses are whole pixels, so a press moves by the whole
// pixels within the 2 %: none while the chin is under 50 pixels below cy. The landmarks are rebuilt
// from the fields (see AgeLattice) and the range always holds the fields' own age, which a text
// typed by hand may give where no press does. Ages of the box that are "Error" count for nothing.
// None when the fields themselves give no age. Reads the fields first as the judgement does and
// throws its failures; a failure met at a nearby press is thrown too.
std::optional<AgeRange> JudgeAgeRange(const FaceFields& fields);

} // namespace quorvel
