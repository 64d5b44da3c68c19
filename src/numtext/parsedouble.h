#pragma once

#include <string>

namespace quorvel {

// Decimal with the current separator and an optional exponent, correctly
// rounded. Throws NumberTextError, or ArithmeticFault(Overflow) beyond the
// double range.
double ParseDouble(const std::string& text);

// Whether ParseDouble would take `text` as a number were `separator` the
// decimal separator; nothing is converted.
bool IsDecimalText(const std::string& text, char separator);

} // namespace quorvel
