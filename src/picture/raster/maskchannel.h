#pragma once

#include "picture/raster/pixelformat.h"

#include <QRgb>
#include <array>
#include <bit>
#include <cstdint>

namespace quorvel {

// One colour channel of a 16- or 32-bit pixel, widened or narrowed to 8 bits
// with ScaleChannel: narrower channels repeat their bits (a 5-bit 3 shows as
// 24), wider ones keep their top 8. This is the one conversion for bitmap
// files, the colour matching of drawing and the images icons and metafiles
// embed, so the same pixel shows the same everywhere; the bitmap suite's
// reference renderings widen the same way.
class MaskChannel {
public:
    explicit MaskChannel(std::uint32_t mask) : mask_(mask) {
        shift_ = ShapeOfMask(mask).shift;
        // The span from the lowest to the highest mask bit: a bitmap's masks
        // are contiguous, so this is their bit count; an embedded image's
        // need not be, and no value then falls outside the table.
        bits_ = std::bit_width(mask >> shift_);
        if (bits_ < 8) {
            for (std::uint32_t v = 0; v < (1u << bits_); ++v) {
                narrow_[v] = static_cast<std::uint8_t>(ScaleChannel(v, bits_, 8));
            }
        }
    }

    std::uint32_t Of(std::uint32_t pixel) const {
        std::uint32_t value = (pixel & mask_) >> shift_;
        return bits_ < 8 ? narrow_[value] : value >> (bits_ - 8);
    }

private:
    std::uint32_t mask_;
    int shift_ = 0;
    int bits_ = 0;
    std::array<std::uint8_t, 128> narrow_{};
};

} // namespace quorvel
