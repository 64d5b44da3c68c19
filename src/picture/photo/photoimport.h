#pragma once

#include <QImage>
#include <string>

namespace quorvel {

// Reads a photo through Qt's image plugins, turns it upright by its EXIF
// orientation, lays transparent parts on white and writes it, atomically, as
// a 24-bit bitmap working copy (see WorkingCopyPath). Returns the copy's path;
// the photo itself is only read. Throws "写真 %s は読み込めません" for a photo
// that cannot be read and "写真の作業用ｺﾋﾟｰ %s を書き込めません" when the copy
// cannot be written, leaving any earlier copy as it was.
std::string ImportPhoto(const std::string& photoName);

// The pixels ImportPhoto writes to the working copy, without writing it:
// upright, opaque, QImage::Format_RGB32. Throws as ImportPhoto does.
QImage ReadUprightPhoto(const std::string& photoName);

} // namespace quorvel
