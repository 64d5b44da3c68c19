#pragma once

#include "picture/core/recordbytes.h"
#include "picture/metafile/metafilelayout.h"

#include <QPainter>

namespace quorvel {

// Plays a Windows metafile's drawing records (the Windows metafile after
// the placeable header) into a painter whose device is width x height of
// the layout, as PlayEnhancedMetafile does.
void PlayWindowsMetafile(RecordBytes records, const MetafileLayout& layout, QPainter& painter);

} // namespace quorvel
