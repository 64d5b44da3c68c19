#pragma once

#include "picture/raster/maskchannel.h"
#include "picture/raster/pixelformat.h"

#include <QRgb>
#include <array>
#include <cstdint>

namespace quorvel {

// Reads single pixels of a raster of any format as opaque RGB, the way the
// view's conversion shows them; for sampling a picture at another scale.
class PixelReader {
public:
    PixelReader(const PixelFormat& format, const std::uint8_t* pixels);

    // (x, y) inside the raster, y = 0 the top row.
    QRgb At(int x, int y) const;

private:
    const PixelFormat& format_;
    const std::uint8_t* pixels_;
    std::array<std::uint32_t, 256> palette_;
    std::array<MaskChannel, 3> channels_;
};

} // namespace quorvel
