#include "picture/bmp/dibimage.h"

#include <bit>
#include <vector>

namespace quorvel {

namespace {

constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr int kMaxEmbeddedSide = 1 << 15;
constexpr std::int64_t kMaxEmbeddedPixels = std::int64_t{1} << 26;

// A colour channel under a bit mask, widened to 8 bits.
class Channel {
public:
    explicit Channel(std::uint32_t mask) : mask_(mask) {
        if (mask != 0) {
            shift_ = std::countr_zero(mask);
            max_ = mask >> shift_;
        }
    }
    int Of(std::uint32_t pixel) const {
        if (max_ == 0) {
            return 0;
        }
        const std::uint64_t value = (pixel & mask_) >> shift_;
        return static_cast<int>((value * 255 + max_ / 2) / max_);
    }

private:
    std::uint32_t mask_;
    int shift_ = 0;
    std::uint32_t max_ = 0;
};

} // namespace

std::optional<DibLayout> ReadDibLayout(RecordBytes info, bool iconForm, int maxSide) {
    DibLayout dib{};
    const std::size_t headerSize = info.U32(0);
    if (headerSize < 40 || !info.Has(0, headerSize)) {
        return std::nullopt;
    }
    const std::int64_t width = info.I32(4);
    std::int64_t height = info.I32(8);
    dib.bitsPerPixel = info.U16(14);
    const std::uint32_t compression = info.U32(16);
    dib.topDown = height < 0 && !iconForm;
    if (dib.topDown) {
        height = -height;
    }
    if (iconForm) {
        height /= 2;
    }
    if (width < 1 || width > maxSide || height < 1 || height > maxSide) {
        return std::nullopt;
    }
    dib.width = static_cast<int>(width);
    dib.height = static_cast<int>(height);
    switch (dib.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 24:
        if (compression != kUncompressed) {
            return std::nullopt;
        }
        break;
    case 16:
    case 32:
        if (compression != kUncompressed && compression != kBitFields) {
            return std::nullopt;
        }
        break;
    default:
        return std::nullopt;
    }
    if (dib.bitsPerPixel <= 8) {
        const std::size_t most = std::size_t{1} << dib.bitsPerPixel;
        const std::uint32_t used = info.U32(32);
        dib.paletteCount = used == 0 ? most : used;
        if (dib.paletteCount > most) {
            return std::nullopt;
        }
    }
    if (dib.bitsPerPixel == 16) {
        dib.masks[0] = 0x7C00;
        dib.masks[1] = 0x03E0;
        dib.masks[2] = 0x001F;
    } else if (dib.bitsPerPixel == 32) {
        dib.masks[0] = 0x00FF0000;
        dib.masks[1] = 0x0000FF00;
        dib.masks[2] = 0x000000FF;
        dib.masks[3] = 0xFF000000;
    }
    const bool masksFollow = compression == kBitFields && headerSize == 40;
    if (compression == kBitFields) {
        // Right after a 40-byte header, or inside the longer ones at the same place.
        dib.masks[0] = info.U32(40);
        dib.masks[1] = info.U32(44);
        dib.masks[2] = info.U32(48);
        dib.masks[3] = headerSize >= 56 ? info.U32(52) : 0;
    }
    dib.paletteOffset = headerSize + (masksFollow ? 12 : 0);
    dib.infoSize = dib.paletteOffset + 4 * dib.paletteCount;
    dib.rowStride =
        (static_cast<std::size_t>(dib.width) * static_cast<std::size_t>(dib.bitsPerPixel) + 31) /
        32 * 4;
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
        palette[i] = qRgb(info.U8(at + 2), info.U8(at + 1), info.U8(at));
    }
    const Channel red(dib.masks[0]), green(dib.masks[1]), blue(dib.masks[2]), alpha(dib.masks[3]);

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
                const int a = bits == 32 ? alpha.Of(pixel) : 255;
                anyAlpha = anyAlpha || (bits == 32 && a != 0);
                colour = qRgba(red.Of(pixel), green.Of(pixel), blue.Of(pixel), a);
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
    if (info.I32(8) < 0) {
        return source;
    }
    const QRectF upright = source.normalized();
    return QRectF(upright.left(), bitmap.height() - upright.bottom(), upright.width(),
                  upright.height());
}

} // namespace quorvel
