#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quorvel {

// How a raster's pixel memory is laid out: rows of `stride` bytes (a multiple
// of 4), bottom row first unless topDown. Colours here are 0x00RRGGBB.
struct PixelFormat {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    bool topDown = true;
    // Red, green and blue bits of a 16- or 32-bit pixel; contiguous, disjoint.
    std::array<std::uint32_t, 3> masks{0xFF0000, 0xFF00, 0xFF};
    // The file's colour table. Indices at or beyond tableSize show black.
    std::array<std::uint32_t, 256> table{};
    int tableSize = 0;
    std::size_t stride = 0;

    std::size_t MemorySize() const { return stride * static_cast<std::size_t>(height); }
    // Offset of the row shown at y (0 = top).
    std::size_t RowOffset(int y) const {
        return stride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
    }
    // The whole bytes that hold columns x0 to x1 - 1 of row y.
    struct Bytes {
        std::size_t offset;
        std::size_t length;
    };
    Bytes SpanBytes(int y, int x0, int x1) const {
        const auto bits = static_cast<std::size_t>(bitsPerPixel);
        const std::size_t first = static_cast<std::size_t>(x0) * bits / 8;
        const std::size_t end = (static_cast<std::size_t>(x1) * bits + 7) / 8;
        return {RowOffset(y) + first, end - first};
    }
};

// The colour table as the view shows it, 0xFFRRGGBB: opaque, and black for
// indices beyond the table.
std::array<std::uint32_t, 256> DisplayPalette(const PixelFormat& format);

// Bytes of one row: width times depth rounded up to whole 32-bit words.
std::uint64_t RowBytes(std::uint32_t width, int bitsPerPixel);

// The display's own format: 32-bit 0x00RRGGBB words, top row first.
PixelFormat DisplayFormat(int width, int height);

// Widens or narrows a channel of `from` bits to `to` bits: narrowing keeps the
// high bits, widening repeats the bit pattern (so all ones stays all ones).
std::uint32_t ScaleChannel(std::uint32_t value, int from, int to);

struct MaskShape {
    int shift = 0;
    int bits = 0;
};
// Mask must be contiguous (or 0).
MaskShape ShapeOfMask(std::uint32_t mask);

} // namespace quorvel
