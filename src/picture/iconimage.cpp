#include "picture/iconimage.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <vector>

namespace quorvel {

namespace {

constexpr int kMaxSide = 1024;
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

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

// The fields of the bitmap form that the decoder needs.
struct DibLayout {
    std::uint32_t headerSize;
    int bitsPerPixel;
    std::uint32_t compression;
    std::size_t paletteOffset;
    std::size_t paletteCount;
    std::size_t colourOffset;
    std::size_t colourStride;
    std::size_t maskOffset;
    std::size_t maskStride;
};

std::optional<DibLayout> LayOutDib(RecordBytes data) {
    DibLayout dib{};
    dib.headerSize = data.U32(0);
    if (dib.headerSize < 40 || !data.Has(0, dib.headerSize)) {
        return std::nullopt;
    }
    const std::int32_t width = data.I32(4);
    const std::int32_t doubledHeight = data.I32(8);
    dib.bitsPerPixel = data.U16(14);
    dib.compression = data.U32(16);
    if (width < 1 || width > kMaxSide || doubledHeight < 2 || doubledHeight > 2 * kMaxSide) {
        return std::nullopt;
    }
    switch (dib.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 24:
        if (dib.compression != kUncompressed) {
            return std::nullopt;
        }
        break;
    case 16:
    case 32:
        if (dib.compression != kUncompressed && dib.compression != kBitFields) {
            return std::nullopt;
        }
        break;
    default:
        return std::nullopt;
    }
    const std::size_t maxColours = std::size_t{1} << std::min(dib.bitsPerPixel, 9);
    if (dib.bitsPerPixel <= 8) {
        const std::uint32_t used = data.U32(32);
        dib.paletteCount = used == 0 ? maxColours : used;
        if (dib.paletteCount > maxColours) {
            return std::nullopt;
        }
    }
    const bool masksFollow = dib.compression == kBitFields && dib.headerSize == 40;
    dib.paletteOffset = dib.headerSize + (masksFollow ? 12 : 0);
    dib.colourOffset = dib.paletteOffset + 4 * dib.paletteCount;
    const auto w = static_cast<std::size_t>(width);
    dib.colourStride = (w * static_cast<std::size_t>(dib.bitsPerPixel) + 31) / 32 * 4;
    dib.maskStride = (w + 31) / 32 * 4;
    dib.maskOffset =
        dib.colourOffset + dib.colourStride * static_cast<std::size_t>(doubledHeight / 2);
    return dib;
}

// A colour channel under a bit mask, widened to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (m != 0) {
            shift = std::countr_zero(m);
            max = m >> shift;
        }
    }
    int Of(std::uint32_t pixel) const {
        if (max == 0) {
            return 0;
        }
        return static_cast<int>(
            (static_cast<std::uint64_t>((pixel & mask) >> shift) * 255 + max / 2) / max);
    }
};

QImage DecodeDib(RecordBytes data, const IconImageInfo& info) {
    const std::optional<DibLayout> dib = LayOutDib(data);
    if (!dib) {
        return {};
    }
    const std::size_t height = static_cast<std::size_t>(info.height);
    if (!data.Has(dib->colourOffset, dib->colourStride * height)) {
        return {};
    }

    std::vector<QRgb> palette(dib->paletteCount);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t at = dib->paletteOffset + 4 * i;
        palette[i] = qRgb(data.U8(at + 2), data.U8(at + 1), data.U8(at));
    }

    std::uint32_t masks[4] = {0x7C00, 0x03E0, 0x001F, 0};
    if (dib->bitsPerPixel == 32) {
        masks[0] = 0x00FF0000;
        masks[1] = 0x0000FF00;
        masks[2] = 0x000000FF;
        masks[3] = 0xFF000000;
    }
    if (dib->compression == kBitFields) {
        // Right after a 40-byte header, or inside the longer ones at the same place.
        masks[0] = data.U32(40);
        masks[1] = data.U32(44);
        masks[2] = data.U32(48);
        masks[3] = dib->headerSize >= 56 ? data.U32(52) : 0;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);

    QImage image(info.width, info.height, QImage::Format_ARGB32);
    if (image.isNull()) {
        return {};
    }
    bool anyAlpha = false;
    for (std::size_t row = 0; row < height; ++row) {
        // Rows are stored bottom-up.
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(height - 1 - row)));
        const std::size_t rowStart = dib->colourOffset + row * dib->colourStride;
        for (int x = 0; x < info.width; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            QRgb colour = 0;
            switch (dib->bitsPerPixel) {
            case 1:
            case 4:
            case 8: {
                const auto bits = static_cast<std::size_t>(dib->bitsPerPixel);
                const std::size_t bit = ux * bits;
                const int shift = static_cast<int>(8 - bits - bit % 8);
                const std::size_t index =
                    (data.U8(rowStart + bit / 8) >> shift) & ((1u << bits) - 1);
                colour = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
                break;
            }
            case 16: {
                const std::uint32_t pixel = data.U16(rowStart + 2 * ux);
                colour = qRgb(red.Of(pixel), green.Of(pixel), blue.Of(pixel));
                break;
            }
            case 24: {
                const std::size_t at = rowStart + 3 * ux;
                colour = qRgb(data.U8(at + 2), data.U8(at + 1), data.U8(at));
                break;
            }
            default: {
                const std::uint32_t pixel = data.U32(rowStart + 4 * ux);
                const int a = alpha.Of(pixel);
                anyAlpha = anyAlpha || a != 0;
                colour = qRgba(red.Of(pixel), green.Of(pixel), blue.Of(pixel), a);
                break;
            }
            }
            line[x] = colour;
        }
    }

    // A 32-bit image with an alpha channel carries its own transparency; all
    // others take it from the mask, where a set bit lets the background show.
    // A mask cut short by the end of the data counts as opaque.
    const bool useMask = !(dib->bitsPerPixel == 32 && anyAlpha);
    for (std::size_t row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(height - 1 - row)));
        const std::size_t rowStart = dib->maskOffset + row * dib->maskStride;
        for (int x = 0; x < info.width; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            const bool transparent = useMask && ((data.U8(rowStart + ux / 8) >> (7 - ux % 8)) & 1);
            line[x] = transparent ? qRgba(0, 0, 0, 0)
                                  : qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]),
                                          useMask ? 255 : qAlpha(line[x]));
        }
    }
    return image;
}

} // namespace

std::optional<IconImageInfo> InspectIconImage(RecordBytes data) {
    if (IsPng(data)) {
        return InspectPng(data);
    }
    const std::optional<DibLayout> dib = LayOutDib(data);
    if (!dib) {
        return std::nullopt;
    }
    return IconImageInfo{IconImageInfo::Encoding::Dib, data.I32(4), data.I32(8) / 2,
                         dib->bitsPerPixel};
}

QImage DecodeIconImage(RecordBytes data, const IconImageInfo& info) {
    if (info.encoding == IconImageInfo::Encoding::Dib) {
        return DecodeDib(data, info);
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
