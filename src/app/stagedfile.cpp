#include "app/stagedfile.h"

#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {
namespace {

// What a new file gets from open(2): everyone may read and write, less the
// process's umask, which can only be read by setting it.
mode_t NewFileMode() {
    constexpr mode_t kAllReadWrite = 0666;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return kAllReadWrite & ~mask;
}

} // namespace

StagedFile::StagedFile(const QString& finalName)
    : finalName_(QFile::encodeName(finalName)),
      temporaryName_(finalName_ + QByteArrayLiteral(".XXXXXX")) {
    descriptor_ = ::mkostemp(temporaryName_.data(), O_CLOEXEC);
    if (descriptor_ >= 0) {
        ::fchmod(descriptor_, NewFileMode()); // mkostemp makes it private
    } else {
        temporaryName_.clear(); // nothing to remove
    }
}

StagedFile::~StagedFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!committed_ && !temporaryName_.isEmpty()) {
        ::unlink(temporaryName_.constData());
    }
}

bool StagedFile::Write(const QByteArray& bytes) {
    if (descriptor_ < 0) {
        return false;
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(descriptor_, bytes.constData() + done,
                                      static_cast<std::size_t>(bytes.size() - done));
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            return false;
        }
        done += wrote;
    }
    // A full disk may only show when the data reaches it.
    return ::fsync(descriptor_) == 0;
}

bool StagedFile::Commit() {
    if (descriptor_ < 0 || ::close(descriptor_) != 0) {
        descriptor_ = -1;
        return false;
    }
    descriptor_ = -1;
    committed_ = ::rename(temporaryName_.constData(), finalName_.constData()) == 0;
    return committed_;
}

} // namespace quorvel
