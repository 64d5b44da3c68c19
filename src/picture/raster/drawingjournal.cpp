#include "picture/raster/drawingjournal.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quorvel {

void DrawingJournal::Save(const std::uint8_t* memory, std::size_t offset, std::size_t length) {
    if (overflowed_) {
        return;
    }
    if (length > limit_ - bytes_.size()) {
        overflowed_ = true;
        std::vector<Saved>().swap(saved_);
        std::vector<std::uint8_t>().swap(bytes_);
        return;
    }
    // Spans that continue the previous one in memory (the runs of one row)
    // are kept as one.
    if (!saved_.empty() && saved_.back().offset + saved_.back().length == offset) {
        saved_.back().length += static_cast<std::uint32_t>(length);
    } else {
        saved_.push_back({static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(length),
                          static_cast<std::uint32_t>(bytes_.size())});
    }
    bytes_.insert(bytes_.end(), memory + offset, memory + offset + length);
}

// The areas serve only an undo, which an overflowed journal cannot give.
void DrawingJournal::AddStroke(const OverlayStroke& stroke, const QRect& area) {
    if (strokes_.size() == kMostStrokes) {
        strokesDropped_ = true;
        std::vector<OverlayStroke>().swap(strokes_);
    }
    if (!strokesDropped_) {
        strokes_.push_back(stroke);
    }
    if (overflowed_) {
        std::vector<QRect>().swap(areas_);
    } else if (!area.isEmpty()) {
        areas_.push_back(area);
    }
}

std::vector<QRect> DrawingJournal::Undo(std::uint8_t* memory) {
    for (auto span = saved_.rbegin(); span != saved_.rend(); ++span) {
        std::memcpy(memory + span->offset, bytes_.data() + span->at, span->length);
    }
    saved_.clear();
    bytes_.clear();
    overflowed_ = false;
    strokes_.clear();
    strokesDropped_ = false;
    return std::exchange(areas_, {});
}

// Undoing span i in reverse order gives the raster as it was before span i
// was written, and what it held after; replaying those forward redoes it.
void DrawingJournal::SwapOut(std::uint8_t* memory) {
    for (auto span = saved_.rbegin(); span != saved_.rend(); ++span) {
        std::swap_ranges(memory + span->offset, memory + span->offset + span->length,
                         bytes_.data() + span->at);
    }
}

void DrawingJournal::SwapIn(std::uint8_t* memory) {
    for (const Saved& span : saved_) {
        std::swap_ranges(memory + span.offset, memory + span.offset + span.length,
                         bytes_.data() + span.at);
    }
}

} // namespace quorvel
