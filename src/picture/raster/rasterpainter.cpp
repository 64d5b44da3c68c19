#include "picture/raster/rasterpainter.h"

#include "picture/raster/coverage.h"
#include "picture/raster/ellipsecoverage.h"

namespace quorvel {

void RasterPainter::Line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                         int penWidth, std::uint32_t colour) {
    const std::uint32_t value = writer_.Encode(colour);
    const SpanSink paint = [&](int y, int from, int to) { writer_.FillSpan(y, from, to, value); };
    if (penWidth <= 1) {
        CoverThinLine(x0, y0, x1, y1, width_, height_, paint);
    } else {
        CoverWideLine(x0, y0, x1, y1, penWidth, width_, height_, paint);
    }
}

void RasterPainter::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                            int penWidth, std::uint32_t penColour, std::uint32_t fillColour) {
    const std::uint32_t pen = writer_.Encode(penColour);
    const std::uint32_t fill = writer_.Encode(fillColour);
    CoverEllipse(
        x1, y1, x2, y2, penWidth, width_, height_,
        [&](int y, int from, int to) { writer_.FillSpan(y, from, to, fill); },
        [&](int y, int from, int to) { writer_.FillSpan(y, from, to, pen); });
}

} // namespace quorvel
