#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

class ByteSource;

// Compression values of the info header.
inline constexpr std::uint32_t kCompressionNone = 0;
inline constexpr std::uint32_t kCompressionRle8 = 1;
inline constexpr std::uint32_t kCompressionRle4 = 2;
inline constexpr std::uint32_t kCompressionBitFields = 3;

// Everything in front of the pixel data of a bitmap file, as the file gives it.
struct BitmapHeader {
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = kCompressionNone;
    std::uint32_t imageSize = 0;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue
    bool hasMasks = false;
    std::array<std::uint32_t, 256> table{}; // 0x00RRGGBB
    int tableSize = 0;
};

// Reads the file header, info header, colour masks and colour table of a
// non-empty file, leaving `source` at the first byte after them. Throws
// "ｽﾄﾘｰﾑからの読み込みｴﾗｰ" where the file ends inside one of them and
// "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です" for a file that is not a bitmap or whose header
// cannot be taken as one.
BitmapHeader ReadBitmapHeader(ByteSource& source);

} // namespace quorvel
