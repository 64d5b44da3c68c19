#include "picture/raster/rastersurface.h"

#include "picture/raster/raster.h"

namespace quorvel {
namespace {

constexpr std::uint32_t kFillColour = 0xFFFFFF;

// The raster's painter takes colours packed as 0x00RRGGBB.
std::uint32_t PackedRgb(Rgb colour) {
    return std::uint32_t{colour.r} << 16 | std::uint32_t{colour.g} << 8 | colour.b;
}

} // namespace

RasterSurface::RasterSurface(Raster& raster, DrawingJournal* journal)
    : raster_(raster), painter_(raster.Format(), raster.Pixels(), journal) {}

void RasterSurface::SetPenWidth(int width) {
    if (width >= 0) {
        penWidth_ = width;
    }
}

void RasterSurface::SetPenColor(Rgb colour) {
    penColour_ = PackedRgb(colour);
}

void RasterSurface::MoveTo(std::int32_t x, std::int32_t y) {
    x_ = x;
    y_ = y;
}

void RasterSurface::LineTo(std::int32_t x, std::int32_t y) {
    const QRect area = painter_.Line(x_, y_, x, y, penWidth_, penColour_);
    const OverlayStroke stroke{OverlayStroke::Shape::Line, x_, y_, x, y, penWidth_, penColour_};
    x_ = x;
    y_ = y;
    raster_.StrokeDrawn(stroke, area);
}

void RasterSurface::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const QRect area = painter_.Ellipse(x1, y1, x2, y2, penWidth_, penColour_, kFillColour);
    raster_.StrokeDrawn({OverlayStroke::Shape::Ellipse, x1, y1, x2, y2, penWidth_, penColour_},
                        area);
}

} // namespace quorvel
