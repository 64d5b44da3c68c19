#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// A bitmap picture's raster with a pen, a white fill and a current position.
// Coordinates are picture pixels, origin top-left, y downwards; drawing is
// clipped to the raster. Colours are 0x00BBGGRR.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    virtual void SetPenWidth(int width) = 0; // negative widths are ignored
    virtual void SetPenColor(std::uint32_t colour) = 0;
    virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0; // end point excluded for 1-pixel pens
    virtual void Ellipse(std::int32_t x1, std::int32_t y1,   // right and bottom edges excluded,
                         std::int32_t x2, std::int32_t y2) = 0; // filled white, position unchanged
};

// What the redraw needs of the picture view.
class PictureAccess {
public:
    virtual ~PictureAccess() = default;
    // Replaces the view's picture on success; on failure throws and changes nothing.
    virtual void LoadPicture(const std::string& fileName) = 0;
    // Gives the view a white BlankRaster first when it holds no picture; throws
    // for icons and metafiles.
    virtual DrawingSurface& GetDrawingSurface() = 0;
};

} // namespace quorvel
