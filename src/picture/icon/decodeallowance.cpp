#include "picture/icon/decodeallowance.h"

#include "picture/icon/iconimage.h"

#include <algorithm>

namespace quorvel {
namespace {

// An attempt counts at least this many bytes: setting a decoder up costs
// about as much as handing it that much data.
constexpr std::uint64_t kLeastAttemptBytes = 1024;
constexpr std::uint64_t kLargestImagePixels =
    std::uint64_t{kLargestIconSide} * std::uint64_t{kLargestIconSide};

} // namespace

DecodeAllowance::DecodeAllowance(std::uint64_t fileSize)
    : pixels_(std::max(fileSize, kLargestImagePixels)), bytes_(2 * fileSize + kLeastAttemptBytes) {}

bool DecodeAllowance::Take(std::uint64_t pixels, std::uint64_t bytes) {
    const std::uint64_t cost = std::max(bytes, kLeastAttemptBytes);
    if (pixels > pixels_ || cost > bytes_) {
        return false;
    }
    pixels_ -= pixels;
    bytes_ -= cost;
    return true;
}

} // namespace quorvel
