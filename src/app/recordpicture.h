#pragma once

#include "app/resultrecord.h"

#include <string>

namespace quorvel {

// The picture a reopened result is shown on.
struct RecordPicture {
    std::string fileName;
    // The photo's content is no longer the one the result was saved with: the
    // photo was imported again and the user is to be told so.
    bool photoChanged = false;
};

// A bitmap record's own picture. For a photo: its working copy while that was
// made from the content the record names and the photo still has it (or is
// gone); else the photo imported again. A record of version 1.1 names no
// content: its copy is taken while it exists, as then.
RecordPicture PictureOfRecord(const ResultRecord& record);

} // namespace quorvel
