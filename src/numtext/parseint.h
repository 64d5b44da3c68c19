#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quorvel {

// Decimal (-2147483647..2147483647) or hexadecimal ("$", "x", "0x" prefixes,
// 32-bit pattern). Throws NumberTextError.
std::int32_t ParseInt(const std::string& text);

// The same rules for a text that may well not be a number; empty when
// ParseInt would throw.
std::optional<std::int32_t> TryParseInt(const std::string& text);

} // namespace quorvel
