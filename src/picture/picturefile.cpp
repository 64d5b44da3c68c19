#include "picture/picturefile.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/raster/pixelmemory.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quorvel {
namespace {

PictureFile::ReadObserver& Observer() {
    static PictureFile::ReadObserver observer;
    return observer;
}

FileIdentity IdentityOf(const struct stat& status) {
    constexpr std::int64_t kNsPerSecond = 1'000'000'000;
    return FileIdentity{
        static_cast<std::uint64_t>(status.st_dev),
        static_cast<std::uint64_t>(status.st_ino),
        static_cast<std::uint64_t>(status.st_size),
        std::int64_t{status.st_mtim.tv_sec} * kNsPerSecond + status.st_mtim.tv_nsec,
        std::int64_t{status.st_ctim.tv_sec} * kNsPerSecond + status.st_ctim.tv_nsec,
    };
}

} // namespace

PictureFile::PictureFile(const std::string& fileName) : name_(fileName) {
    const Failure cannotOpen(WithText(kCannotOpenMessage, fileName));
    if (fileName.find('\0') != std::string::npos) {
        throw cannotOpen;
    }
    // Read-only and shared: this platform has no exclusive open of ordinary
    // files, so other readers are neither locked out nor detected. O_NONBLOCK
    // keeps a FIFO from blocking the open; it is refused just below.
    descriptor_ = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor_ < 0) {
        throw cannotOpen;
    }
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor_);
        throw cannotOpen;
    }
    identity_ = IdentityOf(status);
    remaining_ = identity_.size;
}

PictureFile::~PictureFile() {
    ::close(descriptor_);
}

void PictureFile::Skip(std::uint64_t count) {
    if (count > remaining_ ||
        ::lseek(descriptor_, static_cast<off_t>(count), SEEK_CUR) == static_cast<off_t>(-1)) {
        throw Failure(kReadErrorMessage);
    }
    remaining_ -= count;
}

std::size_t PictureFile::ReadUpTo(std::span<std::uint8_t> into) {
    std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(into.size(), remaining_));
    std::size_t done = 0;
    while (done < wanted) {
        ssize_t got = ::read(descriptor_, into.data() + done, wanted - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw Failure(kReadErrorMessage);
        }
        if (got == 0) {
            remaining_ = 0; // the file shrank since it was opened
            break;
        }
        done += static_cast<std::size_t>(got);
        read_ += static_cast<std::uint64_t>(got);
        if (Observer()) {
            Observer()(read_);
        }
    }
    remaining_ -= std::min<std::uint64_t>(done, remaining_);
    return done;
}

std::vector<std::uint8_t> PictureFile::ReadRest() {
    std::optional<std::vector<std::uint8_t>> bytes = ReadAtMost(remaining_, kPixelMemoryLimit);
    if (!bytes) {
        throw Failure(kOutOfMemoryMessage);
    }
    return std::move(*bytes);
}

void PictureFile::ConfirmUnchanged() const {
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        throw Failure(WithText(kCannotOpenMessage, name_));
    }
    const FileIdentity now = IdentityOf(status);
    if (now.size != identity_.size || now.modifiedNs != identity_.modifiedNs) {
        throw Failure(WithText(kCannotOpenMessage, name_));
    }
}

bool PictureFile::RecentlyModified() const {
    // Far wider than any tick, also of network file systems with their own clocks.
    constexpr std::int64_t kSettledNs = 2'000'000'000;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t nowNs = std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
    return nowNs - identity_.modifiedNs < kSettledNs;
}

void PictureFile::SetReadObserver(ReadObserver observer) {
    Observer() = std::move(observer);
}

} // namespace quorvel
