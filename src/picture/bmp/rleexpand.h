#pragma once

#include "picture/raster/pixelformat.h"

#include <array>
#include <cstdint>
#include <span>

namespace quorvel {

// Expands 8-bit (bitsPerPixel 8) or 4-bit (4) run-length-encoded data, first
// row at the bottom, into `target`, a raster of the display's format whose
// memory the caller has zeroed. Pixels the data skips (deltas, early ends of
// lines or of the picture, truncated data) stay black; runs past the right
// edge and rows past the top are dropped; indices beyond the table are black.
void ExpandRle(std::span<const std::uint8_t> data, int bitsPerPixel,
               const std::array<std::uint32_t, 256>& table, int tableSize,
               const PixelFormat& target, std::uint8_t* pixels);

} // namespace quorvel
