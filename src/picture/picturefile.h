#pragma once

#include "picture/core/bytesource.h"
#include "picture/core/fileidentity.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quorvel {

// A picture file opened for reading, closed when this goes away (also when
// reading it failed). Only regular files are taken.
//
// This platform has no exclusive open: another program may go on writing the
// file while it is read. ConfirmUnchanged, called once the reader is done,
// refuses a file whose size or modification time moved meanwhile, as a file
// held open by another program would be refused.
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

    // The file as it was when opened.
    const FileIdentity& Identity() const { return identity_; }
    // Whether the file was modified so lately that another write in the same
    // timestamp tick (a few milliseconds on most file systems) would leave
    // its identity as it is: then only reading it again tells.
    bool RecentlyModified() const;
    // Throws "ﾌｧｲﾙ %s は開けません" when the file's size or modification time
    // is no longer what it was at the open.
    void ConfirmUnchanged() const;

    // Test seam: called after every read from a file with the bytes read from
    // it so far. A test makes it throw to stand for a device error, or changes
    // the file to stand for another program writing it. Empty: nothing runs.
    using ReadObserver = std::function<void(std::uint64_t readSoFar)>;
    static void SetReadObserver(ReadObserver observer);

private:
    std::string name_;
    int descriptor_ = -1;
    std::uint64_t remaining_ = 0;
    std::uint64_t read_ = 0;
    FileIdentity identity_;
};

} // namespace quorvel
