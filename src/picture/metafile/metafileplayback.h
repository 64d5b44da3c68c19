#pragma once

#include "picture/core/recordbytes.h"
#include "picture/metafile/gdicontext.h"
#include "picture/metafile/gdiobjecttable.h"
#include "picture/metafile/playbacktally.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quorvel {

// What the records of either form play into.
struct MetafilePlayback {
    GdiContext& dc;
    GdiObjectTable objects;
    PlaybackTally tally;
};

// A player's table row: the record type, the size in bytes of a record that
// holds every field the handler reads whatever the record's content (fields
// whose place or presence depends on the content are checked by the
// handler), and the function that plays it.
struct RecordHandler {
    std::uint32_t type;
    std::size_t minimumSize;
    void (*play)(MetafilePlayback& playback, const RecordBytes& record);
};

// Plays a record by its row of the table; a record without one is passed
// over, and one too short for its row is passed over and counted.
inline void PlayRecord(std::span<const RecordHandler> table, std::uint32_t type,
                       MetafilePlayback& playback, const RecordBytes& record) {
    const auto row = std::find_if(table.begin(), table.end(),
                                  [type](const RecordHandler& h) { return h.type == type; });
    if (row == table.end()) {
        return;
    }
    if (record.Size() < row->minimumSize) {
        ++playback.tally.tooShort;
        return;
    }
    row->play(playback, record);
    playback.tally.played.insert(type);
}

} // namespace quorvel
