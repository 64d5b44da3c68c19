#pragma once

#include "picture/core/picture.h"

#include <memory>

namespace quorvel {

class PictureFile;

// The readers of the format table: each reads the opened file whole into a
// new picture of its kind and refuses a file that changed while it was read.
std::unique_ptr<Picture> ReadBitmapPicture(PictureFile& file);
std::unique_ptr<Picture> ReadIconPicture(PictureFile& file);
std::unique_ptr<Picture> ReadMetafilePicture(PictureFile& file);

} // namespace quorvel
