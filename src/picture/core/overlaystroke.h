#pragma once

#include <cstdint>

namespace quorvel {

// One drawing operation on a raster, as the surface was asked for it: a line
// from (x0, y0) to (x1, y1), or the ellipse inscribed in the box with those
// corners (right and bottom edges excluded, filled white). Picture pixels;
// the colour is 0x00RRGGBB.
struct OverlayStroke {
    enum class Shape { Line, Ellipse };
    Shape shape;
    std::int32_t x0;
    std::int32_t y0;
    std::int32_t x1;
    std::int32_t y1;
    int penWidth;
    std::uint32_t colour;
};

} // namespace quorvel
