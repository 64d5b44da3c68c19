#include "picture/raster/pixelmemory.h"

#include "numtext/failure.h"

#include <cstdlib>
#include <sys/mman.h>

namespace quorvel {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kHugePagesFrom = 2 * kHugePage;

std::size_t RoundUp(std::size_t size, std::size_t unit) {
    return (size + unit - 1) / unit * unit;
}

} // namespace

void PixelMemory::Release::operator()(std::uint8_t* data) const {
    if (mapping != nullptr) {
        ::munmap(mapping, mappingLength);
    } else {
        std::free(data);
    }
}

PixelMemory PixelMemory::TryAllocate(std::uint64_t size) {
    PixelMemory memory;
    if (size == 0 || size > kPixelMemoryLimit) {
        return memory;
    }
    const auto bytes = static_cast<std::size_t>(size);
    if (bytes < kHugePagesFrom) {
        memory.data_.reset(static_cast<std::uint8_t*>(std::calloc(bytes, 1)));
    } else {
        // One huge page more than needed, so the block can start on a huge-page boundary.
        const std::size_t length = RoundUp(bytes, kHugePage) + kHugePage;
        void* mapping =
            ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapping == MAP_FAILED) {
            return memory;
        }
        auto* start = static_cast<std::uint8_t*>(mapping);
        start += RoundUp(reinterpret_cast<std::uintptr_t>(start), kHugePage) -
                 reinterpret_cast<std::uintptr_t>(start);
        // Only a hint: without huge pages the block works the same, just slower to touch.
        ::madvise(start, RoundUp(bytes, kHugePage), MADV_HUGEPAGE);
        memory.data_ = std::unique_ptr<std::uint8_t, Release>(start, Release{mapping, length});
    }
    if (memory.data_) {
        memory.size_ = bytes;
    }
    return memory;
}

PixelMemory::PixelMemory(std::uint64_t size, const char* refusal) {
    if (size == 0) {
        return;
    }
    *this = TryAllocate(size);
    if (size_ == 0) {
        throw Failure(refusal);
    }
}

} // namespace quorvel
