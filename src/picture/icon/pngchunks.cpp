#include "picture/icon/pngchunks.h"

#include <algorithm>
#include <array>

namespace quorvel {
namespace {

constexpr std::array<std::uint8_t, kPngSignatureSize> kPngSignature = {0x89, 'P',  'N',  'G',
                                                                       '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t kLongestChunk = 0x7FFFFFFF;

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < table.size(); ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}();

bool IsLetter(std::uint32_t byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

} // namespace

bool IsPng(RecordBytes image) {
    return image.Has(0, kPngSignatureSize) &&
           std::equal(kPngSignature.begin(), kPngSignature.end(), image.Span().begin());
}

std::optional<PngChunk> PngChunkAt(RecordBytes image, std::size_t at) {
    if (!image.Has(at, 8)) {
        return std::nullopt;
    }
    const PngChunk chunk{at, image.BigEndianU32(at), image.BigEndianU32(at + 4)};
    for (int shift = 0; shift < 32; shift += 8) {
        if (!IsLetter(chunk.type >> shift & 0xFF)) {
            return std::nullopt;
        }
    }
    if (chunk.length > kLongestChunk || !image.Has(chunk.DataAt(), chunk.length + 4)) {
        return std::nullopt;
    }
    return chunk;
}

bool ChecksumMatches(RecordBytes image, const PngChunk& chunk) {
    return PngCrc(image.Span().subspan(chunk.at + 4, 4 + chunk.length)) ==
           image.BigEndianU32(chunk.DataAt() + chunk.length);
}

std::uint32_t PngCrc(std::span<const std::uint8_t> bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t byte : bytes) {
        c = kCrcTable[(c ^ byte) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

} // namespace quorvel
