#pragma once

#include "picture/core/recordbytes.h"
#include "picture/metafile/metafilelayout.h"
#include "picture/metafile/metafileplayback.h"
#include "picture/metafile/playbacktally.h"

#include <QPainter>
#include <span>

namespace quorvel {

// Plays an enhanced metafile's drawing records (lines, curves, shapes,
// fills, text, bitmaps, mapping, clipping, paths) into a painter whose
// device is width x height of the layout; other records are passed over.
// The records were checked by ReadMetafileLayout; nothing in them can make
// these read outside them.
PlaybackTally PlayEnhancedMetafile(RecordBytes metafile, const MetafileLayout& layout,
                                   QPainter& painter);

// The records the player draws, one row each.
std::span<const RecordHandler> EnhancedRecordHandlers();

} // namespace quorvel
