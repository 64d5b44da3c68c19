#pragma once

#include "picture/core/recordbytes.h"

#include <QImage>
#include <optional>

namespace quorvel {

// Images with a longer side are passed over.
inline constexpr int kLargestIconSide = 1024;

// One image of an icon file, as its own header describes it.
struct IconImageInfo {
    enum class Encoding { Png, Dib };
    Encoding encoding;
    int width;
    int height;
    int colourBits; // bits per pixel, counting at most the 32 a true-colour display shows
};

// The description of an image in PNG or in the bitmap form of icons (colour
// pixels followed by a 1-bit transparency mask, height counted twice);
// nothing for anything else, for sides beyond 1024 pixels, for a PNG whose
// header chunk is unsound and for a bitmap whose colour rows are not all there.
std::optional<IconImageInfo> InspectIconImage(RecordBytes data);

// The image's pixels with their transparency, ARGB; null when the data does
// not decode.
QImage DecodeIconImage(RecordBytes data, const IconImageInfo& info);

} // namespace quorvel
