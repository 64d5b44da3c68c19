#include "picture/bmp/bitmapreader.h"

#include "picture/bmp/bitmapheader.h"
#include "picture/bmp/bitmaprefusal.h"
#include "picture/bmp/rleexpand.h"
#include "picture/core/bytesource.h"
#include "picture/core/picture.h"
#include "picture/raster/raster.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <span>
#include <vector>

namespace quorvel {
namespace {

bool IsRle(std::uint32_t compression) {
    return compression == kCompressionRle8 || compression == kCompressionRle4;
}

// The red, green and blue masks; the alpha mask plays no part in a raster.
bool MasksUsable(const InfoHeader& info) {
    const std::uint64_t pixelBits = (std::uint64_t{1} << info.bitsPerPixel) - 1;
    std::uint32_t seen = 0;
    for (std::uint32_t mask : std::span(info.masks).first<3>()) {
        MaskShape shape = ShapeOfMask(mask);
        bool contiguous = mask == 0 || ((std::uint64_t{mask} >> shape.shift) + 1 ==
                                        std::uint64_t{1} << shape.bits);
        if (!contiguous || (mask & seen) != 0 || mask > pixelBits) {
            return false;
        }
        seen |= mask;
    }
    return true;
}

// Whether the depth and compression have a raster form.
bool HasRasterForm(const BitmapHeader& header) {
    const InfoHeader& info = header.info;
    switch (info.compression) {
    case kCompressionNone:
        switch (info.bitsPerPixel) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            return true;
        default:
            return false;
        }
    case kCompressionRle8:
        return info.bitsPerPixel == 8;
    case kCompressionRle4:
        return info.bitsPerPixel == 4;
    case kCompressionBitFields:
        return (info.bitsPerPixel == 16 || info.bitsPerPixel == 32) && header.hasMasks &&
               MasksUsable(info);
    default:
        return false;
    }
}

bool WithinLimit(std::uint64_t a, std::uint64_t b) {
    return a == 0 || b <= kPixelMemoryLimit / a;
}

// The raster the header asks for, or the refusal of its creation. Also
// refused: run-length-encoded data stored top row first, which has no raster form.
PixelFormat RasterFormatOf(const BitmapHeader& header) {
    const InfoHeader& info = header.info;
    if (!HasRasterForm(header)) {
        throw BitmapRefused(BitmapRefusal::Unsupported);
    }
    if (info.width <= 0 || info.height == 0) {
        throw BitmapRefused(BitmapRefusal::InvalidHeader);
    }
    if (IsRle(info.compression) && info.height < 0) {
        throw BitmapRefused(BitmapRefusal::Unsupported);
    }
    const auto width = static_cast<std::uint32_t>(info.width);
    const auto height = static_cast<std::uint64_t>(std::abs(std::int64_t{info.height}));
    // The raster and its display copy of 4 bytes a pixel must both fit.
    const std::uint64_t ownRow = RowBytes(width, info.bitsPerPixel);
    if (!WithinLimit(ownRow, height) || !WithinLimit(std::uint64_t{width} * 4, height)) {
        throw BitmapRefused(BitmapRefusal::TooLarge);
    }

    if (IsRle(info.compression)) {
        return DisplayFormat(static_cast<int>(width), static_cast<int>(height));
    }
    PixelFormat format;
    format.width = static_cast<int>(width);
    format.height = static_cast<int>(height);
    format.bitsPerPixel = info.bitsPerPixel;
    format.topDown = info.height < 0;
    format.stride = static_cast<std::size_t>(ownRow);
    if (info.compression == kCompressionBitFields) {
        format.masks = {info.masks[0], info.masks[1], info.masks[2]};
    } else if (info.bitsPerPixel == 16) {
        format.masks = {kRedMask555, kGreenMask555, kBlueMask555};
    }
    // Kept also beside 16-, 24- and 32-bit pixels, as the palette of such a raster.
    format.table = header.table;
    format.tableSize = header.tableSize;
    return format;
}

// Zero-filled pixel memory of its own, so that what is on screen is never
// written before the whole file is in.
PixelMemory NewPixelMemory(std::size_t size) {
    PixelMemory memory = PixelMemory::TryAllocate(size);
    if (size != 0 && memory.Size() == 0) {
        throw BitmapRefused(BitmapRefusal::OutOfMemory);
    }
    return memory;
}

std::vector<std::uint8_t> ReadCompressed(ByteSource& source, std::uint64_t length) {
    if (std::min(length, source.Remaining()) > kPixelMemoryLimit) {
        throw BitmapRefused(BitmapRefusal::TooLarge);
    }
    std::optional<std::vector<std::uint8_t>> data = source.ReadAtMost(length, kPixelMemoryLimit);
    if (!data) {
        throw BitmapRefused(BitmapRefusal::OutOfMemory);
    }
    return std::move(*data);
}

} // namespace

std::unique_ptr<Raster> ReadBitmap(ByteSource& source) {
    if (source.Remaining() == 0) {
        return std::make_unique<Raster>(DisplayFormat(0, 0), PixelMemory());
    }
    const BitmapHeader header = ReadBitmapHeader(source);
    const PixelFormat format = RasterFormatOf(header);
    const std::size_t size = format.MemorySize();

    // The pixel data starts right here, whatever the file header's offset
    // field says. Its length when the header leaves it open:
    std::uint64_t length = header.info.imageSize;
    if (length == 0) {
        length = RowBytes(static_cast<std::uint32_t>(header.info.width), header.info.bitsPerPixel) *
                 static_cast<std::uint64_t>(format.height);
    }

    if (IsRle(header.info.compression)) {
        const std::vector<std::uint8_t> data = ReadCompressed(source, length);
        PixelMemory target = NewPixelMemory(size);
        ExpandRle(data, header.info.bitsPerPixel, header.table, header.tableSize, format,
                  target.Data());
        return std::make_unique<Raster>(format, std::move(target));
    }

    // A length beyond the raster would copy past its memory.
    if (length > size) {
        throw BitmapRefused(BitmapRefusal::InvalidHeader);
    }
    PixelMemory target = NewPixelMemory(size);
    source.ReadUpTo(std::span(target.Data(), static_cast<std::size_t>(length)));
    return std::make_unique<Raster>(format, std::move(target));
}

std::unique_ptr<Picture> ReadBitmapFile(std::span<const std::uint8_t> bytes) {
    SpanSource source(bytes);
    return ReadBitmap(source);
}

} // namespace quorvel
