#include "picture/icon/iconimage.h"

#include "picture/bmp/dibimage.h"
#include "picture/icon/pngchunks.h"
#include "picture/icon/pngimage.h"
#include "picture/raster/pixelformat.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace quorvel {

namespace {

std::optional<IconImageInfo> InspectPng(RecordBytes data) {
    const std::optional<PngHeader> header = ReadPngHeader(data, kLargestIconSide);
    if (!header) {
        return std::nullopt;
    }
    const int bits = std::min(32, header->Channels() * header->bitDepth);
    return IconImageInfo{IconImageInfo::Encoding::Png, header->width, header->height, bits};
}

QImage DecodePng(RecordBytes data) {
    const std::vector<std::uint8_t> chunks = PixelChunks(data);
    if (chunks.empty() ||
        chunks.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    QImage image;
    if (!image.loadFromData(chunks.data(), static_cast<int>(chunks.size()), "PNG")) {
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage DecodeDib(RecordBytes data) {
    const std::optional<DibLayout> dib = ReadDibLayout(data, true, kLargestIconSide);
    if (!dib) {
        return {};
    }
    const std::size_t height = static_cast<std::size_t>(dib->height);
    bool anyAlpha = false;
    QImage image =
        DecodeDibRows(*dib, data, data.Sub(dib->infoSize, dib->rowStride * height), anyAlpha);
    if (image.isNull()) {
        return {};
    }
    // A 32-bit image with an alpha channel carries its own transparency; all
    // others take it from the mask rows after the colour rows, where a set
    // bit lets the background show. A mask cut short counts as opaque.
    if (dib->bitsPerPixel == 32 && anyAlpha) {
        return image;
    }
    const std::size_t maskOffset = dib->infoSize + dib->rowStride * height;
    const auto maskStride =
        static_cast<std::size_t>(RowBytes(static_cast<std::uint32_t>(dib->width), 1));
    for (std::size_t row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(height - 1 - row)));
        const std::size_t start = maskOffset + row * maskStride;
        for (std::size_t x = 0; x < static_cast<std::size_t>(dib->width); ++x) {
            const bool clear = (data.U8(start + x / 8) >> (7 - x % 8)) & 1;
            line[x] = clear ? qRgba(0, 0, 0, 0) : (line[x] | 0xFF000000);
        }
    }
    return image;
}

} // namespace

std::optional<IconImageInfo> InspectIconImage(RecordBytes data) {
    if (IsPng(data)) {
        return InspectPng(data);
    }
    const std::optional<DibLayout> dib = ReadDibLayout(data, true, kLargestIconSide);
    if (!dib || !data.Has(dib->infoSize, dib->rowStride * static_cast<std::size_t>(dib->height))) {
        return std::nullopt;
    }
    return IconImageInfo{IconImageInfo::Encoding::Dib, dib->width, dib->height, dib->bitsPerPixel};
}

QImage DecodeIconImage(RecordBytes data, const IconImageInfo& info) {
    return info.encoding == IconImageInfo::Encoding::Dib ? DecodeDib(data) : DecodePng(data);
}

} // namespace quorvel
