#pragma once

#include <string>

namespace quorvel {

// Decimal with the current separator and an optional exponent, correctly
// rounded. Throws NumberTextError, or ArithmeticFault(Overflow) beyond the
// double range.
double ParseDouble(const std::string& text);

} // namespace quorvel
