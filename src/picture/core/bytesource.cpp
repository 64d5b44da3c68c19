#include "picture/core/bytesource.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"

#include <algorithm>
#include <cstring>

namespace quorvel {

void ByteSource::ReadExactly(std::span<std::uint8_t> into) {
    if (into.size() > Remaining() || ReadUpTo(into) != into.size()) {
        throw Failure(kReadErrorMessage);
    }
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
