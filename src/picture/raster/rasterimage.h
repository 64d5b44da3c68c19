#pragma once

#include "picture/raster/pixelformat.h"

#include <QImage>
#include <QRect>
#include <cstdint>

namespace quorvel {

// The raster as QImage::Format_RGB32, top row first; null for a raster
// without pixels or when the memory cannot be had.
QImage ConvertRaster(const PixelFormat& format, const std::uint8_t* pixels);

// The same for the part of the raster inside `area` only, so that showing a
// picture costs what is shown, not what the picture holds.
QImage ConvertRasterArea(const PixelFormat& format, const std::uint8_t* pixels, QRect area);

} // namespace quorvel
