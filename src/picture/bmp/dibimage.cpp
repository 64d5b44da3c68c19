#include "picture/bmp/dibimage.h"

#include "picture/bmp/infoheader.h"
#include "picture/raster/maskchannel.h"
#include "picture/raster/pixelformat.h"

#include <array>
#include <vector>

namespace quorvel {

namespace {

constexpr int kMaxEmbeddedSide = 1 << 15;
constexpr std::int64_t kMaxEmbeddedPixels = std::int64_t{1} << 26;

// Uncompressed rows of 1, 4, 8 or 24 bits, or 16 or 32 bits, with or without bit fields.
bool Decodable(const InfoHeader& header) {
    switch (header.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 24:
        return header.compression == kCompressionNone;
    case 16:
    case 32:
        return header.compression == kCompressionNone ||
               header.compression == kCompressionBitFields;
    default:
        return false;
    }
}

// Red, green, blue and alpha: the header's bit fields, or the fixed layouts
// of 16-bit (5 bits a channel) and 32-bit pixels.
std::array<std::uint32_t, 4> MasksOf(const InfoHeader& header) {
    if (header.compression == kCompressionBitFields) {
        return header.masks;
    }
    if (header.bitsPerPixel == 16) {
        return {kRedMask555, kGreenMask555, kBlueMask555, 0};
    }
    if (header.bitsPerPixel == 32) {
        return {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    }
    return {};
}

} // namespace

std::optional<DibLayout> ReadDibLayout(RecordBytes info, bool iconForm, int maxSide) {
    const InfoHeader header = ParseInfoHeader(info);
    if (header.size < kInfoHeaderSize || !info.Has(0, header.size) || !Decodable(header)) {
        return std::nullopt;
    }
    DibLayout dib{};
    std::int64_t height = header.height;
    dib.topDown = height < 0 && !iconForm;
    if (dib.topDown) {
        height = -height;
    }
    if (iconForm) {
        height /= 2;
    }
    if (header.width < 1 || header.width > maxSide || height < 1 || height > maxSide) {
        return std::nullopt;
    }
    dib.width = header.width;
    dib.height = static_cast<int>(height);
    dib.bitsPerPixel = header.bitsPerPixel;
    if (dib.bitsPerPixel <= 8) {
        const std::size_t most = std::size_t{1} << dib.bitsPerPixel;
        dib.paletteCount = header.colourCount == 0 ? most : header.colourCount;
        if (dib.paletteCount > most) {
            return std::nullopt;
        }
    }
    dib.masks = MasksOf(header);
    dib.paletteOffset = header.TableOffset();
    dib.infoSize = dib.paletteOffset + 4 * dib.paletteCount;
    dib.rowStride =
        static_cast<std::size_t>(RowBytes(static_cast<std::uint32_t>(dib.width), dib.bitsPerPixel));
    return dib;
}

QImage DecodeDibRows(const DibLayout& dib, RecordBytes info, RecordBytes rows, bool& anyAlpha) {
    anyAlpha = false;
    const auto height = static_cast<std::size_t>(dib.height);
    if (!rows.Has(0, dib.rowStride * height) ||
        !info.Has(dib.paletteOffset, 4 * dib.paletteCount)) {
        return {};
    }
    std::vector<QRgb> palette(dib.paletteCount);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t at = dib.paletteOffset + 4 * i;
        palette[i] = 0xFF000000 | info.U24(at);
    }
    const MaskChannel red(dib.masks[0]), green(dib.masks[1]), blue(dib.masks[2]),
        alpha(dib.masks[3]);

    QImage image(dib.width, dib.height, QImage::Format_ARGB32);
    if (image.isNull()) {
        return {};
    }
    const auto bits = static_cast<std::size_t>(dib.bitsPerPixel);
    for (std::size_t row = 0; row < height; ++row) {
        const int y = static_cast<int>(dib.topDown ? row : height - 1 - row);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::size_t start = row * dib.rowStride;
        for (std::size_t x = 0; x < static_cast<std::size_t>(dib.width); ++x) {
            QRgb colour = 0;
            if (bits <= 8) {
                // The leftmost pixel is in the highest bits of its byte.
                const std::size_t bit = x * bits;
                const auto shift = static_cast<int>(8 - bits - bit % 8);
                const std::size_t index = (rows.U8(start + bit / 8) >> shift) & ((1u << bits) - 1);
                colour = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            } else if (bits == 24) {
                const std::size_t at = start + 3 * x;
                colour = qRgb(rows.U8(at + 2), rows.U8(at + 1), rows.U8(at));
            } else {
                const std::uint32_t pixel =
                    bits == 16 ? rows.U16(start + 2 * x) : rows.U32(start + 4 * x);
                const int a = bits == 32 ? static_cast<int>(alpha.Of(pixel)) : 255;
                anyAlpha = anyAlpha || (bits == 32 && a != 0);
                colour = qRgba(static_cast<int>(red.Of(pixel)), static_cast<int>(green.Of(pixel)),
                               static_cast<int>(blue.Of(pixel)), a);
            }
            line[x] = colour;
        }
    }
    return image;
}

QImage DecodeOpaqueDib(RecordBytes info, RecordBytes rows) {
    const std::optional<DibLayout> dib = ReadDibLayout(info, false, kMaxEmbeddedSide);
    if (!dib || std::int64_t{dib->width} * dib->height > kMaxEmbeddedPixels) {
        return {};
    }
    bool anyAlpha = false;
    QImage image = DecodeDibRows(*dib, info, rows, anyAlpha);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] |= 0xFF000000;
        }
    }
    return image;
}

QImage DecodeOpaqueDib(RecordBytes packed) {
    const std::optional<DibLayout> dib = ReadDibLayout(packed, false, kMaxEmbeddedSide);
    if (!dib) {
        return {};
    }
    return DecodeOpaqueDib(packed, packed.Sub(dib->infoSize, packed.Size()));
}

QRectF SourceInDibRows(RecordBytes info, const QImage& bitmap, QRectF source) {
    if (info.I32(kInfoHeightAt) < 0) {
        return source;
    }
    const QRectF upright = source.normalized();
    return QRectF(upright.left(), bitmap.height() - upright.bottom(), upright.width(),
                  upright.height());
}

} // namespace quorvel
