#pragma once

#include "picture/raster/pixelwriter.h"

#include <cstdint>

namespace quorvel {

// The one way pixels get drawn: solid strokes and filled ellipses in copy
// mode, clipped to the raster, colours (0x00RRGGBB) matched to its format.
class RasterPainter {
public:
    RasterPainter(const PixelFormat& format, std::uint8_t* pixels)
        : writer_(format, pixels), width_(format.width), height_(format.height) {}

    // Widths 0 and 1 draw a one-pixel line without its end point; wider pens
    // draw a stroke of that width with round ends.
    void Line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, int penWidth,
              std::uint32_t colour);
    void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int penWidth,
                 std::uint32_t penColour, std::uint32_t fillColour);

private:
    PixelWriter writer_;
    int width_;
    int height_;
};

} // namespace quorvel
