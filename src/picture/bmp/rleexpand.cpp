#include "picture/bmp/rleexpand.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quorvel {
namespace {

class RowWriter {
public:
    RowWriter(const std::array<std::uint32_t, 256>& table, int tableSize, const PixelFormat& target,
              std::uint8_t* pixels)
        : table_(table), tableSize_(tableSize), target_(target), pixels_(pixels) {}

    // Row counts from the bottom, as the data does; both may lie outside.
    void Put(std::int64_t x, std::int64_t row, unsigned index) {
        if (x < 0 || x >= target_.width || row < 0 || row >= target_.height) {
            return;
        }
        std::uint32_t colour = static_cast<int>(index) < tableSize_ ? table_[index] : 0;
        std::uint8_t* line =
            pixels_ + target_.RowOffset(target_.height - 1 - static_cast<int>(row));
        std::memcpy(line + 4 * x, &colour, 4);
    }

private:
    const std::array<std::uint32_t, 256>& table_;
    int tableSize_;
    const PixelFormat& target_;
    std::uint8_t* pixels_;
};

} // namespace

void ExpandRle(std::span<const std::uint8_t> data, int bitsPerPixel,
               const std::array<std::uint32_t, 256>& table, int tableSize,
               const PixelFormat& target, std::uint8_t* pixels) {
    RowWriter writer(table, tableSize, target, pixels);
    const bool fourBit = bitsPerPixel == 4;
    // The n-th pixel of a run or of literal bytes.
    auto indexOf = [fourBit](const std::uint8_t* bytes, std::int64_t n, bool repeat) -> unsigned {
        if (!fourBit) {
            return repeat ? bytes[0] : bytes[n];
        }
        std::uint8_t byte = repeat ? bytes[0] : bytes[n / 2];
        return n % 2 == 0 ? byte >> 4 : byte & 0x0F;
    };

    std::int64_t x = 0;
    std::int64_t row = 0;
    std::size_t at = 0;
    const std::size_t size = data.size();
    while (at + 2 <= size && row < target.height) {
        const std::uint8_t count = data[at];
        const std::uint8_t code = data[at + 1];
        at += 2;
        if (count != 0) {
            for (std::int64_t n = 0; n < count; ++n) {
                writer.Put(x + n, row, indexOf(&data[at - 1], n, true));
            }
            x += count;
            continue;
        }
        switch (code) {
        case 0: // end of line
            x = 0;
            ++row;
            break;
        case 1: // end of picture
            return;
        case 2: // move right and up
            if (at + 2 > size) {
                return;
            }
            x += data[at];
            row += data[at + 1];
            at += 2;
            break;
        default: { // `code` literal pixels, padded to a 16-bit boundary
            const std::size_t bytes = fourBit ? (code + 1u) / 2 : code;
            const std::size_t available = size - at;
            const std::size_t present = bytes <= available ? bytes : available;
            const std::int64_t pixelsPresent =
                fourBit ? std::min<std::int64_t>(code, 2 * static_cast<std::int64_t>(present))
                        : static_cast<std::int64_t>(present);
            for (std::int64_t n = 0; n < pixelsPresent; ++n) {
                writer.Put(x + n, row, indexOf(&data[at], n, false));
            }
            if (present < bytes) {
                return;
            }
            x += code;
            at += bytes + bytes % 2;
            break;
        }
        }
    }
}

} // namespace quorvel
