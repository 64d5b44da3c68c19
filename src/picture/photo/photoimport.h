#pragma once

#include <string>

namespace quorvel {

// Reads a photo through Qt's image plugins, turns it upright by its EXIF
// orientation, lays transparent parts on white and writes it, atomically, as
// a 24-bit bitmap working copy (see WorkingCopyPath). Returns the copy's path;
// the photo itself is only read. Throws "写真 %s は読み込めません" for a photo
// that cannot be read and "写真の作業用ｺﾋﾟｰ %s を書き込めません" when the copy
// cannot be written, leaving any earlier copy as it was.
std::string ImportPhoto(const std::string& photoName);

} // namespace quorvel
