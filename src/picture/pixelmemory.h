#pragma once

#include "picture/picturemessages.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace quorvel {

// Pixel memory is refused beyond this, whatever the machine could give.
inline constexpr std::uint64_t kPixelMemoryLimit = std::uint64_t{1} << 30;

// A zero-filled block of pixel memory. Large blocks come straight from the
// kernel as untouched zero pages, so a raster that the file then fills is
// written once, not cleared first.
class PixelMemory {
public:
    PixelMemory() = default;
    // Throws `refusal` above kPixelMemoryLimit or when allocation fails.
    explicit PixelMemory(std::uint64_t size, const char* refusal = kOutOfMemoryMessage);

    std::uint8_t* Data() { return data_.get(); }
    const std::uint8_t* Data() const { return data_.get(); }
    std::size_t Size() const { return size_; }

private:
    struct Release {
        void operator()(std::uint8_t* data) const;
    };
    std::unique_ptr<std::uint8_t, Release> data_;
    std::size_t size_ = 0;
};

} // namespace quorvel
