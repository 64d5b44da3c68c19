#include "picture/raster/pixelformat.h"

#include <bit>

namespace quorvel {

std::uint64_t RowBytes(std::uint32_t width, int bitsPerPixel) {
    std::uint64_t bits = std::uint64_t{width} * static_cast<std::uint64_t>(bitsPerPixel);
    return (bits + 31) / 32 * 4;
}

std::array<std::uint32_t, 256> DisplayPalette(const PixelFormat& format) {
    std::array<std::uint32_t, 256> palette{};
    for (int i = 0; i < 256; ++i) {
        palette[static_cast<std::size_t>(i)] =
            0xFF000000u | (i < format.tableSize ? format.table[static_cast<std::size_t>(i)] : 0u);
    }
    return palette;
}

PixelFormat DisplayFormat(int width, int height) {
    PixelFormat format;
    format.width = width;
    format.height = height;
    format.stride = static_cast<std::size_t>(width) * 4;
    return format;
}

std::uint32_t ScaleChannel(std::uint32_t value, int from, int to) {
    if (from == 0) {
        return 0;
    }
    if (to <= from) {
        return value >> (from - to);
    }
    std::uint64_t result = 0;
    int filled = 0;
    while (filled < to) {
        result = result << from | value;
        filled += from;
    }
    return static_cast<std::uint32_t>(result >> (filled - to));
}

MaskShape ShapeOfMask(std::uint32_t mask) {
    if (mask == 0) {
        return {};
    }
    return {std::countr_zero(mask), std::popcount(mask)};
}

} // namespace quorvel
