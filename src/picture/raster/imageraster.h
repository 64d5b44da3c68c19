#pragma once

#include "picture/raster/raster.h"

#include <QImage>
#include <memory>

namespace quorvel {

// A raster in the display's format holding the image's pixels, to draw on a
// picture that no bitmap file stands behind (an imported photo in memory).
// Throws "ﾒﾓﾘが足りません" when the memory cannot be had.
std::unique_ptr<Raster> MakeImageRaster(const QImage& image);

} // namespace quorvel
