#pragma once

#include "picture/core/picture.h"

#include <memory>
#include <string>

namespace quorvel {

// Every rule of loading a file by its extension, except replacing the view's
// picture. Throws Failure with the user-facing message.
std::unique_ptr<Picture> LoadPictureFile(const std::string& fileName);

// The redraw path's load: on success `current` holds the new picture (its
// memory may be reused when size and format match) with the change notice the
// old one had; on failure `current` is left exactly as it was.
void ReloadPictureFile(const std::string& fileName, std::unique_ptr<Picture>& current);

} // namespace quorvel
