#include "picture/photo/workingcopyprune.h"

#include "picture/photo/workingcopy.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel {

void PruneWorkingCopies(const QString& inUse, const QDateTime& now) {
    const QString kept = QFileInfo(inUse).absoluteFilePath();
    const QDateTime oldestKept = now.addDays(-kWorkingCopyAgeLimit.count());
    // Newest first, so what is left past the limit is the oldest.
    const QFileInfoList copies =
        QDir(WorkingCopyFolder())
            .entryInfoList({QStringLiteral("*.bmp")}, QDir::Files | QDir::NoSymLinks, QDir::Time);
    // The copy in use counts towards the limit, wherever its time puts it.
    std::uint64_t bytes =
        QFileInfo::exists(kept) ? static_cast<std::uint64_t>(QFileInfo(kept).size()) : 0;
    for (const QFileInfo& copy : copies) {
        if (copy.absoluteFilePath() == kept) {
            continue;
        }
        bytes += static_cast<std::uint64_t>(copy.size());
        if (copy.lastModified() < oldestKept || bytes > kWorkingCopyBytesLimit) {
            QFile::remove(copy.absoluteFilePath());
            ForgetWorkingCopySource(copy.absoluteFilePath());
        }
    }
}

} // namespace quorvel
