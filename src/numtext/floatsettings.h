#pragma once

namespace quorvel {

// Round to nearest, no flush of subnormals to zero, no pending exception flags.
// Faults are detected by testing results (see Real), never by traps.
void ResetFloatSettings();

} // namespace quorvel
