#pragma once

#include "picture/raster/pixelformat.h"

#include <QImage>
#include <cstdint>

namespace quorvel {

// Converts a raster to QImage::Format_RGB32, top row first, into `target`:
// reused when it has the right size and no other holder, made anew otherwise.
// A raster without pixels gives a null image.
void ConvertRaster(const PixelFormat& format, const std::uint8_t* pixels, QImage& target);

} // namespace quorvel
