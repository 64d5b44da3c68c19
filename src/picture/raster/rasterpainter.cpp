#include "picture/raster/rasterpainter.h"

#include "picture/raster/coverage.h"
#include "picture/raster/drawingjournal.h"
#include "picture/raster/ellipsecoverage.h"

#include <algorithm>

namespace quorvel {

void RasterPainter::Bounds::Add(int y, int x0, int x1) {
    if (right < 0) {
        *this = {x0, y, x1, y + 1};
        return;
    }
    left = std::min(left, x0);
    top = std::min(top, y);
    right = std::max(right, x1);
    bottom = std::max(bottom, y + 1);
}

void RasterPainter::Fill(int y, int x0, int x1, std::uint32_t value, Bounds& bounds) {
    if (journal_ != nullptr) {
        const PixelFormat::Bytes bytes = format_.SpanBytes(y, x0, x1);
        journal_->Save(pixels_, bytes.offset, bytes.length);
    }
    writer_.FillSpan(y, x0, x1, value);
    bounds.Add(y, x0, x1);
}

QRect RasterPainter::Line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                          int penWidth, std::uint32_t colour) {
    const std::uint32_t value = writer_.Encode(colour);
    Bounds bounds;
    const SpanSink paint = [&](int y, int from, int to) { Fill(y, from, to, value, bounds); };
    if (penWidth <= 1) {
        CoverThinLine(x0, y0, x1, y1, format_.width, format_.height, paint);
    } else {
        CoverWideLine(x0, y0, x1, y1, penWidth, format_.width, format_.height, paint);
    }
    return bounds.Rect();
}

QRect RasterPainter::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                             int penWidth, std::uint32_t penColour, std::uint32_t fillColour) {
    const std::uint32_t pen = writer_.Encode(penColour);
    const std::uint32_t fill = writer_.Encode(fillColour);
    Bounds bounds;
    CoverEllipse(
        x1, y1, x2, y2, penWidth, format_.width, format_.height,
        [&](int y, int from, int to) { Fill(y, from, to, fill, bounds); },
        [&](int y, int from, int to) { Fill(y, from, to, pen, bounds); });
    return bounds.Rect();
}

} // namespace quorvel
