#pragma once

#include "picture/metafile/gdiobjects.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

namespace quorvel {

// The objects a metafile has created, by slot, as many slots as its header
// gives. The forms fill the slots differently.
class GdiObjectTable {
public:
    enum class SlotRule {
        Numbered,   // enhanced: the record names the slot; slot 0 stands for the metafile
        LowestFree, // Windows: the lowest empty slot; with none empty the object is lost
    };

    GdiObjectTable(std::size_t count, SlotRule rule);

    // `slot` counts under the Numbered rule only; a slot that does not exist
    // is passed over.
    void Create(GdiObject object, std::uint32_t slot = 0);
    // The object in a slot; none for an empty slot or one that does not exist.
    const GdiObject* Find(std::uint32_t slot) const;
    void Delete(std::uint32_t slot);

private:
    std::vector<std::optional<GdiObject>> slots_;
    SlotRule rule_;
    std::set<std::size_t> free_; // LowestFree: the empty slots
};

} // namespace quorvel
