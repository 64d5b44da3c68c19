#pragma once

namespace quorvel {

// "0" to "9" only: field texts are compared byte by byte, whatever the locale.
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace quorvel
