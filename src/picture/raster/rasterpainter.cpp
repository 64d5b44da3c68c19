#include "picture/raster/rasterpainter.h"

#include "picture/raster/coverage.h"
#include "picture/raster/drawingjournal.h"
#include "picture/raster/ellipsecoverage.h"

namespace quorvel {

void RasterPainter::Fill(int y, int x0, int x1, std::uint32_t value, QRect& area) {
    if (journal_ != nullptr) {
        const PixelFormat::Bytes bytes = format_.SpanBytes(y, x0, x1);
        journal_->Save(pixels_, bytes.offset, bytes.length);
    }
    writer_.FillSpan(y, x0, x1, value);
    area |= QRect(x0, y, x1 - x0, 1);
}

QRect RasterPainter::Line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                          int penWidth, std::uint32_t colour) {
    const std::uint32_t value = writer_.Encode(colour);
    QRect area;
    const SpanSink paint = [&](int y, int from, int to) { Fill(y, from, to, value, area); };
    if (penWidth <= 1) {
        CoverThinLine(x0, y0, x1, y1, format_.width, format_.height, paint);
    } else {
        CoverWideLine(x0, y0, x1, y1, penWidth, format_.width, format_.height, paint);
    }
    return area;
}

QRect RasterPainter::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                             int penWidth, std::uint32_t penColour, std::uint32_t fillColour) {
    const std::uint32_t pen = writer_.Encode(penColour);
    const std::uint32_t fill = writer_.Encode(fillColour);
    QRect area;
    CoverEllipse(
        x1, y1, x2, y2, penWidth, format_.width, format_.height,
        [&](int y, int from, int to) { Fill(y, from, to, fill, area); },
        [&](int y, int from, int to) { Fill(y, from, to, pen, area); });
    return area;
}

} // namespace quorvel
