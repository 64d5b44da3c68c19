#pragma once

#include "detect/landmarkmodel.h"

namespace quorvel {

// The landmark model of the file LandmarkModelFile() names now, one per file
// for the whole program: every window shares it, so the seconds its load takes
// are spent once. Call on the window's thread; the model lives until exit.
LandmarkModel& SharedLandmarkModel();

} // namespace quorvel
