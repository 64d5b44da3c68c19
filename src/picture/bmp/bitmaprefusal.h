#pragma once

#include "numtext/failure.h"

namespace quorvel {

// Why a bitmap file is refused. The user sees one of three messages; the
// reason tells apart what they group together.
enum class BitmapRefusal {
    Truncated,     // the file ends inside its headers, masks or colour table
    NotABitmap,    // no "BM" in front
    InvalidHeader, // header size, planes, colour count, sides or image size out of range
    Unsupported,   // a depth, compression or set of masks with no raster form
    TooLarge,      // the raster or its display copy beyond the pixel memory limit
    OutOfMemory,   // the memory for the pixels could not be had
};

class BitmapRefused : public Failure {
public:
    explicit BitmapRefused(BitmapRefusal reason);
    BitmapRefusal Reason() const { return reason_; }

private:
    BitmapRefusal reason_;
};

} // namespace quorvel
