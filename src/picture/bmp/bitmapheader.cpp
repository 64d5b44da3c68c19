#include "picture/bmp/bitmapheader.h"

#include "numtext/failure.h"
#include "picture/core/bytesource.h"
#include "picture/core/picturemessages.h"
#include "picture/core/recordbytes.h"

#include <algorithm>
#include <span>

namespace quorvel {
namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Headers from this size on (the 52-byte form and every later one) carry the
// red, green and blue masks at offset 40.
constexpr std::uint32_t kMasksInsideFrom = 52;
// The fields of the longest known header; a longer header's tail is passed over.
constexpr std::uint32_t kKnownFieldsSize = 124;
constexpr std::uint32_t kTableRoom = 256;
constexpr std::uint32_t kTableRoomBesideMasks = kTableRoom - 3;

// The four 16-bit fields of the 12-byte form; the rest stays 0 as in a
// 40-byte header with no compression, no image size and no colour count.
void ReadCoreFields(ByteSource& source, BitmapHeader& header) {
    std::array<std::uint8_t, kCoreHeaderSize - 4> fields{};
    source.ReadExactly(fields);
    header.width = LittleEndian16(&fields[0]);
    header.height = LittleEndian16(&fields[2]);
    header.planes = LittleEndian16(&fields[4]);
    header.bitsPerPixel = LittleEndian16(&fields[6]);
}

// Returns the colour-count field.
std::uint32_t ReadInfoFields(ByteSource& source, BitmapHeader& header) {
    std::uint64_t rest = header.infoSize - 4;
    if (rest > source.Remaining()) {
        throw Failure(kReadErrorMessage);
    }
    // Offsets below are those of the header minus its 4-byte size field.
    std::array<std::uint8_t, kKnownFieldsSize - 4> fields{};
    std::span<std::uint8_t> known(fields.data(), std::min<std::uint64_t>(fields.size(), rest));
    source.ReadExactly(known);
    source.Skip(rest - known.size());

    header.width = static_cast<std::int32_t>(LittleEndian32(&fields[0]));
    header.height = static_cast<std::int32_t>(LittleEndian32(&fields[4]));
    header.planes = LittleEndian16(&fields[8]);
    header.bitsPerPixel = LittleEndian16(&fields[10]);
    header.compression = LittleEndian32(&fields[12]);
    header.imageSize = LittleEndian32(&fields[16]);
    if (header.infoSize >= kMasksInsideFrom) {
        header.hasMasks = true;
        header.masks = {LittleEndian32(&fields[36]), LittleEndian32(&fields[40]),
                        LittleEndian32(&fields[44])};
    }
    return LittleEndian32(&fields[28]);
}

void ReadMasks(ByteSource& source, BitmapHeader& header) {
    std::array<std::uint8_t, 12> masks{};
    source.ReadExactly(masks);
    header.hasMasks = true;
    header.masks = {LittleEndian32(&masks[0]), LittleEndian32(&masks[4]),
                    LittleEndian32(&masks[8])};
}

void ReadTable(ByteSource& source, BitmapHeader& header, std::uint32_t count,
               std::size_t entrySize) {
    std::array<std::uint8_t, kTableRoom * 4> entries{};
    source.ReadExactly(std::span(entries.data(), count * entrySize));
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = &entries[i * entrySize];
        header.table[i] = std::uint32_t{entry[2]} << 16 | std::uint32_t{entry[1]} << 8 | entry[0];
    }
    header.tableSize = static_cast<int>(count);
}

} // namespace

BitmapHeader ReadBitmapHeader(ByteSource& source) {
    std::array<std::uint8_t, 14> fileHeader{};
    source.ReadExactly(fileHeader);
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') {
        throw Failure(kInvalidBitmapMessage);
    }

    BitmapHeader header;
    std::array<std::uint8_t, 4> infoSize{};
    source.ReadExactly(infoSize);
    header.infoSize = LittleEndian32(infoSize.data());
    std::uint32_t colourCount = 0;
    std::size_t entrySize = 4;
    if (header.infoSize == kCoreHeaderSize) {
        ReadCoreFields(source, header);
        entrySize = 3;
    } else if (header.infoSize < kInfoHeaderSize) {
        throw Failure(kInvalidBitmapMessage);
    } else {
        colourCount = ReadInfoFields(source, header);
    }

    if (header.planes != 1) {
        throw Failure(kInvalidBitmapMessage);
    }

    bool masksFollow = header.infoSize == kInfoHeaderSize &&
                       (header.bitsPerPixel == 16 || header.bitsPerPixel == 32) &&
                       header.compression == kCompressionBitFields;
    if (masksFollow) {
        ReadMasks(source, header);
    }

    if (colourCount == 0 && header.bitsPerPixel <= 8) {
        switch (header.bitsPerPixel) {
        case 1:
            colourCount = 2;
            break;
        case 4:
            colourCount = 16;
            break;
        case 8:
            colourCount = 256;
            break;
        default:
            break;
        }
    }
    if (colourCount > (masksFollow ? kTableRoomBesideMasks : kTableRoom)) {
        throw Failure(kInvalidBitmapMessage);
    }
    ReadTable(source, header, colourCount, entrySize);
    return header;
}

} // namespace quorvel
