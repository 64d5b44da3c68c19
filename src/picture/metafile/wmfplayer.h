#pragma once

#include "picture/core/recordbytes.h"
#include "picture/metafile/metafilelayout.h"
#include "picture/metafile/metafileplayback.h"
#include "picture/metafile/playbacktally.h"

#include <QPainter>
#include <span>

namespace quorvel {

// Plays a Windows metafile's drawing records (the Windows metafile after
// the placeable header) into a painter whose device is width x height of
// the layout, as PlayEnhancedMetafile does.
PlaybackTally PlayWindowsMetafile(RecordBytes records, const MetafileLayout& layout,
                                  QPainter& painter);

// The records the player draws, one row each.
std::span<const RecordHandler> WindowsRecordHandlers();

} // namespace quorvel
