#pragma once

#include "picture/core/picture.h"

#include <cstdint>
#include <memory>
#include <span>

namespace quorvel {

class ByteSource;
class PixelMemory;
class Raster;

// Reads a whole bitmap file from `source`. When `reusable` is given and has
// exactly the size the new raster needs, the pixels are read into it and the
// new raster takes it over. Every refusal comes before it is written to; only
// a device error part way through the pixel data leaves it partly rewritten.
std::unique_ptr<Raster> ReadBitmap(ByteSource& source, PixelMemory* reusable);

// A bitmap file's whole content as a picture.
std::unique_ptr<Picture> ReadBitmapFile(std::span<const std::uint8_t> bytes);

} // namespace quorvel
