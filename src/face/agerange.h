#pragma once

namespace quorvel {

// The ages a judgement can give when its landmarks move within the care of a
// click: from low to high, both within 0..80.
struct AgeRange {
    int low = 0;
    int high = 0;
    friend bool operator==(const AgeRange&, const AgeRange&) = default;
};

} // namespace quorvel
