#pragma once

#include "picture/raster/pixelwriter.h"

#include <QRect>
#include <cstdint>

namespace quorvel {

class DrawingJournal;

// The one way pixels get drawn: solid strokes and filled ellipses in copy
// mode, clipped to the raster, colours (0x00RRGGBB) matched to its format.
// Each operation returns the area it wrote (empty when nothing was inside).
class RasterPainter {
public:
    // With a journal, the bytes under every span are kept before they change.
    RasterPainter(const PixelFormat& format, std::uint8_t* pixels, DrawingJournal* journal)
        : format_(format), pixels_(pixels), writer_(format, pixels), journal_(journal) {}

    // Widths 0 and 1 draw a one-pixel line without its end point; wider pens
    // draw a stroke of that width with round ends.
    QRect Line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, int penWidth,
               std::uint32_t colour);
    QRect Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int penWidth,
                  std::uint32_t penColour, std::uint32_t fillColour);

private:
    // The bounds of what one operation wrote, kept as plain numbers: a
    // QRect union per span costs more than the span itself.
    struct Bounds {
        int left = 0;
        int top = 0;
        int right = -1; // exclusive
        int bottom = -1;
        void Add(int y, int x0, int x1);
        QRect Rect() const {
            return right < 0 ? QRect() : QRect(left, top, right - left, bottom - top);
        }
    };

    void Fill(int y, int x0, int x1, std::uint32_t value, Bounds& bounds);

    const PixelFormat& format_;
    std::uint8_t* pixels_;
    PixelWriter writer_;
    DrawingJournal* journal_;
};

} // namespace quorvel
