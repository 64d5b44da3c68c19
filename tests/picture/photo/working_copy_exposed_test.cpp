// Face photos are personal: the cache folder is its owner's alone and every
// working copy and its bookkeeping are written for the owner only, whatever
// the umask.
#include "picture/photo/photoimport.h"
#include "picture/photo/workingcopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quorvel {
namespace {

mode_t ModeOf(const QString& path) {
    struct stat status {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
    return status.st_mode & 07777;
}

TEST(WorkingCopyExposed, FolderAndFilesForTheOwnerOnly) {
    QTemporaryDir scratch;
    qputenv("XDG_CACHE_HOME", scratch.filePath("cache").toUtf8());
    const mode_t oldMask = ::umask(022);
    ASSERT_TRUE(QDir().mkpath(scratch.filePath("cache/Quorvel"))); // made 0755 by an older version
    QImage photo(4, 4, QImage::Format_RGB32);
    photo.fill(Qt::gray);
    ASSERT_TRUE(photo.save(scratch.filePath("photo.png")));
    const QString copy =
        QString::fromStdString(ImportPhoto(scratch.filePath("photo.png").toStdString()));
    ::umask(oldMask);

    EXPECT_EQ(ModeOf(WorkingCopyFolder()), 0700u);
    EXPECT_EQ(ModeOf(copy), 0600u);
    EXPECT_EQ(ModeOf(WorkingCopyFolder() + "/sources"), 0700u);
    const std::optional<PhotoIdentity> source = WorkingCopySource(copy);
    ASSERT_TRUE(source.has_value());
    EXPECT_EQ(source->size,
              static_cast<std::uint64_t>(QFileInfo(scratch.filePath("photo.png")).size()));
    const QStringList bookkeeping = QDir(WorkingCopyFolder() + "/sources").entryList(QDir::Files);
    ASSERT_EQ(bookkeeping.size(), 1);
    EXPECT_EQ(ModeOf(WorkingCopyFolder() + "/sources/" + bookkeeping[0]), 0600u);
}

} // namespace
} // namespace quorvel
