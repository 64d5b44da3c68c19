#pragma once

#include <array>

namespace quorvel {

// The texts of EditCX to EditX and of LabelAP before anything is done, in
// the order of Field.
inline constexpr std::array<const char*, 12> kFieldDefaults{
    "0", "0", "100", "1.2", "1.2", "0", "0.3", "0.5", "0", "0", "0", "未判定"};

} // namespace quorvel
