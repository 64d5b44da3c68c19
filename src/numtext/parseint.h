#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// Decimal (-2147483647..2147483647) or hexadecimal ("$", "x", "0x" prefixes,
// 32-bit pattern). Throws NumberTextError.
std::int32_t ParseInt(const std::string& text);

} // namespace quorvel
