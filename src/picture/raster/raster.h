#pragma once

#include "picture/core/fileidentity.h"
#include "picture/core/picture.h"
#include "picture/raster/drawingjournal.h"
#include "picture/raster/pixelformat.h"
#include "picture/raster/pixelmemory.h"

#include <QImage>
#include <memory>
#include <optional>

namespace quorvel {

class RasterSurface;

// A bitmap picture: pixel memory in the format it was made with, and the one
// drawing surface on it. Nothing else is kept: the view converts for display
// only what it shows, when it shows it.
class Raster final : public Picture {
public:
    Raster(const PixelFormat& format, PixelMemory memory);
    ~Raster() override;

    QImage Image() const override;
    QImage ImageOf(const QRect& area) const override;
    QImage ScaledImageOf(const QRect& target, double scale) const override;
    const std::vector<OverlayStroke>& Strokes() const override;
    DrawingSurface& GetDrawingSurface() override;

    const PixelFormat& Format() const { return format_; }
    std::uint8_t* Pixels() { return memory_.Data(); }
    const std::uint8_t* Pixels() const { return memory_.Data(); }

    // Marks the pixels as exactly those of the file `source` and journals all
    // drawing from here on. When `restorable`, RestoreSource can stand in
    // for reading the file again while its identity stays the same.
    void TrackSource(const FileIdentity& source, bool restorable);
    // Journals all drawing from here on, without a file behind the pixels:
    // other zooms then show the pixels under the overlay with its strokes
    // drawn over them at screen scale.
    void JournalDrawing();
    // Whether `file` is the tracked source and everything drawn since is
    // journaled.
    bool CanRestore(const FileIdentity& file) const;
    // Puts the source's pixels back where drawing changed them and starts a
    // new surface, as a fresh load of the file would give; the restored
    // areas are announced as changed.
    void RestoreSource();

    // Called by the surface after every drawing operation, with what it wrote.
    void StrokeDrawn(const OverlayStroke& stroke, const QRect& area);

private:
    PixelFormat format_;
    PixelMemory memory_;
    std::unique_ptr<RasterSurface> surface_;
    std::optional<FileIdentity> source_;
    // Mutable: sampling the pixels under the drawing swaps it out and back in.
    mutable std::unique_ptr<DrawingJournal> journal_;
};

} // namespace quorvel
