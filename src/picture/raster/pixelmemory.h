#pragma once

#include "picture/core/picturemessages.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace quorvel {

// Pixel memory is refused beyond this, whatever the machine could give.
inline constexpr std::uint64_t kPixelMemoryLimit = std::uint64_t{1} << 30;

// A zero-filled block of pixel memory. It comes as untouched zero pages, so a
// raster that the file then fills is written once, not cleared first. Large
// blocks ask for huge pages: the first touch of each page costs more than
// copying the file into it, and huge pages cut the number of touches 512-fold.
class PixelMemory {
public:
    PixelMemory() = default;
    // Throws `refusal` above kPixelMemoryLimit or when allocation fails.
    explicit PixelMemory(std::uint64_t size, const char* refusal = kOutOfMemoryMessage);
    // The same without a failure: empty above the limit or when allocation fails.
    static PixelMemory TryAllocate(std::uint64_t size);

    std::uint8_t* Data() { return data_.get(); }
    const std::uint8_t* Data() const { return data_.get(); }
    std::size_t Size() const { return size_; }

private:
    struct Release {
        void* mapping; // null: the block came from calloc
        std::size_t mappingLength;
        void operator()(std::uint8_t* data) const;
    };
    std::unique_ptr<std::uint8_t, Release> data_;
    std::size_t size_ = 0;
};

} // namespace quorvel
