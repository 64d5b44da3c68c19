#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// Which photo content a working copy or a saved result was made from: its
// size, modification time and the SHA-256 of its bytes (lower-case hex). The
// content decides; the time alone moves when a photo is merely copied.
struct PhotoIdentity {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0; // since the epoch
    std::string sha256;

    bool SameContent(const PhotoIdentity& other) const {
        return size == other.size && sha256 == other.sha256;
    }
    bool operator==(const PhotoIdentity&) const = default;
};

} // namespace quorvel
