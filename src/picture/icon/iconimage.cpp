#include "picture/icon/iconimage.h"

#include "picture/bmp/dibimage.h"

#include <algorithm>
#include <array>
#include <limits>

namespace quorvel {

namespace {

constexpr int kMaxSide = 1024;
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian32(RecordBytes data, std::size_t offset) {
    return static_cast<std::uint32_t>(data.U8(offset)) << 24 |
           static_cast<std::uint32_t>(data.U8(offset + 1)) << 16 |
           static_cast<std::uint32_t>(data.U8(offset + 2)) << 8 | data.U8(offset + 3);
}

bool IsPng(RecordBytes data) {
    if (!data.Has(0, kPngSignature.size())) {
        return false;
    }
    return std::equal(kPngSignature.begin(), kPngSignature.end(), data.Span().begin());
}

std::optional<IconImageInfo> InspectPng(RecordBytes data) {
    // The first chunk, IHDR, gives width, height, bit depth and colour type.
    if (!data.Has(8, 18) || BigEndian32(data, 12) != 0x49484452) {
        return std::nullopt;
    }
    const std::uint32_t width = BigEndian32(data, 16);
    const std::uint32_t height = BigEndian32(data, 20);
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide) {
        return std::nullopt;
    }
    int channels = 1;
    switch (data.U8(25)) {
    case 2:
        channels = 3;
        break;
    case 4:
        channels = 2;
        break;
    case 6:
        channels = 4;
        break;
    default:
        break;
    }
    const int bits = std::min(32, channels * data.U8(24));
    return IconImageInfo{IconImageInfo::Encoding::Png, static_cast<int>(width),
                         static_cast<int>(height), bits};
}

QImage DecodeDib(RecordBytes data) {
    const std::optional<DibLayout> dib = ReadDibLayout(data, true, kMaxSide);
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
    const std::size_t maskStride = (static_cast<std::size_t>(dib->width) + 31) / 32 * 4;
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
    const std::optional<DibLayout> dib = ReadDibLayout(data, true, kMaxSide);
    if (!dib) {
        return std::nullopt;
    }
    return IconImageInfo{IconImageInfo::Encoding::Dib, dib->width, dib->height, dib->bitsPerPixel};
}

QImage DecodeIconImage(RecordBytes data, const IconImageInfo& info) {
    if (info.encoding == IconImageInfo::Encoding::Dib) {
        return DecodeDib(data);
    }
    const auto bytes = data.Span();
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    QImage image;
    if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "PNG")) {
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace quorvel
