#pragma once

#include "picture/raster/pixelformat.h"

#include <cstdint>

namespace quorvel {

// Writes pixels of one colour into a raster of any format.
class PixelWriter {
public:
    PixelWriter(const PixelFormat& format, std::uint8_t* pixels)
        : format_(format), pixels_(pixels) {}

    // The pixel value that comes nearest to `rgb` (0x00RRGGBB): the nearest
    // table entry on 1-, 4- and 8-bit rasters, the nearest colour the masks
    // can express on 16- and 32-bit ones, the colour itself on 24-bit ones.
    std::uint32_t Encode(std::uint32_t rgb) const;

    // Sets columns x0 to x1 - 1 of row y (0 = top); the caller keeps them inside.
    void FillSpan(int y, int x0, int x1, std::uint32_t value);

private:
    const PixelFormat& format_;
    std::uint8_t* pixels_;
};

} // namespace quorvel
