#pragma once

#include "picture/raster/pixelformat.h"

#include <QRgb>
#include <array>
#include <cstdint>

namespace quorvel {

// One colour channel of a 16- or 32-bit pixel, widened or narrowed to 8 bits.
class MaskChannel {
public:
    explicit MaskChannel(std::uint32_t mask) : mask_(mask) {
        MaskShape shape = ShapeOfMask(mask);
        shift_ = shape.shift;
        bits_ = shape.bits;
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
