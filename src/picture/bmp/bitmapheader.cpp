#include "picture/bmp/bitmapheader.h"

#include "picture/bmp/bitmaprefusal.h"
#include "picture/core/bytesource.h"

#include <algorithm>
#include <span>

namespace quorvel {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kTableRoom = 256;
constexpr std::uint32_t kTableRoomBesideMasks = kTableRoom - 3;
constexpr std::size_t kTableEntrySize = 4;
constexpr std::size_t kCoreTableEntrySize = 3;

// Fills `into` from the file; the file ending first is a refusal, a device
// error a failure of its own.
void ReadOrRefuse(ByteSource& source, std::span<std::uint8_t> into) {
    if (into.size() > source.Remaining()) {
        throw BitmapRefused(BitmapRefusal::Truncated);
    }
    source.ReadExactly(into);
}

void ReadFileHeader(ByteSource& source) {
    std::array<std::uint8_t, kFileHeaderSize> fileHeader{};
    ReadOrRefuse(source, fileHeader);
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') {
        throw BitmapRefused(BitmapRefusal::NotABitmap);
    }
}

// The info header's known fields into `bytes`, from its size field on.
void ReadInfoBytes(ByteSource& source, std::array<std::uint8_t, kKnownFieldsSize>& bytes) {
    const std::span<std::uint8_t> all(bytes);
    ReadOrRefuse(source, all.first(4));
    const std::uint32_t size = RecordBytes(all).U32(kInfoSizeAt);
    if (size == kCoreHeaderSize) {
        ReadOrRefuse(source, all.subspan(4, kCoreHeaderSize - 4));
        return;
    }
    if (size < kInfoHeaderSize) {
        throw BitmapRefused(BitmapRefusal::InvalidHeader);
    }
    const std::uint64_t rest = size - 4;
    if (rest > source.Remaining()) {
        throw BitmapRefused(BitmapRefusal::Truncated);
    }
    const std::span<std::uint8_t> known =
        all.subspan(4, std::min<std::uint64_t>(rest, all.size() - 4));
    source.ReadExactly(known);
    source.Skip(rest - known.size());
}

// The table's length: the header's colour count, or all the depth can index.
std::uint32_t TableLength(const InfoHeader& info) {
    if (info.colourCount != 0 || info.bitsPerPixel > 8) {
        return info.colourCount;
    }
    switch (info.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
        return 1u << info.bitsPerPixel;
    default:
        return 0;
    }
}

void ReadTable(ByteSource& source, BitmapHeader& header) {
    const std::uint32_t count = TableLength(header.info);
    if (count > (header.info.MasksFollow() ? kTableRoomBesideMasks : kTableRoom)) {
        throw BitmapRefused(BitmapRefusal::InvalidHeader);
    }
    const std::size_t entrySize =
        header.info.size == kCoreHeaderSize ? kCoreTableEntrySize : kTableEntrySize;
    std::array<std::uint8_t, kTableRoom * kTableEntrySize> entries{};
    const std::span<std::uint8_t> stored(entries.data(), count * entrySize);
    ReadOrRefuse(source, stored);
    for (std::uint32_t i = 0; i < count; ++i) {
        header.table[i] = RecordBytes(stored).U24(i * entrySize);
    }
    header.tableSize = static_cast<int>(count);
}

} // namespace

BitmapHeader ReadBitmapHeader(ByteSource& source) {
    ReadFileHeader(source);
    std::array<std::uint8_t, kKnownFieldsSize> bytes{};
    ReadInfoBytes(source, bytes);
    BitmapHeader header;
    header.info = ParseInfoHeader(RecordBytes(bytes));
    if (header.info.planes != 1) {
        throw BitmapRefused(BitmapRefusal::InvalidHeader);
    }
    if (header.info.MasksFollow()) {
        // Read into their place behind the 40-byte header, where they parse as inside.
        ReadOrRefuse(source, std::span(bytes).subspan(kInfoHeaderSize, kMasksAfterSize));
        header.info = ParseInfoHeader(RecordBytes(bytes));
    }
    header.hasMasks = header.info.MasksInside() || header.info.MasksFollow();
    ReadTable(source, header);
    return header;
}

} // namespace quorvel
