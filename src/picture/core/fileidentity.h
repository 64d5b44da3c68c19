#pragma once

#include <cstdint>

namespace quorvel {

// What tells one state of a file from another without reading it: the same
// device and inode, size, and modification and status-change times to the
// nanosecond. A writer that keeps all of these (rewriting in place within one
// timestamp tick and restoring both times) goes unnoticed; ctime cannot be
// set back from user space, so that takes more than an ordinary program does.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;

    bool operator==(const FileIdentity&) const = default;
};

} // namespace quorvel
