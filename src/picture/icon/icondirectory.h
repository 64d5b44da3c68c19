#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvel {

// An icon file starts with a 6-byte header (reserved, type, image count) and,
// in a file of type 1, one 16-byte directory entry for each image. Offsets
// are from the start of the header or of an entry.
inline constexpr std::size_t kIconHeaderSize = 6;
inline constexpr std::size_t kIconTypeAt = 2;
inline constexpr std::size_t kIconImageCountAt = 4;
inline constexpr std::size_t kIconEntrySize = 16;
inline constexpr std::size_t kIconEntryLengthAt = 8;
inline constexpr std::size_t kIconEntryOffsetAt = 12;

// A file of type 0 shows the desktop's generic application icon; one of
// type 1 lists images.
inline constexpr std::uint16_t kGenericIconType = 0;
inline constexpr std::uint16_t kImagesIconType = 1;

} // namespace quorvel
