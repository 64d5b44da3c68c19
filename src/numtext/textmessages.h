#pragma once

#include <cstddef>
#include <string>

namespace quorvel {

// A message quotes at most this many characters of a refused text: a text of
// megabytes would otherwise make the message box lay out all of it.
inline constexpr std::size_t kQuotedCharacters = 200;

// The text as a message quotes it: byte for byte, blanks included, cut after
// kQuotedCharacters UTF-8 characters and then marked with "…".
inline std::string QuotedText(const std::string& text) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool continuation = (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
        if (!continuation && characters++ == kQuotedCharacters) {
            return text.substr(0, at) + "…";
        }
    }
    return text;
}

inline std::string NotAnIntegerMessage(const std::string& text) {
    return "'" + QuotedText(text) + "' は数値ではありません";
}

inline std::string NotADoubleMessage(const std::string& text) {
    return "'" + QuotedText(text) + "' は浮動小数点数ではありません";
}

} // namespace quorvel
