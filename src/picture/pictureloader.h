#pragma once

#include "picture/core/picture.h"

#include <memory>
#include <string>

namespace quorvel {

// Every rule of loading a file by its extension, except replacing the view's
// picture. Throws Failure with the user-facing message.
std::unique_ptr<Picture> LoadPictureFile(const std::string& fileName);

// The redraw path's load: on success `current` holds the file's picture with
// the change notices the old one had; on failure `current` is left exactly as
// it was, since the file is read into new memory and swapped in only whole.
// When `current` is a bitmap read from this very file (same device, inode,
// size and times) it is not read again: the pixels drawing changed are put
// back in place, with a new surface, which gives the same picture.
void ReloadPictureFile(const std::string& fileName, std::unique_ptr<Picture>& current);

} // namespace quorvel
