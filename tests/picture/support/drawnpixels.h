#pragma once

#include "picture/picture.h"

#include <QImage>
#include <cstdint>
#include <memory>
#include <set>
#include <utility>

namespace quorvel::testing_support {

using Pixel = std::pair<int, int>; // x, y

// A 24-bit bitmap of one colour (0x00RRGGBB), read from a generated file.
std::unique_ptr<Picture> PlainBitmap(int width, int height, std::uint32_t colour);

// The pixels of the image that have the colour (0x00RRGGBB).
std::set<Pixel> PixelsOf(const QImage& image, std::uint32_t colour);

// Whether the pixel at `inside` can be reached from the image's border by
// steps between edge-sharing pixels that avoid the colour.
bool ReachableFromBorder(const QImage& image, Pixel inside, std::uint32_t wall);

} // namespace quorvel::testing_support
