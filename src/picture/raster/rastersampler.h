#pragma once

#include "picture/raster/pixelformat.h"

#include <QImage>
#include <QRect>
#include <cstdint>

namespace quorvel {

// The raster as the view shows it at `scale` widget pixels per picture pixel,
// for the widget pixels of `target` only. Enlarged, each widget pixel shows
// the picture pixel under its centre; reduced, the average of up to 4 x 4
// picture pixels spread over its footprint, so the cost follows what is
// shown, not the picture's size.
QImage SampleRaster(const PixelFormat& format, const std::uint8_t* pixels, QRect target,
                    double scale);

} // namespace quorvel
