#include "picture/raster/raster.h"

#include "picture/raster/rasterimage.h"
#include "picture/raster/rastersurface.h"

namespace quorvel {

Raster::Raster(const PixelFormat& format, PixelMemory memory)
    : Picture(PictureKind::Bitmap, format.width, format.height), format_(format),
      memory_(std::move(memory)) {}

Raster::~Raster() = default;

QImage Raster::Image() const {
    if (!shownCurrent_) {
        ConvertRaster(format_, memory_.Data(), shown_);
        shownCurrent_ = true;
    }
    return shown_;
}

DrawingSurface& Raster::GetDrawingSurface() {
    if (!surface_) {
        surface_ = std::make_unique<RasterSurface>(*this);
    }
    return *surface_;
}

void Raster::AdoptDisplayCopy(Raster& replaced) {
    shown_ = std::move(replaced.shown_);
    shownCurrent_ = false;
}

void Raster::PixelsDrawn() {
    shownCurrent_ = false;
    NotifyChanged();
}

} // namespace quorvel
