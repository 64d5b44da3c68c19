#pragma once

#include <string>

namespace quorvel {

// The refused text is quoted byte for byte, blanks included.
inline std::string NotAnIntegerMessage(const std::string& text) {
    return "'" + text + "' は数値ではありません";
}

inline std::string NotADoubleMessage(const std::string& text) {
    return "'" + text + "' は浮動小数点数ではありません";
}

} // namespace quorvel
