#pragma once

#include "picture/core/recordbytes.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {

// Colour types: how the samples of a pixel are laid out.
inline constexpr int kPngGrey = 0;
inline constexpr int kPngRgb = 2;
inline constexpr int kPngPalette = 3;
inline constexpr int kPngGreyAlpha = 4;
inline constexpr int kPngRgba = 6;

// What a PNG's header chunk says of its pixels.
struct PngHeader {
    int width;
    int height;
    int bitDepth; // bits a sample
    int colourType;

    // Samples a pixel (a palette index counts as one).
    int Channels() const;
};

// The header of a PNG whose signature and header chunk are sound (length,
// checksum, a depth its colour type allows, the one compression and filter
// method, a known interlace) and whose sides are 1 to maxSide pixels;
// nothing for any other data.
std::optional<PngHeader> ReadPngHeader(RecordBytes image, int maxSide);

// The PNG as a decoder should see it: the signature, every critical chunk
// as it stands and the first sound transparency chunk, with each run of
// other ancillary chunks (text, colour profiles and the like, which this
// program does not show and whose compressed ones can inflate to megabytes)
// replaced by one empty chunk that decoders pass over; nothing after the
// end chunk. Empty where every decoder would refuse the image: a chunk
// cut short or misnamed, an unknown critical chunk, a critical chunk whose
// checksum fails, no image data or no end chunk.
std::vector<std::uint8_t> PixelChunks(RecordBytes image);

} // namespace quorvel
