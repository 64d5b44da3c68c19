#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace quorvel {

// Little-endian fields at a position the caller has already bounded.
inline std::uint16_t LittleEndian16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

inline std::uint32_t LittleEndian32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Fields of a file or record, little-endian unless their name says
// otherwise. Every read is bounds-checked:
// a field that does not lie wholly inside the bytes reads as 0, so callers
// check Has() where a missing field changes the meaning.
class RecordBytes {
public:
    RecordBytes() = default;
    explicit RecordBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Size() const { return bytes_.size(); }
    std::span<const std::uint8_t> Span() const { return bytes_; }

    bool Has(std::size_t offset, std::size_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    // The bytes from offset, at most length of them (empty when offset is outside).
    RecordBytes Sub(std::size_t offset, std::size_t length) const {
        if (offset > bytes_.size()) {
            return {};
        }
        std::size_t available = bytes_.size() - offset;
        return RecordBytes(bytes_.subspan(offset, length < available ? length : available));
    }

    std::uint8_t U8(std::size_t offset) const { return Has(offset, 1) ? bytes_[offset] : 0; }
    std::uint16_t U16(std::size_t offset) const {
        return Has(offset, 2) ? LittleEndian16(bytes_.data() + offset) : 0;
    }
    std::int16_t I16(std::size_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
    // Three bytes, as a colour table stores blue, green and red: 0x00RRGGBB.
    std::uint32_t U24(std::size_t offset) const {
        return Has(offset, 3) ? std::uint32_t{LittleEndian16(bytes_.data() + offset)} |
                                    std::uint32_t{bytes_[offset + 2]} << 16
                              : 0;
    }
    std::uint32_t U32(std::size_t offset) const {
        return Has(offset, 4) ? LittleEndian32(bytes_.data() + offset) : 0;
    }
    std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    // A 32-bit word stored most significant byte first, as PNG stores them.
    std::uint32_t BigEndianU32(std::size_t offset) const {
        if (!Has(offset, 4)) {
            return 0;
        }
        const std::uint8_t* bytes = bytes_.data() + offset;
        return static_cast<std::uint32_t>(bytes[0]) << 24 |
               static_cast<std::uint32_t>(bytes[1]) << 16 |
               static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
    }
    // A 32-bit IEEE float, widened.
    double F32(std::size_t offset) const {
        std::uint32_t bits = U32(offset);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return static_cast<double>(value);
    }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace quorvel
