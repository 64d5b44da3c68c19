#include "picture/raster/raster.h"

#include "picture/raster/rasterimage.h"
#include "picture/raster/rastersampler.h"
#include "picture/raster/rastersurface.h"

namespace quorvel {
namespace {

// Swaps the journaled bytes back in when it goes.
class SwappedOut {
public:
    SwappedOut(DrawingJournal& journal, std::uint8_t* memory)
        : journal_(journal), memory_(memory) {}
    ~SwappedOut() { journal_.SwapIn(memory_); }
    SwappedOut(const SwappedOut&) = delete;
    SwappedOut& operator=(const SwappedOut&) = delete;

private:
    DrawingJournal& journal_;
    std::uint8_t* memory_;
};

} // namespace

Raster::Raster(const PixelFormat& format, PixelMemory memory)
    : Picture(PictureKind::Bitmap, format.width, format.height), format_(format),
      memory_(std::move(memory)) {}

Raster::~Raster() = default;

QImage Raster::Image() const {
    return ConvertRaster(format_, memory_.Data());
}

QImage Raster::ImageOf(const QRect& area) const {
    return ConvertRasterArea(format_, memory_.Data(), area);
}

QImage Raster::ScaledImageOf(const QRect& target, double scale) const {
    if (!journal_ || !journal_->Complete()) {
        return SampleRaster(format_, memory_.Data(), target, scale);
    }
    // The overlay's bytes go back however sampling ends, also by an
    // exception: the raster must never be left believed pristine without them.
    auto* memory = const_cast<std::uint8_t*>(memory_.Data());
    journal_->SwapOut(memory);
    const SwappedOut swapped(*journal_, memory);
    return SampleRaster(format_, memory, target, scale);
}

const std::vector<OverlayStroke>& Raster::Strokes() const {
    return journal_ ? journal_->Strokes() : Picture::Strokes();
}

DrawingSurface& Raster::GetDrawingSurface() {
    if (!surface_) {
        surface_ = std::make_unique<RasterSurface>(*this, journal_.get());
    }
    return *surface_;
}

void Raster::TrackSource(const FileIdentity& source, bool restorable) {
    source_ = restorable ? std::optional(source) : std::nullopt;
    JournalDrawing();
}

void Raster::JournalDrawing() {
    // An overlay worth more than the picture itself is cheaper to read again.
    journal_ = std::make_unique<DrawingJournal>(memory_.Size());
    surface_.reset();
}

bool Raster::CanRestore(const FileIdentity& file) const {
    return source_ == file && journal_ && journal_->Complete();
}

void Raster::RestoreSource() {
    surface_.reset();
    for (const QRect& area : journal_->Undo(memory_.Data())) {
        NotifyChanged(area);
    }
}

void Raster::StrokeDrawn(const OverlayStroke& stroke, const QRect& area) {
    if (journal_) {
        journal_->AddStroke(stroke, area);
    }
    NotifyChanged(area);
}

} // namespace quorvel
