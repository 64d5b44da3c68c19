#pragma once

#include "detect/facefinder.h"

namespace quorvel::testing {

// The installed landmark model, loaded once for the whole test program:
// loading it takes seconds.
const FaceFinder& SampleFinder();

} // namespace quorvel::testing
