#pragma once

#include <QByteArray>
#include <QString>

namespace quorvel {

// A file written in full under a temporary name beside its final one, flushed
// to the disk, and only then moved to that name, replacing what is there
// (a symbolic link is replaced, never followed). Removed unless committed.
// New files get the permissions open(2) gives, as other programs' files do.
class StagedFile {
public:
    // Creates the temporary file; when that fails, Write fails.
    explicit StagedFile(const QString& finalName);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Writes all of `bytes` and flushes them; false when the disk refused.
    bool Write(const QByteArray& bytes);
    // Moves the file to its final name; false when that failed.
    bool Commit();

private:
    QByteArray finalName_;
    QByteArray temporaryName_;
    int descriptor_ = -1;
    bool committed_ = false;
};

} // namespace quorvel
