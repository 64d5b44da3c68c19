#pragma once

#include <cstdint>

namespace quorvel {

// A pen colour, 8 bits a channel. Named fields, not a packed number: the
// face model and the raster would each read a packed one in its own byte order.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A bitmap picture's raster with a pen, a white fill and a current position.
// Coordinates are picture pixels, origin top-left, y downwards; drawing is
// clipped to the raster.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    virtual void SetPenWidth(int width) = 0; // negative widths are ignored
    virtual void SetPenColor(Rgb colour) = 0;
    virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0; // end point excluded for 1-pixel pens
    virtual void Ellipse(std::int32_t x1, std::int32_t y1,   // right and bottom edges excluded,
                         std::int32_t x2, std::int32_t y2) = 0; // filled white, position unchanged
};

} // namespace quorvel
