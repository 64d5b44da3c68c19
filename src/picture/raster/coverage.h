#pragma once

#include <cstdint>
#include <functional>

namespace quorvel {

// Receives covered pixels a row at a time: columns x0 to x1 - 1 of row y,
// always inside the raster.
using SpanSink = std::function<void(int y, int x0, int x1)>;

// A pixel is covered when its centre (x + 0.5, y + 0.5) lies in the shape.
// Only rows and columns inside width x height are visited, so coordinates
// anywhere in the 32-bit range cost no more than a shape inside the raster.

// A one-pixel line: one pixel per step along its longer axis, from (x0, y0)
// up to but not including (x1, y1).
void CoverThinLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, int width,
                   int height, const SpanSink& sink);

// A stroke of penWidth (2 or more) with round ends. Odd widths are centred on
// the pixel centres of the end points, even ones on their top-left corners,
// so a width-w stroke is w pixels thick.
void CoverWideLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, int penWidth,
                   int width, int height, const SpanSink& sink);

} // namespace quorvel
