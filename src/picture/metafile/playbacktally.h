#pragma once

#include <cstddef>
#include <cstdint>
#include <set>

namespace quorvel {

// What playing a metafile did with its records, so that a drawing that looks
// wrong can be traced to the records behind it.
struct PlaybackTally {
    // The types (enhanced) or functions (Windows) of the records that were
    // played by their handler.
    std::set<std::uint32_t> played;
    // Records with a handler that were too short for the fields it reads:
    // they were passed over rather than played with missing fields as 0.
    std::size_t tooShort = 0;
};

} // namespace quorvel
