#pragma once

#include "picture/core/picture.h"

#include <cstdint>
#include <memory>
#include <span>

namespace quorvel {

class ByteSource;
class Raster;

// Reads a whole bitmap file from `source` into a raster of its own. Pixel
// memory the file does not fill stays zero.
std::unique_ptr<Raster> ReadBitmap(ByteSource& source);

// A bitmap file's whole content as a picture.
std::unique_ptr<Picture> ReadBitmapFile(std::span<const std::uint8_t> bytes);

} // namespace quorvel
