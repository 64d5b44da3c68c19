#pragma once

#include "picture/core/picture.h"
#include "picture/raster/pixelformat.h"
#include "picture/raster/pixelmemory.h"

#include <QImage>
#include <memory>

namespace quorvel {

class RasterSurface;

// A bitmap picture: pixel memory in the format it was made with, and the one
// drawing surface on it.
class Raster final : public Picture {
public:
    Raster(const PixelFormat& format, PixelMemory memory);
    ~Raster() override;

    QImage Image() const override;
    DrawingSurface& GetDrawingSurface() override;

    const PixelFormat& Format() const { return format_; }
    std::uint8_t* Pixels() { return memory_.Data(); }
    const std::uint8_t* Pixels() const { return memory_.Data(); }

    // The memory a reload may write its picture into before taking it over.
    PixelMemory& ReusableMemory() { return memory_; }
    // Takes over the display copy a replaced raster had made, so that
    // converting the new pixels reuses its memory too.
    void AdoptDisplayCopy(Raster& replaced);

    // Called by the surface after every drawing operation.
    void PixelsDrawn();

private:
    PixelFormat format_;
    PixelMemory memory_;
    std::unique_ptr<RasterSurface> surface_;
    mutable QImage shown_;
    mutable bool shownCurrent_ = false;
};

} // namespace quorvel
