#pragma once

#include "picture/core/recordbytes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace quorvel {

// A PNG image: an 8-byte signature, then chunks of a 4-byte length, a
// 4-byte type, the data and a checksum over type and data, all big-endian.
inline constexpr std::size_t kPngSignatureSize = 8;
inline constexpr std::size_t kChunkOverhead = 12;

// A chunk type from its four letters.
constexpr std::uint32_t ChunkType(const char (&name)[5]) {
    return static_cast<std::uint32_t>(name[0]) << 24 | static_cast<std::uint32_t>(name[1]) << 16 |
           static_cast<std::uint32_t>(name[2]) << 8 | static_cast<std::uint32_t>(name[3]);
}

inline constexpr std::uint32_t kHeaderChunk = ChunkType("IHDR");
inline constexpr std::uint32_t kPaletteChunk = ChunkType("PLTE");
inline constexpr std::uint32_t kImageDataChunk = ChunkType("IDAT");
inline constexpr std::uint32_t kEndChunk = ChunkType("IEND");
inline constexpr std::uint32_t kTransparencyChunk = ChunkType("tRNS");

struct PngChunk {
    std::size_t at = 0;     // its length field
    std::size_t length = 0; // of its data
    std::uint32_t type = 0;

    std::size_t DataAt() const { return at + 8; }
    std::size_t End() const { return at + kChunkOverhead + length; }
    // A decoder that does not know a critical chunk must refuse the image.
    bool Critical() const { return (type & 0x20000000) == 0; }
};

bool IsPng(RecordBytes image);

// The chunk at `at`; nothing where it does not lie wholly inside `image`,
// its length is beyond 2^31 - 1 or its type is not four ASCII letters,
// which every decoder refuses.
std::optional<PngChunk> PngChunkAt(RecordBytes image, std::size_t at);

// Whether the checksum matches the type and data: a pass over the data.
bool ChecksumMatches(RecordBytes image, const PngChunk& chunk);

// The checksum PNG uses (CRC-32, as in ISO 3309).
std::uint32_t PngCrc(std::span<const std::uint8_t> bytes);

} // namespace quorvel
