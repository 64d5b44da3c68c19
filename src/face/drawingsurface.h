#pragma once

#include <cstdint>

namespace quorvel {

// A bitmap picture's raster with a pen, a white fill and a current position.
// Coordinates are picture pixels, origin top-left, y downwards; drawing is
// clipped to the raster. Colours are 0x00BBGGRR.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    virtual void SetPenWidth(int width) = 0; // negative widths are ignored
    virtual void SetPenColor(std::uint32_t colour) = 0;
    virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0; // end point excluded for 1-pixel pens
    virtual void Ellipse(std::int32_t x1, std::int32_t y1,   // right and bottom edges excluded,
                         std::int32_t x2, std::int32_t y2) = 0; // filled white, position unchanged
};

} // namespace quorvel
