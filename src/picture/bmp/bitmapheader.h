#pragma once

#include "picture/bmp/infoheader.h"

#include <array>
#include <cstdint>

namespace quorvel {

class ByteSource;

// Everything in front of the pixel data of a bitmap file, as the file gives it.
struct BitmapHeader {
    InfoHeader info;
    bool hasMasks = false;                  // info.masks hold red, green and blue
    std::array<std::uint32_t, 256> table{}; // 0x00RRGGBB
    int tableSize = 0;
};

// Reads the file header, info header, colour masks and colour table of a
// non-empty file, leaving `source` at the first byte after them. Throws
// BitmapRefused: Truncated where the file ends inside one of them,
// NotABitmap without "BM" in front, InvalidHeader for a header that cannot
// be taken as one.
BitmapHeader ReadBitmapHeader(ByteSource& source);

} // namespace quorvel
