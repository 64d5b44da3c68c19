#pragma once

#include <array>
#include <string>

namespace quorvel {

// Extensions of the photographs the import offers, lower case, without the dot.
inline constexpr std::array<const char*, 6> kPhotoExtensions{"jpg", "jpeg", "png",
                                                             "tif", "tiff", "webp"};

// Whether the name ends in one of kPhotoExtensions, case ignored.
bool IsPhotoFileName(const std::string& fileName);

} // namespace quorvel
