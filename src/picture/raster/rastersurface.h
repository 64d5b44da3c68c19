#pragma once

#include "face/drawingsurface.h"
#include "picture/raster/rasterpainter.h"

#include <cstdint>

namespace quorvel {

class DrawingJournal;
class Raster;

// The drawing surface of one raster: a solid pen in copy mode, a solid white
// fill and a current position.
class RasterSurface final : public DrawingSurface {
public:
    // With a journal, what the surface draws can be undone.
    RasterSurface(Raster& raster, DrawingJournal* journal);

    void SetPenWidth(int width) override;
    void SetPenColor(Rgb colour) override;
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;

private:
    Raster& raster_;
    RasterPainter painter_;
    int penWidth_ = 1;
    std::uint32_t penColour_ = 0x000000; // 0x00RRGGBB
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
};

} // namespace quorvel
