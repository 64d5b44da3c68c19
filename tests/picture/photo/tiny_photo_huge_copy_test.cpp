// A photo of few bits keeps them in its working copy: a 1-bit photo of
// 8192 x 8192 pixels (a few kilobytes) makes an 8 MiB copy, not 200 MB of
// 24-bit pixels, and a grey photo an 8-bit one. The copy opens like any bitmap.
#include "picture/photo/photoimport.h"
#include "picture/pictureloader.h"
#include "support/bmpfixture.h"

#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quorvel {
namespace {
using namespace testing_support;

struct FewBitsCase {
    const char* name;
    QImage::Format format;
    int size;        // width and height
    int bits;        // per pixel in the copy
    qint64 mostSize; // of the copy, in bytes
};

class TinyPhotoHugeCopy : public ::testing::TestWithParam<FewBitsCase> {};

TEST_P(TinyPhotoHugeCopy, CopyKeepsThePhotosBits) {
    const FewBitsCase& c = GetParam();
    QTemporaryDir scratch;
    qputenv("XDG_CACHE_HOME", scratch.filePath("cache").toUtf8());
    QImage photo(c.size, c.size, c.format);
    photo.fill(0);
    if (c.format == QImage::Format_Mono) {
        photo.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    }
    if (c.format == QImage::Format_Mono) {
        photo.setPixel(1, 0, 1);
    } else {
        photo.setPixelColor(1, 0, QColor(200, 200, 200));
    }
    const QString path = scratch.filePath("photo.png");
    ASSERT_TRUE(photo.save(path));

    const std::string copy = ImportPhoto(path.toStdString());
    const std::vector<std::uint8_t> bytes = ReadFile(copy);
    ASSERT_GE(bytes.size(), 34u);
    EXPECT_EQ(bytes[28] | bytes[29] << 8, c.bits) << "bits per pixel";
    EXPECT_LE(QFileInfo(QString::fromStdString(copy)).size(), c.mostSize);
    const std::unique_ptr<Picture> picture = LoadPictureFile(copy);
    EXPECT_EQ(QSize(picture->Width(), picture->Height()), QSize(c.size, c.size));
    const QImage loaded = picture->ImageOf(QRect(0, 0, 2, 1));
    EXPECT_EQ(qGray(loaded.pixel(0, 0)), 0);
    EXPECT_EQ(qGray(loaded.pixel(1, 0)), c.format == QImage::Format_Mono ? 255 : 200);
}

INSTANTIATE_TEST_SUITE_P(Photos, TinyPhotoHugeCopy,
                         ::testing::Values(FewBitsCase{"OneBitStaysOneBit", QImage::Format_Mono,
                                                       8192, 1, 8192 * 8192 / 8 + 4096},
                                           FewBitsCase{"GreyStaysEightBits",
                                                       QImage::Format_Grayscale8, 512, 8,
                                                       512 * 512 + 4096}),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel
