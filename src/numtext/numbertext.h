#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// Conversions between field text and numbers. Texts are UTF-8; the parsers
// compare single bytes, so a non-ASCII character never matches anything. They
// never depend on the process locale, only on DecimalSeparator().

// Decimal (-2147483647..2147483647) or hexadecimal ("$", "x", "0x" prefixes,
// 32-bit pattern). Throws NumberTextError.
std::int32_t ParseInt(const std::string& text);

// Decimal with the current separator and an optional exponent, correctly
// rounded. Throws NumberTextError, or ArithmeticFault(Overflow) beyond the
// double range.
double ParseDouble(const std::string& text);

std::string FormatInt(std::int32_t value);

// 15 significant digits, exact halves away from zero; fixed notation for
// magnitudes from 0.0001 below 1E15, otherwise "d.dddE-x".
std::string FormatDouble(double value);

// Truncation toward zero, wrapped modulo 2^32 within the signed 64-bit range.
// Throws ArithmeticFault(InvalidArithmetic) outside it.
std::int32_t TruncToInt(double value);

} // namespace quorvel
