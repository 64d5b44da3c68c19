#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

std::string FormatInt(std::int32_t value);

// 15 significant digits, exact halves away from zero; fixed notation for
// magnitudes from 0.0001 below 1E15, otherwise "d.dddE-x".
std::string FormatDouble(double value);

} // namespace quorvel
