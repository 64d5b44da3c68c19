#pragma once

#include <QDateTime>
#include <QString>
#include <chrono>
#include <cstdint>

namespace quorvel {

// The working copies kept: none older than this, and the newest only up to
// this many bytes together.
inline constexpr std::chrono::days kWorkingCopyAgeLimit{30};
inline constexpr std::uint64_t kWorkingCopyBytesLimit = std::uint64_t{2} << 30;

// Removes from WorkingCopyFolder the copies (and their bookkeeping) older than
// kWorkingCopyAgeLimit at `now`, then the oldest until the rest fit in
// kWorkingCopyBytesLimit; `inUse` is kept whatever its age or size.
void PruneWorkingCopies(const QString& inUse, const QDateTime& now);

} // namespace quorvel
