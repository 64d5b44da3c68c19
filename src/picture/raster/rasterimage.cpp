#include "picture/raster/rasterimage.h"

#include "picture/core/recordbytes.h"
#include "picture/raster/maskchannel.h"
#include "picture/raster/pixelmemory.h"

#include <array>
#include <cstring>
#include <memory>

namespace quorvel {
namespace {

QRgb* OutputRow(std::uint8_t* target, std::size_t stride, int row) {
    return reinterpret_cast<QRgb*>(target + stride * static_cast<std::size_t>(row));
}

// Each converter writes the pixels of `area` (inside the raster) to `target`,
// whose rows hold the area's columns from its left edge on.

void ConvertIndexed(const PixelFormat& format, const std::uint8_t* pixels, const QRect& area,
                    std::uint8_t* target, std::size_t targetStride) {
    const std::array<std::uint32_t, 256> palette = DisplayPalette(format);
    const int bpp = format.bitsPerPixel;
    const int perByte = 8 / bpp;
    const unsigned indexMask = (1u << bpp) - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const std::uint8_t* row = pixels + format.RowOffset(y);
        QRgb* out = OutputRow(target, targetStride, y - area.top()) - area.left();
        for (int x = area.left(); x <= area.right(); ++x) {
            // The leftmost pixel of a byte is in its high bits.
            int shift = (perByte - 1 - x % perByte) * bpp;
            out[x] = palette[(row[x / perByte] >> shift) & indexMask];
        }
    }
}

void ConvertMasked(const PixelFormat& format, const std::uint8_t* pixels, const QRect& area,
                   std::uint8_t* target, std::size_t targetStride) {
    const MaskChannel red(format.masks[0]);
    const MaskChannel green(format.masks[1]);
    const MaskChannel blue(format.masks[2]);
    const bool wide = format.bitsPerPixel == 32;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const std::uint8_t* row = pixels + format.RowOffset(y);
        QRgb* out = OutputRow(target, targetStride, y - area.top()) - area.left();
        for (int x = area.left(); x <= area.right(); ++x) {
            std::uint32_t pixel = wide ? LittleEndian32(row + 4 * x) : LittleEndian16(row + 2 * x);
            out[x] = 0xFF000000u | red.Of(pixel) << 16 | green.Of(pixel) << 8 | blue.Of(pixel);
        }
    }
}

void Convert24(const PixelFormat& format, const std::uint8_t* pixels, const QRect& area,
               std::uint8_t* target, std::size_t targetStride) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const std::uint8_t* in = pixels + format.RowOffset(y) + 3 * area.left();
        QRgb* out = OutputRow(target, targetStride, y - area.top()) - area.left();
        for (int x = area.left(); x <= area.right(); ++x, in += 3) {
            out[x] = 0xFF000000u | std::uint32_t{in[2]} << 16 | std::uint32_t{in[1]} << 8 | in[0];
        }
    }
}

// 0x00RRGGBB words: only the unused top byte needs setting.
void Convert32(const PixelFormat& format, const std::uint8_t* pixels, const QRect& area,
               std::uint8_t* target, std::size_t targetStride) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const std::uint8_t* in = pixels + format.RowOffset(y);
        QRgb* out = OutputRow(target, targetStride, y - area.top()) - area.left();
        for (int x = area.left(); x <= area.right(); ++x) {
            out[x] = 0xFF000000u | LittleEndian32(in + 4 * x);
        }
    }
}

// An RGB32 image on pixel memory of its own, so a large one is quick to
// touch first; null when the memory cannot be had.
QImage NewDisplayImage(int width, int height) {
    const auto bytesPerLine = static_cast<qsizetype>(width) * 4;
    auto memory = std::make_unique<PixelMemory>(PixelMemory::TryAllocate(
        static_cast<std::uint64_t>(bytesPerLine) * static_cast<std::uint64_t>(height)));
    if (memory->Size() == 0) {
        return {};
    }
    std::uint8_t* pixels = memory->Data();
    return QImage(
        pixels, width, height, bytesPerLine, QImage::Format_RGB32,
        [](void* owned) { delete static_cast<PixelMemory*>(owned); }, memory.release());
}

void ConvertInto(const PixelFormat& format, const std::uint8_t* pixels, const QRect& area,
                 QImage& target) {
    std::uint8_t* out = target.bits();
    const auto stride = static_cast<std::size_t>(target.bytesPerLine());
    const std::array<std::uint32_t, 3> plain{0xFF0000, 0xFF00, 0xFF};
    switch (format.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
        ConvertIndexed(format, pixels, area, out, stride);
        break;
    case 24:
        Convert24(format, pixels, area, out, stride);
        break;
    case 32:
        if (format.masks == plain) {
            Convert32(format, pixels, area, out, stride);
        } else {
            ConvertMasked(format, pixels, area, out, stride);
        }
        break;
    default:
        ConvertMasked(format, pixels, area, out, stride);
        break;
    }
}

} // namespace

QImage ConvertRaster(const PixelFormat& format, const std::uint8_t* pixels) {
    if (format.width == 0 || format.height == 0) {
        return {};
    }
    QImage image = NewDisplayImage(format.width, format.height);
    if (!image.isNull()) {
        ConvertInto(format, pixels, QRect(0, 0, format.width, format.height), image);
    }
    return image;
}

QImage ConvertRasterArea(const PixelFormat& format, const std::uint8_t* pixels, QRect area) {
    area &= QRect(0, 0, format.width, format.height);
    if (area.isEmpty()) {
        return {};
    }
    QImage image(area.size(), QImage::Format_RGB32);
    if (!image.isNull()) {
        ConvertInto(format, pixels, area, image);
    }
    return image;
}

} // namespace quorvel
