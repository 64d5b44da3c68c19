#pragma once

#include "support/metafilebuilder.h"

#include <string>
#include <vector>

namespace quorvel::test {

// A metafile of the reference set: its file name and content.
struct ReferenceMetafile {
    std::string fileName;
    Bytes content;
};

// The metafiles whose renderings are kept as references: one theme each
// (lines, shapes, objects, mapping, text, clipping, paths, bitmaps), in both
// forms, so that together they play every record the players handle.
std::vector<ReferenceMetafile> ReferenceMetafiles();

} // namespace quorvel::test
