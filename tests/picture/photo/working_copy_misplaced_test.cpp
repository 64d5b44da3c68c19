// Working copies go to the user's cache folder, never beside the photo, one
// per photo however the photo is named, rewritten when it is imported again.
#include "picture/photo/photoimport.h"
#include "picture/photo/photomessages.h"
#include "picture/pictureloader.h"
#include "support/imagecompare.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quorvel {
namespace {
using testing_support::ImageOf;
using testing_support::SameImage;

class WorkingCopyMisplaced : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_CACHE_HOME", scratch.filePath("cache").toUtf8());
        ASSERT_TRUE(QDir(scratch.path()).mkpath("photos"));
    }
    std::string Photo(const char* name, QRgb colour) {
        const QString path = scratch.filePath(QStringLiteral("photos/") + name);
        EXPECT_TRUE(ImageOf({{colour, colour}}).save(path));
        return path.toStdString();
    }
    QStringList Files(const char* folder) {
        return QDir(scratch.filePath(folder)).entryList(QDir::Files | QDir::Hidden);
    }

    QTemporaryDir scratch;
};

TEST_F(WorkingCopyMisplaced, LandsInTheCacheFolderAloneAndNotBesideThePhoto) {
    const std::string copy = ImportPhoto(Photo("face.png", 0xFF0000));
    EXPECT_EQ(QFileInfo(QString::fromStdString(copy)).path(), scratch.filePath("cache/Quorvel"));
    EXPECT_EQ(Files("photos"), QStringList{"face.png"});
    EXPECT_EQ(Files("cache/Quorvel").size(), 1) << "no temporary file left";
}

TEST_F(WorkingCopyMisplaced, SamePhotoByAnyNameMapsToOneCopyAndOtherPhotosElsewhere) {
    const std::string photo = Photo("face.png", 0xFF0000);
    const std::string copy = ImportPhoto(photo);
    ASSERT_TRUE(QFile::link(QString::fromStdString(photo), scratch.filePath("link.png")));
    for (const QString& name :
         {scratch.filePath("photos/../photos/face.png"), scratch.filePath("link.png")}) {
        EXPECT_EQ(ImportPhoto(name.toStdString()), copy) << name.toStdString();
    }
    EXPECT_NE(ImportPhoto(Photo("other.png", 0xFF0000)), copy);
}

TEST_F(WorkingCopyMisplaced, ImportAgainRewritesTheCopyWithThePhotosNewPixels) {
    const std::string copy = ImportPhoto(Photo("face.png", 0xFF0000));
    EXPECT_EQ(ImportPhoto(Photo("face.png", 0x0000FF)), copy);
    EXPECT_TRUE(SameImage(LoadPictureFile(copy)->Image(), ImageOf({{0x0000FF, 0x0000FF}})));
}

TEST_F(WorkingCopyMisplaced, UnwritableCacheFolderIsReported) {
    QFile blocker(scratch.filePath("cache")); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    try {
        ImportPhoto(Photo("face.png", 0xFF0000));
        FAIL() << "no failure";
    } catch (const std::exception& failure) {
        const std::string message = failure.what();
        EXPECT_EQ(message.rfind(
                      "写真の作業用ｺﾋﾟｰ " + scratch.filePath("cache/Quorvel/").toStdString(), 0),
                  0u)
            << message;
        EXPECT_NE(message.find(".bmp を書き込めません"), std::string::npos) << message;
    }
}

} // namespace
} // namespace quorvel
