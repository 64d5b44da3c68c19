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

// The n-th pixel's table index in a run (one byte repeated) or in literal bytes.
unsigned IndexOf(const std::uint8_t* bytes, std::int64_t n, bool repeat, bool fourBit) {
    if (!fourBit) {
        return repeat ? bytes[0] : bytes[n];
    }
    const std::uint8_t byte = repeat ? bytes[0] : bytes[n / 2];
    return n % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

// Where the expansion stands: the next pixel and the next byte of data.
struct RlePosition {
    std::int64_t x = 0;
    std::int64_t row = 0;
    std::size_t at = 0;
};

// `count` literal pixels at the data's position, padded to a 16-bit
// boundary. False where the data ends inside them.
bool PutLiterals(std::span<const std::uint8_t> data, unsigned count, bool fourBit,
                 RowWriter& writer, RlePosition& position) {
    const std::size_t bytes = fourBit ? (count + 1) / 2 : count;
    const std::size_t present = std::min(bytes, data.size() - position.at);
    const std::int64_t pixelsPresent =
        fourBit ? std::min<std::int64_t>(count, 2 * static_cast<std::int64_t>(present))
                : static_cast<std::int64_t>(present);
    for (std::int64_t n = 0; n < pixelsPresent; ++n) {
        writer.Put(position.x + n, position.row, IndexOf(&data[position.at], n, false, fourBit));
    }
    if (present < bytes) {
        return false;
    }
    position.x += count;
    position.at += bytes + bytes % 2;
    return true;
}

// Escape codes after a zero count.
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfPicture = 1;
constexpr std::uint8_t kDelta = 2; // then two bytes: move right, move up

} // namespace

void ExpandRle(std::span<const std::uint8_t> data, int bitsPerPixel,
               const std::array<std::uint32_t, 256>& table, int tableSize,
               const PixelFormat& target, std::uint8_t* pixels) {
    RowWriter writer(table, tableSize, target, pixels);
    const bool fourBit = bitsPerPixel == 4;
    RlePosition p;
    while (p.at + 2 <= data.size() && p.row < target.height) {
        const std::uint8_t count = data[p.at];
        const std::uint8_t code = data[p.at + 1];
        p.at += 2;
        if (count != 0) {
            for (std::int64_t n = 0; n < count; ++n) {
                writer.Put(p.x + n, p.row, IndexOf(&data[p.at - 1], n, true, fourBit));
            }
            p.x += count;
            continue;
        }
        switch (code) {
        case kEndOfLine:
            p.x = 0;
            ++p.row;
            break;
        case kEndOfPicture:
            return;
        case kDelta:
            if (p.at + 2 > data.size()) {
                return;
            }
            p.x += data[p.at];
            p.row += data[p.at + 1];
            p.at += 2;
            break;
        default:
            if (!PutLiterals(data, code, fourBit, writer, p)) {
                return;
            }
            break;
        }
    }
}

} // namespace quorvel
