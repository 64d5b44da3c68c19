#pragma once

namespace quorvel {

// The one decimal separator of the process, used for reading and writing
// doubles. "." until RefreshDecimalSeparator() reads the user's setting.
void SetDecimalSeparator(char separator);
char DecimalSeparator();

// Takes the first character of the decimal point of the user's LC_NUMERIC
// locale (from the environment, without touching the process locale); "."
// when that cannot be read or is not a single ASCII character.
void RefreshDecimalSeparator();

} // namespace quorvel
