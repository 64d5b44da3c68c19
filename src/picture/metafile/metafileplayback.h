#pragma once

#include "picture/core/recordbytes.h"
#include "picture/metafile/gdicontext.h"
#include "picture/metafile/gdiobjecttable.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace quorvel {

// What the records of either form play into.
struct MetafilePlayback {
    GdiContext& dc;
    GdiObjectTable objects;
};

// A player's table row: the record type and the function that plays it.
struct RecordHandler {
    std::uint32_t type;
    void (*play)(MetafilePlayback& playback, const RecordBytes& record);
};

// Plays a record by its row of the table; a record without one is passed
// over.
inline void PlayRecord(std::span<const RecordHandler> table, std::uint32_t type,
                       MetafilePlayback& playback, const RecordBytes& record) {
    const auto row = std::find_if(table.begin(), table.end(),
                                  [type](const RecordHandler& h) { return h.type == type; });
    if (row != table.end()) {
        row->play(playback, record);
    }
}

} // namespace quorvel
