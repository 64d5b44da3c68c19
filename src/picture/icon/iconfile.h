#pragma once

#include "picture/core/picture.h"

#include <cstdint>
#include <memory>
#include <span>

namespace quorvel {

// An icon file's whole content as a picture of the standard icon size.
std::unique_ptr<Picture> ReadIconFile(std::span<const std::uint8_t> bytes);

} // namespace quorvel
