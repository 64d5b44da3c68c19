#pragma once

#include "picture/core/overlaystroke.h"

#include <QRect>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvel {

// What drawing changed in a raster since it last matched its file: the bytes
// under every span as they were before the span was written, and the area
// and the stroke of every drawing operation. Putting the bytes back in reverse order returns
// the raster exactly to the file's pixels, so a redraw of an unchanged file
// costs what the overlay touched instead of reading the whole file again.
class DrawingJournal {
public:
    // `limit` bounds the bytes kept; past it the journal gives up and the
    // raster must be read from its file again.
    explicit DrawingJournal(std::size_t limit) : limit_(limit) {}

    // Keeps `length` bytes of `memory` from `offset`, before they are written.
    void Save(const std::uint8_t* memory, std::size_t offset, std::size_t length);
    void AddStroke(const OverlayStroke& stroke, const QRect& area);
    const std::vector<OverlayStroke>& Strokes() const { return strokes_; }

    bool Complete() const { return !overflowed_; }
    // Strokes kept at most: a journal that is never undone (a blank raster's)
    // stops keeping them rather than grow with every redraw.
    static constexpr std::size_t kMostStrokes = 4096;
    // Writes every saved byte back, latest first, and starts over. Returns
    // the areas that changed back.
    std::vector<QRect> Undo(std::uint8_t* memory);

    // Exchanges the saved bytes with the raster's, latest first, so that the
    // raster shows the file's pixels and the journal holds the drawing;
    // SwapIn, earliest first, exchanges them back. Only when Complete().
    void SwapOut(std::uint8_t* memory);
    void SwapIn(std::uint8_t* memory);

private:
    // 32 bits suffice: pixel memory stays below 1 GiB, and small entries keep
    // a long stroke's journal in cache.
    struct Saved {
        std::uint32_t offset; // in the raster's memory
        std::uint32_t length;
        std::uint32_t at; // in bytes_
    };

    std::size_t limit_;
    bool overflowed_ = false;
    bool strokesDropped_ = false;
    std::vector<Saved> saved_;
    std::vector<std::uint8_t> bytes_;
    std::vector<QRect> areas_;
    std::vector<OverlayStroke> strokes_;
};

} // namespace quorvel
