#include "picture/raster/pixelreader.h"

#include "picture/core/recordbytes.h"

namespace quorvel {

PixelReader::PixelReader(const PixelFormat& format, const std::uint8_t* pixels)
    : format_(format), pixels_(pixels),
      palette_(DisplayPalette(format)), channels_{MaskChannel(format.masks[0]),
                                                  MaskChannel(format.masks[1]),
                                                  MaskChannel(format.masks[2])} {}

QRgb PixelReader::At(int x, int y) const {
    const std::uint8_t* row = pixels_ + format_.RowOffset(y);
    const auto column = static_cast<std::size_t>(x);
    switch (format_.bitsPerPixel) {
    case 1:
    case 4:
    case 8: {
        const auto bpp = static_cast<std::size_t>(format_.bitsPerPixel);
        const std::size_t perByte = 8 / bpp;
        // The leftmost pixel of a byte is in its high bits.
        const auto shift = static_cast<unsigned>((perByte - 1 - column % perByte) * bpp);
        return palette_[(row[column / perByte] >> shift) & ((1u << bpp) - 1)];
    }
    case 24: {
        const std::uint8_t* at = row + 3 * column;
        return 0xFF000000u | std::uint32_t{at[2]} << 16 | std::uint32_t{at[1]} << 8 | at[0];
    }
    default: {
        const std::uint32_t pixel = format_.bitsPerPixel == 32 ? LittleEndian32(row + 4 * column)
                                                               : LittleEndian16(row + 2 * column);
        return 0xFF000000u | channels_[0].Of(pixel) << 16 | channels_[1].Of(pixel) << 8 |
               channels_[2].Of(pixel);
    }
    }
}

} // namespace quorvel
