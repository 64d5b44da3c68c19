#pragma once

#include "picture/core/recordbytes.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace quorvel {

// Sizes of the info header's forms. The 12-byte core form holds 16-bit sides,
// planes and bit count only; the 40-byte form and every longer one share
// their first 40 bytes.
inline constexpr std::uint32_t kCoreHeaderSize = 12;
inline constexpr std::uint32_t kInfoHeaderSize = 40;
// From this size on the red, green and blue masks lie inside the header ...
inline constexpr std::uint32_t kMasksInsideFrom = 52;
// ... and from this size on the alpha mask as well.
inline constexpr std::uint32_t kAlphaMaskInsideFrom = 56;
// The fields of the longest known header; a longer header's tail is passed over.
inline constexpr std::uint32_t kKnownFieldsSize = 124;
// The red, green and blue masks that follow a 40-byte header with bit fields.
inline constexpr std::uint32_t kMasksAfterSize = 12;

// Field offsets of the 40-byte form and its successors, from the size field.
inline constexpr std::size_t kInfoSizeAt = 0;
inline constexpr std::size_t kInfoWidthAt = 4;
inline constexpr std::size_t kInfoHeightAt = 8;
inline constexpr std::size_t kInfoPlanesAt = 12;
inline constexpr std::size_t kInfoBitCountAt = 14;
inline constexpr std::size_t kInfoCompressionAt = 16;
inline constexpr std::size_t kInfoImageSizeAt = 20;
inline constexpr std::size_t kInfoColoursUsedAt = 32;
// The masks, inside a long header or right after a 40-byte one: the same place.
inline constexpr std::size_t kInfoRedMaskAt = 40;
inline constexpr std::size_t kInfoGreenMaskAt = 44;
inline constexpr std::size_t kInfoBlueMaskAt = 48;
inline constexpr std::size_t kInfoAlphaMaskAt = 52;

// Compression values.
inline constexpr std::uint32_t kCompressionNone = 0;
inline constexpr std::uint32_t kCompressionRle8 = 1;
inline constexpr std::uint32_t kCompressionRle4 = 2;
inline constexpr std::uint32_t kCompressionBitFields = 3;

// Red, green and blue of 16-bit pixels without bit fields: five bits each.
inline constexpr std::uint32_t kRedMask555 = 0x7C00;
inline constexpr std::uint32_t kGreenMask555 = 0x03E0;
inline constexpr std::uint32_t kBlueMask555 = 0x001F;

// The fields of a bitmap info header as stored. What each reader accepts is
// its own rule; this only reads.
struct InfoHeader {
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0; // negative: top row first
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = kCompressionNone;
    std::uint32_t imageSize = 0;
    std::uint32_t colourCount = 0; // 0: as many as the depth can index
    // Red, green, blue: the words where masks lie, whether or not the header
    // says they are masks. Alpha: from a header long enough to hold it, else 0.
    std::array<std::uint32_t, 4> masks{};

    bool MasksInside() const { return size >= kMasksInsideFrom; }
    // 16- or 32-bit bit fields behind a 40-byte header, whose masks follow it.
    bool MasksFollow() const {
        return size == kInfoHeaderSize && compression == kCompressionBitFields &&
               (bitsPerPixel == 16 || bitsPerPixel == 32);
    }
    // Where the colour table starts, counted from the size field.
    std::size_t TableOffset() const { return size + (MasksFollow() ? kMasksAfterSize : 0); }
};

// The info header at the start of `bytes`, which may go on past it to the
// masks after a 40-byte header. A field that `bytes` does not hold reads as 0.
InfoHeader ParseInfoHeader(RecordBytes bytes);

} // namespace quorvel
