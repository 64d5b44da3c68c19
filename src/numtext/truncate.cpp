#include "numtext/truncate.h"

#include "numtext/failure.h"

#include <cmath>
#include <cstdint>

namespace quorvel {

std::int32_t TruncToInt(double value) {
    constexpr double two63 = 9223372036854775808.0;
    if (!(value >= -two63 && value < two63)) {
        throw ArithmeticFault(FaultKind::InvalidArithmetic);
    }
    // Within the 64-bit range the truncation is exact; beyond 32 bits it wraps.
    const auto whole = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
}

} // namespace quorvel
