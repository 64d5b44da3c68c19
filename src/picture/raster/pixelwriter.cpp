#include "picture/raster/pixelwriter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace quorvel {
namespace {

int Red(std::uint32_t rgb) {
    return static_cast<int>(rgb >> 16 & 0xFF);
}
int Green(std::uint32_t rgb) {
    return static_cast<int>(rgb >> 8 & 0xFF);
}
int Blue(std::uint32_t rgb) {
    return static_cast<int>(rgb & 0xFF);
}

std::uint32_t NearestEntry(const PixelFormat& format, std::uint32_t rgb) {
    int usable = std::min(format.tableSize, 1 << format.bitsPerPixel);
    std::uint32_t best = 0;
    int bestDistance = 0;
    for (int i = 0; i < usable; ++i) {
        std::uint32_t entry = format.table[static_cast<std::size_t>(i)];
        int dr = Red(entry) - Red(rgb);
        int dg = Green(entry) - Green(rgb);
        int db = Blue(entry) - Blue(rgb);
        int distance = dr * dr + dg * dg + db * db;
        if (i == 0 || distance < bestDistance) {
            best = static_cast<std::uint32_t>(i);
            bestDistance = distance;
        }
    }
    return best;
}

// The value of a channel of `bits` bits that shows nearest to the 8-bit `level`.
std::uint32_t NearestLevel(int level, int bits) {
    if (bits >= 8) {
        return ScaleChannel(static_cast<std::uint32_t>(level), 8, bits);
    }
    std::uint32_t top = (1u << bits) - 1;
    std::uint32_t best = 0;
    int bestDistance = 256;
    for (std::uint32_t value = 0; value <= top; ++value) {
        int distance = std::abs(static_cast<int>(ScaleChannel(value, bits, 8)) - level);
        if (distance < bestDistance) {
            best = value;
            bestDistance = distance;
        }
    }
    return best;
}

std::uint32_t NearestMasked(const PixelFormat& format, std::uint32_t rgb) {
    const int levels[3] = {Red(rgb), Green(rgb), Blue(rgb)};
    std::uint32_t value = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        MaskShape shape = ShapeOfMask(format.masks[c]);
        if (shape.bits != 0) {
            value |= NearestLevel(levels[c], shape.bits) << shape.shift;
        }
    }
    return value;
}

} // namespace

std::uint32_t PixelWriter::Encode(std::uint32_t rgb) const {
    switch (format_.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
        return NearestEntry(format_, rgb);
    case 24:
        return rgb & 0xFFFFFF;
    default:
        return NearestMasked(format_, rgb);
    }
}

void PixelWriter::FillSpan(int y, int x0, int x1, std::uint32_t value) {
    std::uint8_t* row = pixels_ + format_.RowOffset(y);
    const auto start = static_cast<std::size_t>(x0);
    const auto end = static_cast<std::size_t>(x1);
    switch (format_.bitsPerPixel) {
    case 1:
    case 4: {
        const std::size_t bpp = static_cast<std::size_t>(format_.bitsPerPixel);
        const std::size_t perByte = 8 / bpp;
        const unsigned mask = (1u << bpp) - 1;
        for (std::size_t x = start; x < end; ++x) {
            // The leftmost pixel of a byte is in its high bits.
            auto shift = static_cast<unsigned>((perByte - 1 - x % perByte) * bpp);
            std::uint8_t& byte = row[x / perByte];
            byte = static_cast<std::uint8_t>((byte & ~(mask << shift)) | (value & mask) << shift);
        }
        break;
    }
    case 8:
        std::memset(row + start, static_cast<int>(value), end - start);
        break;
    case 16:
        for (std::size_t x = start; x < end; ++x) {
            row[2 * x] = static_cast<std::uint8_t>(value);
            row[2 * x + 1] = static_cast<std::uint8_t>(value >> 8);
        }
        break;
    case 24:
        for (std::size_t x = start; x < end; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(value);
            row[3 * x + 1] = static_cast<std::uint8_t>(value >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(value >> 16);
        }
        break;
    default:
        for (std::size_t x = start; x < end; ++x) {
            std::memcpy(row + 4 * x, &value, 4); // little-endian words
        }
        break;
    }
}

} // namespace quorvel
