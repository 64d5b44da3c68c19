#pragma once

#include "picture/icon/iconimage.h"

#include <QImage>
#include <cstdint>
#include <functional>
#include <span>

namespace quorvel {

using IconImageDecoder = std::function<QImage(RecordBytes data, const IconImageInfo& info)>;

// From the bytes of an icon file of type 1: the image that best fits a
// true-colour display (the most colours, then the size nearest size x size),
// decoded with its transparency and scaled to size x size, ARGB. Images that
// do not decode are passed over; null when none decodes. Each image is
// decoded at most once however many entries point at it, and the search
// ends, null, where the next image would pass the file's DecodeAllowance.
QImage DecodeBestIconImage(std::span<const std::uint8_t> file, int size,
                           const IconImageDecoder& decode = DecodeIconImage);

} // namespace quorvel
