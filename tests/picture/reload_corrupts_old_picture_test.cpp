#include "numtext/failure.h"
#include "picture/picture.h"
#include "picture/picturefile.h"
#include "picture/raster/raster.h"
#include "support/bmpfixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

using testing_support::BmpFixture;
using testing_support::PackRows;
using testing_support::ScratchDirectory;
using testing_support::WriteFile;

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;

BmpFixture Plain(std::uint32_t colour, int width = 4, int height = 3) {
    BmpFixture f;
    f.width = width;
    f.height = height;
    f.pixels =
        PackRows(24, std::vector<std::vector<std::uint32_t>>(
                         static_cast<std::size_t>(height),
                         std::vector<std::uint32_t>(static_cast<std::size_t>(width), colour)));
    return f;
}

const std::uint8_t* PixelsOf(const std::unique_ptr<Picture>& picture) {
    auto* raster = dynamic_cast<Raster*>(picture.get());
    return raster != nullptr ? raster->Pixels() : nullptr;
}

struct FailedReload {
    const char* name;
    const char* fileName;
    std::function<std::vector<std::uint8_t>()> bytes; // none: the file is not written
};

class ReloadFailureChangedPicture : public testing::TestWithParam<FailedReload> {};

TEST_P(ReloadFailureChangedPicture, OldPictureAndOverlayStay) {
    const std::string dir = ScratchDirectory();
    WriteFile(dir + "/old.bmp", Plain(kRed).Bytes());
    std::unique_ptr<Picture> current = LoadPictureFile(dir + "/old.bmp");
    current->GetDrawingSurface().LineTo(4, 0);
    const Picture* before = current.get();
    const QImage image = current->Image().copy();

    const std::string path = dir + "/" + GetParam().fileName;
    if (GetParam().bytes) {
        WriteFile(path, GetParam().bytes());
    }
    EXPECT_THROW(ReloadPictureFile(path, current), Failure);
    ASSERT_EQ(current.get(), before);
    EXPECT_EQ(current->Image(), image);
}

INSTANTIATE_TEST_SUITE_P(Files, ReloadFailureChangedPicture,
                         testing::Values(FailedReload{"missing_file", "missing.bmp", {}},
                                         FailedReload{"unknown_extension", "face.png",
                                                      [] { return Plain(kGreen).Bytes(); }},
                                         FailedReload{"not_bm", "face.bmp",
                                                      [] {
                                                          BmpFixture f = Plain(kGreen);
                                                          f.magic = "XX";
                                                          return f.Bytes();
                                                      }},
                                         FailedReload{"image_size_beyond_raster_same_size",
                                                      "face.bmp",
                                                      [] {
                                                          BmpFixture f = Plain(kGreen);
                                                          f.imageSize = 1000;
                                                          return f.Bytes();
                                                      }},
                                         FailedReload{"same_size_with_header_cut", "face.bmp",
                                                      [] {
                                                          std::vector<std::uint8_t> bytes =
                                                              Plain(kGreen).Bytes();
                                                          bytes.resize(30);
                                                          return bytes;
                                                      }},
                                         FailedReload{"icon_of_wrong_type", "face.ico",
                                                      [] { return Plain(kGreen).Bytes(); }}),
                         [](const auto& p) { return std::string(p.param.name); });

// A reload reads into memory of its own and takes it over only whole, so the
// picture on screen is never half overwritten.
TEST(ReloadMemoryNotReused, SameSizeReadsIntoNewMemory) {
    const std::string dir = ScratchDirectory();
    WriteFile(dir + "/a.bmp", Plain(kRed).Bytes());
    WriteFile(dir + "/b.bmp", Plain(kGreen).Bytes());
    std::unique_ptr<Picture> current = LoadPictureFile(dir + "/a.bmp");
    ReloadPictureFile(dir + "/b.bmp", current);
    EXPECT_EQ(current->Image().pixel(3, 2) & 0xFFFFFF, kGreen);
}

// Stands for a device error: the read fails once `after` bytes of a file are in.
class FailingReads {
public:
    explicit FailingReads(std::uint64_t after) {
        PictureFile::SetReadObserver([after](std::uint64_t readSoFar) {
            if (readSoFar >= after) {
                throw Failure("ｽﾄﾘｰﾑからの読み込みｴﾗｰ");
            }
        });
    }
    ~FailingReads() { PictureFile::SetReadObserver({}); }
    FailingReads(const FailingReads&) = delete;
    FailingReads& operator=(const FailingReads&) = delete;
};

