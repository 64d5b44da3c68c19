#include "picture/icon/pngimage.h"

#include "picture/icon/pngchunks.h"

#include <array>

namespace quorvel {
namespace {

constexpr std::size_t kHeaderLength = 13;
// Offsets in the header chunk's data.
constexpr std::size_t kWidthAt = 0;
constexpr std::size_t kHeightAt = 4;
constexpr std::size_t kBitDepthAt = 8;
constexpr std::size_t kColourTypeAt = 9;
constexpr std::size_t kCompressionAt = 10;
constexpr std::size_t kFilterAt = 11;
constexpr std::size_t kInterlaceAt = 12;
constexpr std::uint8_t kAdam7 = 1;

constexpr std::uint32_t kPlaceholderChunk = ChunkType("skIp");

bool DepthAllowed(int colourType, int bitDepth) {
    switch (colourType) {
    case kPngGrey:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case kPngPalette:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case kPngRgb:
    case kPngGreyAlpha:
    case kPngRgba:
        return bitDepth == 8 || bitDepth == 16;
    default:
        return false;
    }
}

bool IsKnownCritical(std::uint32_t type) {
    return type == kHeaderChunk || type == kPaletteChunk || type == kImageDataChunk ||
           type == kEndChunk;
}

void Append(std::vector<std::uint8_t>& out, RecordBytes image, const PngChunk& chunk) {
    const auto whole = image.Span().subspan(chunk.at, chunk.End() - chunk.at);
    out.insert(out.end(), whole.begin(), whole.end());
}

void PutBigEndian32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
    }
}

// An empty private chunk: a length of 0, its type, its checksum.
void AppendPlaceholder(std::vector<std::uint8_t>& out) {
    std::array<std::uint8_t, kChunkOverhead> chunk{};
    PutBigEndian32(&chunk[4], kPlaceholderChunk);
    PutBigEndian32(&chunk[8], PngCrc(std::span(chunk).subspan(4, 4)));
    out.insert(out.end(), chunk.begin(), chunk.end());
}

} // namespace

int PngHeader::Channels() const {
    switch (colourType) {
    case kPngRgb:
        return 3;
    case kPngGreyAlpha:
        return 2;
    case kPngRgba:
        return 4;
    default:
        return 1;
    }
}

std::optional<PngHeader> ReadPngHeader(RecordBytes image, int maxSide) {
    const std::optional<PngChunk> chunk = PngChunkAt(image, kPngSignatureSize);
    if (!IsPng(image) || !chunk || chunk->type != kHeaderChunk || chunk->length != kHeaderLength ||
        !ChecksumMatches(image, *chunk)) {
        return std::nullopt;
    }
    const RecordBytes fields = image.Sub(chunk->DataAt(), kHeaderLength);
    const std::uint32_t width = fields.BigEndianU32(kWidthAt);
    const std::uint32_t height = fields.BigEndianU32(kHeightAt);
    const PngHeader header{static_cast<int>(width), static_cast<int>(height),
                           fields.U8(kBitDepthAt), fields.U8(kColourTypeAt)};
    if (width < 1 || width > static_cast<std::uint32_t>(maxSide) || height < 1 ||
        height > static_cast<std::uint32_t>(maxSide) ||
        !DepthAllowed(header.colourType, header.bitDepth) || fields.U8(kCompressionAt) != 0 ||
        fields.U8(kFilterAt) != 0 || fields.U8(kInterlaceAt) > kAdam7) {
        return std::nullopt;
    }
    return header;
}

std::vector<std::uint8_t> PixelChunks(RecordBytes image) {
    if (!IsPng(image)) {
        return {};
    }
    const auto signature = image.Span().first(kPngSignatureSize);
    std::vector<std::uint8_t> kept(signature.begin(), signature.end());
    bool imageData = false;
    bool transparency = false;
    bool replacing = false;
    for (std::size_t at = kPngSignatureSize;;) {
        const std::optional<PngChunk> chunk = PngChunkAt(image, at);
        if (!chunk || (chunk->Critical() &&
                       (!IsKnownCritical(chunk->type) || !ChecksumMatches(image, *chunk)))) {
            return {};
        }
        const bool firstTransparency =
            chunk->type == kTransparencyChunk && !transparency && ChecksumMatches(image, *chunk);
        if (chunk->Critical() || firstTransparency) {
            Append(kept, image, *chunk);
            replacing = false;
        } else if (!replacing) {
            AppendPlaceholder(kept);
            replacing = true;
        }
        transparency = transparency || firstTransparency;
        imageData = imageData || chunk->type == kImageDataChunk;
        if (chunk->type == kEndChunk) {
            return imageData ? kept : std::vector<std::uint8_t>{};
        }
        at = chunk->End();
    }
}

} // namespace quorvel
