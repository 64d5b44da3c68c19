#pragma once

#include "picture/core/picture.h"

#include <memory>

namespace quorvel {

// A white raster in the display's format.
std::unique_ptr<Picture> MakeBlankRaster(int width, int height);

} // namespace quorvel
