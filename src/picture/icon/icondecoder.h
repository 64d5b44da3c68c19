#pragma once

#include <QImage>
#include <cstdint>
#include <span>

namespace quorvel {

// From the bytes of an icon file of type 1: the image that best fits a
// true-colour display (the most colours, then the size nearest size x size),
// decoded with its transparency and scaled to size x size, ARGB. Images that
// do not decode are passed over; null when none decodes.
QImage DecodeBestIconImage(std::span<const std::uint8_t> file, int size);

} // namespace quorvel
