#pragma once

#include "picture/core/picture.h"

#include <cstdint>
#include <memory>
#include <span>

namespace quorvel {

// A metafile file's whole content, in either form, as a picture of the size
// its header gives.
std::unique_ptr<Picture> ReadMetafileFile(std::span<const std::uint8_t> bytes);

} // namespace quorvel
