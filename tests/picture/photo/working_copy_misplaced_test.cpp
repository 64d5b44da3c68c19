// Working copies go to the user's cache folder, never beside the photo, one
// per photo however it is named, rewritten when it is imported again.
#include "picture/photo/photoimport.h"
#include "picture/pictureloader.h"
#include "support/imagecompare.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quorvel {
namespace {
using testing_support::ImageOf;

TEST(WorkingCopyMisplaced, OneCopyPerPhotoInTheCacheFolderOnly) {
    QTemporaryDir scratch;
    qputenv("XDG_CACHE_HOME", scratch.filePath("cache").toUtf8());
    ASSERT_TRUE(QDir(scratch.path()).mkdir("photos"));
    const auto photo = [&](const char* name, QRgb colour) {
        const QString path = scratch.filePath(QStringLiteral("photos/") + name);
        EXPECT_TRUE(ImageOf({{colour, colour}}).save(path));
        return path.toStdString();
    };
    const std::string copy = ImportPhoto(photo("face.png", 0xFF0000));
    EXPECT_EQ(QFileInfo(QString::fromStdString(copy)).path(), scratch.filePath("cache/Quorvel"));
    EXPECT_EQ(QDir(scratch.filePath("photos")).entryList(QDir::Files), QStringList{"face.png"});

    ASSERT_TRUE(QFile::link(scratch.filePath("photos/face.png"), scratch.filePath("link.png")));
    for (const char* sameFile : {"photos/../photos/face.png", "link.png"}) {
        EXPECT_EQ(ImportPhoto(scratch.filePath(sameFile).toStdString()), copy) << sameFile;
    }
    EXPECT_EQ(ImportPhoto(photo("face.png", 0x0000FF)), copy);
    EXPECT_EQ(LoadPictureFile(copy)->Image().pixel(0, 0), qRgb(0, 0, 255)) << "rewritten";
    EXPECT_NE(ImportPhoto(photo("other.png", 0x0000FF)), copy);
    EXPECT_EQ(QDir(scratch.filePath("cache/Quorvel")).entryList(QDir::Files | QDir::Hidden).size(),
              2)
        << "no temporary file left";
}

} // namespace
} // namespace quorvel
