// Saving writes both files in full before either name changes: a record the
// disk refuses leaves the old picture and record as they were, and a link
// planted at the record's name is replaced, never written through.
#include "app/resultfiles.h"
#include "numtext/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace quorvel {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QImage Tiny() {
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

// Files larger than `bytes` cannot be written while it lives, as on a disk
// that is full: the picture of one pixel fits, a record of kilobytes does not.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

TEST(FailedSaveLosesOldResult, RecordRefusedByTheDiskKeepsBothOldFiles) {
    QTemporaryDir folder;
    const ResultPaths paths = ResultPathsFor(folder.filePath("package.png"));
    Write(paths.image, "old picture");
    Write(paths.record, "old record");
    const QByteArray record(8192, 'r');
    {
        const FileSizeLimit full(1024);
        EXPECT_THROW(SaveResultFiles(Tiny(), record, paths), Failure);
    }
    EXPECT_EQ(Contents(paths.image), "old picture");
    EXPECT_EQ(Contents(paths.record), "old record");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no temporary file left";
}

TEST(FailedSaveLosesOldResult, LinkAtTheRecordsNameIsReplacedNotFollowed) {
    QTemporaryDir folder;
    const ResultPaths paths = ResultPathsFor(folder.filePath("package.png"));
    const QString victim = folder.filePath("victim.txt");
    Write(victim, "precious");
    ASSERT_TRUE(QFile::link(victim, paths.record));
    SaveResultFiles(Tiny(), "new record", paths);
    EXPECT_EQ(Contents(victim), "precious");
    EXPECT_FALSE(QFileInfo(paths.record).isSymLink());
    EXPECT_EQ(Contents(paths.record), "new record");
    EXPECT_EQ(QImage(paths.image).pixel(0, 0), qRgb(255, 0, 0));
}

TEST(FailedSaveLosesOldResult, NeitherFileMayBeThePhotoOrThePicture) {
    QTemporaryDir folder;
    const QString photo = folder.filePath("face.png");
    Write(photo, "photo");
    const QString picture = folder.filePath("copy.bmp");
    Write(picture, "picture");
    ASSERT_TRUE(QFile::link(picture, folder.filePath("linked.json")));
    ASSERT_EQ(::link(QFile::encodeName(picture).constData(),
                     QFile::encodeName(folder.filePath("hard.png")).constData()),
              0);
    const std::vector<std::string> originals{picture.toStdString(), photo.toStdString()};
    for (const char* chosen : {"face.png", "face", "hard.png"}) {
        const ResultPaths paths = ResultPathsFor(folder.filePath(chosen));
        try {
            RefuseOverOriginals(paths, originals);
            ADD_FAILURE() << chosen << " taken";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.what(), "結果 " + paths.image.toStdString() +
                                          " を元の写真や画像の上に保存することはできません");
        }
    }
    // A link at the record's name is replaced, not what it points to.
    EXPECT_NO_THROW(RefuseOverOriginals(ResultPathsFor(folder.filePath("linked")), originals));
    EXPECT_NO_THROW(RefuseOverOriginals(ResultPathsFor(folder.filePath("other")), originals));
}

} // namespace
} // namespace quorvel
