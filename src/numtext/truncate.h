#pragma once

#include <cstdint>

namespace quorvel {

// Truncation toward zero, wrapped modulo 2^32 within the signed 64-bit range.
// Throws ArithmeticFault(InvalidArithmetic) outside it.
std::int32_t TruncToInt(double value);

} // namespace quorvel
