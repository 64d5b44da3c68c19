#include "picture/metafile/gdiobjecttable.h"

namespace quorvel {

namespace {

// The slot enhanced metafiles keep for the metafile itself.
constexpr std::uint32_t kMetafileSlot = 0;

} // namespace

GdiObjectTable::GdiObjectTable(std::size_t count, SlotRule rule) : slots_(count), rule_(rule) {
    if (rule_ == SlotRule::LowestFree) {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            free_.insert(free_.end(), i);
        }
    }
}

void GdiObjectTable::Create(GdiObject object, std::uint32_t slot) {
    if (rule_ == SlotRule::LowestFree) {
        if (!free_.empty()) {
            slots_[*free_.begin()] = std::move(object);
            free_.erase(free_.begin());
        }
    } else if (slot != kMetafileSlot && slot < slots_.size()) {
        slots_[slot] = std::move(object);
    }
}

const GdiObject* GdiObjectTable::Find(std::uint32_t slot) const {
    return slot < slots_.size() && slots_[slot] ? &*slots_[slot] : nullptr;
}

void GdiObjectTable::Delete(std::uint32_t slot) {
    if (slot < slots_.size() && slots_[slot]) {
        slots_[slot].reset();
        if (rule_ == SlotRule::LowestFree) {
            free_.insert(slot);
        }
    }
}

} // namespace quorvel
