// The working copy must hold the photo's own pixels, channel for channel and
// row for row, as a bitmap that the picture loading reads: 24 bits, or 8 for
// a grey photo.
#include "picture/photo/photoimport.h"
#include "picture/pictureloader.h"
#include "support/bmpfixture.h"
#include "support/imagecompare.h"

#include <QImageWriter>
#include <QTemporaryDir>

namespace quorvel {
namespace {
using namespace testing_support;

struct FaithfulCase {
    const char* name;
    const char* format; // Qt's name for the photo's format
    QImage photo;
    QImage expected;
    int bits = 24; // per pixel in the copy
};

const QImage kColours = ImageOf({{0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0},
                                 {0xFF0000, 0x00FF00, 0x0000FF, 0x000000, 0xFFFFFF}});
// Transparent black, half-transparent red and opaque blue, not premultiplied.
QImage Translucent() {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0x00000000);
    image.setPixel(1, 0, 0x80FF0000);
    image.setPixel(2, 0, 0xFF0000FF);
    return image;
}

class WorkingCopyUnfaithful : public ::testing::TestWithParam<FaithfulCase> {};

TEST_P(WorkingCopyUnfaithful, HoldsThePhotosPixelsIn24Bits) {
    const FaithfulCase& c = GetParam();
    QTemporaryDir scratch;
    qputenv("XDG_CACHE_HOME", scratch.filePath("cache").toUtf8());
    const QString photo = scratch.filePath(QStringLiteral("photo.") + c.format);
    QImageWriter writer(photo, c.format);
    writer.setQuality(100); // lossless where the format has a choice
    ASSERT_TRUE(writer.write(c.photo)) << writer.errorString().toStdString();

    const std::string copy = ImportPhoto(photo.toStdString());
    const std::vector<std::uint8_t> bytes = ReadFile(copy);
    ASSERT_GE(bytes.size(), 34u);
    EXPECT_EQ(bytes[28] | bytes[29] << 8, c.bits) << "bits per pixel";
    EXPECT_EQ(bytes[30] | bytes[31] << 8 | bytes[32] << 16 | bytes[33] << 24, 0) << "BI_RGB";
    EXPECT_TRUE(SameImage(LoadPictureFile(copy)->Image(), c.expected, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Photos, WorkingCopyUnfaithful,
    ::testing::Values(FaithfulCase{"PngOddWidthKeepsEveryChannel", "png", kColours, kColours},
                      FaithfulCase{"TiffIsRead", "tiff", kColours, kColours},
                      FaithfulCase{"WebpIsRead", "webp", kColours, kColours},
                      FaithfulCase{"GreyPngStaysGrey", "png",
                                   ImageOf({{0x000000, 0x808080, 0xFFFFFF}})
                                       .convertToFormat(QImage::Format_Grayscale8),
                                   ImageOf({{0x000000, 0x808080, 0xFFFFFF}}), 8},
                      FaithfulCase{"TransparentPngLiesOnWhite", "png", Translucent(),
                                   ImageOf({{0xFFFFFF, 0xFF7F7F, 0x0000FF}})}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel
