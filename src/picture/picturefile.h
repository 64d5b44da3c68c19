#pragma once

#include "picture/core/bytesource.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

// A picture file opened for reading, closed when this goes away (also when
// reading it failed). Only regular files are taken.
class PictureFile final : public ByteSource {
public:
    // Throws "ﾌｧｲﾙ %s は開けません" with the name as given.
    explicit PictureFile(const std::string& fileName);
    ~PictureFile() override;
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    std::uint64_t Remaining() const override { return remaining_; }
    void Skip(std::uint64_t count) override;
    std::size_t ReadUpTo(std::span<std::uint8_t> into) override;

    // Everything not yet read, in memory. Throws "ﾒﾓﾘが足りません" for a file
    // larger than any picture could need.
    std::vector<std::uint8_t> ReadRest();

private:
    int descriptor_ = -1;
    std::uint64_t remaining_ = 0;
};

} // namespace quorvel
