#include "numtext/parseint.h"

#include "numtext/asciidigit.h"
#include "numtext/failure.h"
#include "numtext/textmessages.h"

#include <cstdint>
#include <string>

namespace quorvel {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads hexadecimal digits from pos to the end: at most eight significant
// ones, read as a 32-bit pattern.
bool ReadHex(const std::string& text, std::size_t pos, std::int32_t& result) {
    if (pos >= text.size()) {
        return false;
    }
    std::uint32_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = HexValue(text[pos]);
        if (digit < 0 || value > 0x0FFFFFFFu) {
            return false;
        }
        value = value * 16u + static_cast<std::uint32_t>(digit);
    }
    result = static_cast<std::int32_t>(value);
    return true;
}

// Reads decimal digits from pos to the end; the magnitude is at most
// 2147483647 whatever the sign.
bool ReadDecimal(const std::string& text, std::size_t pos, bool negative, std::int32_t& result) {
    if (pos >= text.size()) {
        return false;
    }
    std::int32_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos])) {
            return false;
        }
        const int digit = text[pos] - '0';
        if (value > (INT32_MAX - digit) / 10) {
            return false;
        }
        value = value * 10 + digit;
    }
    result = negative ? -value : value;
    return true;
}

bool ReadInt(const std::string& text, std::int32_t& result) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    if (pos >= text.size()) {
        return false;
    }
    switch (text[pos]) {
    case '-':
        return ReadDecimal(text, pos + 1, true, result);
    case '+':
        return ReadDecimal(text, pos + 1, false, result);
    case '$':
    case 'x':
    case 'X':
        return ReadHex(text, pos + 1, result);
    case '0':
        if (pos + 1 == text.size()) {
            result = 0;
            return true;
        }
        if (text[pos + 1] == 'x' || text[pos + 1] == 'X') {
            return ReadHex(text, pos + 2, result);
        }
        return ReadDecimal(text, pos + 1, false, result);
    default:
        return ReadDecimal(text, pos, false, result);
    }
}

} // namespace

std::optional<std::int32_t> TryParseInt(const std::string& text) {
    std::int32_t result = 0;
    if (!ReadInt(text, result)) {
        return std::nullopt;
    }
    return result;
}

std::int32_t ParseInt(const std::string& text) {
    const std::optional<std::int32_t> result = TryParseInt(text);
    if (!result) {
        throw NumberTextError(NotAnIntegerMessage(text));
    }
    return *result;
}

} // namespace quorvel