TEST(ReloadHalfDone, ReadErrorInPixelsLeavesOldPixelsAndOverlay) {
    const std::string dir = ScratchDirectory();
    WriteFile(dir + "/face.bmp", Plain(kRed, 64, 48).Bytes());
    std::unique_ptr<Picture> current = LoadPictureFile(dir + "/face.bmp");
    current->GetDrawingSurface().LineTo(40, 30);
    const std::vector<std::uint8_t> before(PixelsOf(current), PixelsOf(current) + 64 * 3 * 48);
    WriteFile(dir + "/face.bmp", Plain(kGreen, 64, 48).Bytes()); // same size and format
    const Picture* picture = current.get();
    {
        const FailingReads failing(55); // past the 54 header bytes: inside the pixel data
        EXPECT_THROW(ReloadPictureFile(dir + "/face.bmp", current), Failure);
    }
    ASSERT_EQ(current.get(), picture);
    EXPECT_EQ(std::vector<std::uint8_t>(PixelsOf(current), PixelsOf(current) + before.size()),
              before);
}

TEST(ReloadKeepsStalePixels, ShortFileOverReusedMemoryShowsZeros) {
    const std::string dir = ScratchDirectory();
    WriteFile(dir + "/face.bmp", Plain(kRed).Bytes());
    std::unique_ptr<Picture> current = LoadPictureFile(dir + "/face.bmp");
    BmpFixture cut = Plain(kGreen);
    cut.pixels.resize(16); // the bottom row only
    WriteFile(dir + "/face.bmp", cut.Bytes());
    ReloadPictureFile(dir + "/face.bmp", current);
    const QImage image = current->Image();
    EXPECT_EQ(image.pixel(0, 2) & 0xFFFFFF, kGreen);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(3, 1) & 0xFFFFFF, 0u);
}

TEST(ReloadKeepsStalePixels, RunLengthOverReusedMemoryShowsBlack) {
    BmpFixture rle;
    rle.width = 4;
    rle.height = 3;
    rle.bitsPerPixel = 8;
    rle.compression = 1;
    rle.colourCount = 2;
    rle.table = {0x000000, kGreen};
    rle.pixels = {1, 1, 0, 1};
    const std::string dir = ScratchDirectory();
    std::unique_ptr<Picture> current = MakeBlankRaster(4, 3);
    WriteFile(dir + "/face.bmp", rle.Bytes());
    ReloadPictureFile(dir + "/face.bmp", current);
    const QImage image = current->Image();
    EXPECT_EQ(image.pixel(0, 2) & 0xFFFFFF, kGreen);
    EXPECT_EQ(image.pixel(1, 2) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(3, 0) & 0xFFFFFF, 0u);
}

TEST(ReloadKeepsOldSurface, NewSurfaceStartsAfresh) {
    const std::string dir = ScratchDirectory();
    WriteFile(dir + "/face.bmp", Plain(0xFFFFFF).Bytes());
    std::unique_ptr<Picture> current = LoadPictureFile(dir + "/face.bmp");
    DrawingSurface& old = current->GetDrawingSurface();
    old.SetPenWidth(3);
    old.SetPenColor(Rgb{255, 0, 0});
    old.MoveTo(3, 2);
    ReloadPictureFile(dir + "/face.bmp", current);
    current->GetDrawingSurface().LineTo(2, 0);
    const QImage image = current->Image();
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(1, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(2, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(0, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(3, 2) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(ReloadDropsChangeNotice, NoticeCarriedToNewPicture) {
    const std::string dir = ScratchDirectory();
    WriteFile(dir + "/face.bmp", Plain(kRed).Bytes());
    std::unique_ptr<Picture> current = LoadPictureFile(dir + "/face.bmp");
    int notices = 0;
    current->SetChangeNotice([&notices] { ++notices; });
    ReloadPictureFile(dir + "/face.bmp", current);
    current->GetDrawingSurface().LineTo(1, 1);
    EXPECT_EQ(notices, 1);
}

TEST(ReloadMemoryNotReused, OtherSizeAndKindLoadWhole) {
    const std::string dir = ScratchDirectory();
    WriteFile(dir + "/small.bmp", Plain(kRed, 2, 2).Bytes());
    WriteFile(dir + "/big.bmp", Plain(kGreen, 5, 4).Bytes());
    WriteFile(dir + "/generic.ico", {0, 0, 0, 0, 0, 0});
    std::unique_ptr<Picture> current = LoadPictureFile(dir + "/small.bmp");
    ReloadPictureFile(dir + "/big.bmp", current);
    EXPECT_EQ(current->Width(), 5);
    EXPECT_EQ(current->Image().pixel(4, 3) & 0xFFFFFF, kGreen);
    ReloadPictureFile(dir + "/generic.ico", current);
    EXPECT_EQ(current->Kind(), PictureKind::Icon);
    ReloadPictureFile(dir + "/small.bmp", current);
    EXPECT_EQ(current->Kind(), PictureKind::Bitmap);
    EXPECT_EQ(current->Image().pixel(1, 1) & 0xFFFFFF, kRed);
}

} // namespace
} // namespace quorvel
