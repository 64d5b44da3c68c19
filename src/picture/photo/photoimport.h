#pragma once

#include <QImage>
#include <string>

namespace quorvel {

// Reads a photo (opened as pictures are: a regular file, without waiting on a
// pipe), takes it only when its content is JPEG, PNG, TIFF or WebP, turns it
// upright by its EXIF orientation, lays transparent parts on white and writes
// it, atomically, as a bitmap working copy (see WorkingCopyPath) with the
// photo's identity in the copy's bookkeeping: 1-bit photos as 1-bit copies,
// grey ones as 8-bit grey, others in 24 bits. Returns the copy's path; the
// photo itself is only read. Throws "写真 %s は読み込めません" for a photo that
// cannot be read or is of another format, "ﾒﾓﾘが足りません" for a copy larger
// than a bitmap may be, and "写真の作業用ｺﾋﾟｰ %s を書き込めません" when the
// copy cannot be written; no new copy is left then.
std::string ImportPhoto(const std::string& photoName);

// The pixels ImportPhoto writes to the working copy, without writing it:
// upright, opaque, QImage::Format_RGB32. Throws as ImportPhoto does.
QImage ReadUprightPhoto(const std::string& photoName);

} // namespace quorvel
