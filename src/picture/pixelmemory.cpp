#include "picture/pixelmemory.h"

#include "numtext/failure.h"

#include <cstdlib>

namespace quorvel {

void PixelMemory::Release::operator()(std::uint8_t* data) const {
    std::free(data);
}

PixelMemory::PixelMemory(std::uint64_t size, const char* refusal) {
    if (size > kPixelMemoryLimit) {
        throw Failure(refusal);
    }
    if (size == 0) {
        return;
    }
    void* block = std::calloc(static_cast<std::size_t>(size), 1);
    if (block == nullptr) {
        throw Failure(refusal);
    }
    data_.reset(static_cast<std::uint8_t*>(block));
    size_ = static_cast<std::size_t>(size);
}

} // namespace quorvel
