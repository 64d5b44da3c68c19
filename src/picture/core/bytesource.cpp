#include "picture/core/bytesource.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace quorvel {

void ByteSource::ReadExactly(std::span<std::uint8_t> into) {
    if (into.size() > Remaining() || ReadUpTo(into) != into.size()) {
        throw Failure(kReadErrorMessage);
    }
}

std::optional<std::vector<std::uint8_t>> ByteSource::ReadAtMost(std::uint64_t length,
                                                                std::uint64_t limit) {
    const std::uint64_t taken = std::min(length, Remaining());
    if (taken > limit) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(static_cast<std::size_t>(taken));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    bytes.resize(ReadUpTo(bytes));
    return bytes;
}

void SpanSource::Skip(std::uint64_t count) {
    if (count > bytes_.size()) {
        throw Failure(kReadErrorMessage);
    }
    bytes_ = bytes_.subspan(static_cast<std::size_t>(count));
}

std::size_t SpanSource::ReadUpTo(std::span<std::uint8_t> into) {
    std::size_t count = std::min(into.size(), bytes_.size());
    if (count != 0) {
        std::memcpy(into.data(), bytes_.data(), count);
    }
    bytes_ = bytes_.subspan(count);
    return count;
}

} // namespace quorvel
