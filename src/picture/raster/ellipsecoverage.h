#pragma once

#include "picture/raster/coverage.h"

#include <cstdint>

namespace quorvel {

// The ellipse inscribed in the rectangle with corners (x1, y1) and (x2, y2),
// right and bottom edges excluded. Its curve runs through the centres of the
// outermost pixels; pixels within penWidth / 2 of it (0 counts as 1; inner
// side included, outer excluded) go to `rim`, and those further inside to
// `inside`. A band of that width leaves no gap a path of edge-sharing pixels
// could cross.
void CoverEllipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int penWidth,
                  int width, int height, const SpanSink& inside, const SpanSink& rim);

} // namespace quorvel
