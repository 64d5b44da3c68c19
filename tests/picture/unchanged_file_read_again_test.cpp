#include "picture/picture.h"
#include "picture/picturefile.h"
#include "picture/raster/raster.h"
#include "support/bmpfixture.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

using testing_support::BmpFixture;
using testing_support::ScratchDirectory;
using testing_support::WriteFile;

std::vector<std::uint8_t> Bitmap(std::uint8_t shade, int side = 16) {
    BmpFixture f;
    f.width = side;
    f.height = side;
    f.pixels.assign(static_cast<std::size_t>(side * 3 * side), shade);
    return f.Bytes();
}

// A file written an hour ago: its identity has long settled.
void WriteSettled(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    WriteFile(path, bytes);
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                               std::chrono::hours(1));
}

void Overlay(Picture& picture, int ellipseSide) {
    DrawingSurface& surface = picture.GetDrawingSurface();
    surface.SetPenWidth(2);
    surface.SetPenColor(Rgb{255, 0, 0});
    surface.MoveTo(0, 3);
    surface.LineTo(15, 12);
    surface.Ellipse(-ellipseSide, -ellipseSide, ellipseSide, ellipseSide);
}

std::vector<std::uint8_t> PixelsOf(const Picture& picture) {
    const auto& raster = dynamic_cast<const Raster&>(picture);
    return {raster.Pixels(), raster.Pixels() + raster.Format().MemorySize()};
}

struct Between {
    const char* name;
    int ellipseSide; // around the top-left corner; a big one outweighs the picture
    std::function<void(const std::string&)> change; // done to the file before the reload
    bool readAgain;
};

class ReloadReadsFile : public ::testing::TestWithParam<Between> {};

// A redraw of the file it already shows puts back what the overlay covered
// instead of reading the file; anything else about the file reads it whole.
TEST_P(ReloadReadsFile, OnlyWhenTheFileOrJournalSaysSo) {
    const std::string path = ScratchDirectory() + "/face.bmp";
    WriteSettled(path, Bitmap(0x40));
    std::unique_ptr<Picture> current = LoadPictureFile(path);
    Overlay(*current, GetParam().ellipseSide);
    GetParam().change(path);

    std::uint64_t read = 0;
    PictureFile::SetReadObserver([&read](std::uint64_t soFar) { read = soFar; });
    ReloadPictureFile(path, current);
    PictureFile::SetReadObserver({});

    EXPECT_EQ(read != 0, GetParam().readAgain);
    EXPECT_EQ(PixelsOf(*current), PixelsOf(*LoadPictureFile(path)));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ReloadReadsFile,
    ::testing::Values(Between{"unchanged", 6, [](const std::string&) {}, false},
                      Between{"touched", 6,
                              [](const std::string& path) {
                                  std::filesystem::last_write_time(
                                      path, std::filesystem::last_write_time(path) -
                                                std::chrono::hours(1));
                              },
                              true},
                      Between{"rewritten_same_size", 6,
                              [](const std::string& path) { WriteFile(path, Bitmap(0x80)); }, true},
                      Between{"overlay_larger_than_picture", 400, [](const std::string&) {}, true}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// A file written moments ago may be written again within the same timestamp
// tick, leaving its identity unchanged: it is read until it has settled.
TEST(ReloadReadsFile, FileWrittenMomentsAgoIsReadAgain) {
    const std::string path = ScratchDirectory() + "/face.bmp";
    WriteFile(path, Bitmap(0x40));
    std::unique_ptr<Picture> current = LoadPictureFile(path);
    WriteFile(path, Bitmap(0x80)); // same size, likely the same tick
    ReloadPictureFile(path, current);
    EXPECT_EQ(PixelsOf(*current), PixelsOf(*LoadPictureFile(path)));
}

TEST(ReloadReadsFile, OtherFileOfSameContentIsRead) {
    const std::string dir = ScratchDirectory();
    WriteFile(dir + "/a.bmp", Bitmap(0x40));
    WriteFile(dir + "/b.bmp", Bitmap(0x40));
    std::unique_ptr<Picture> current = LoadPictureFile(dir + "/a.bmp");
    std::uint64_t read = 0;
    PictureFile::SetReadObserver([&read](std::uint64_t soFar) { read = soFar; });
    ReloadPictureFile(dir + "/b.bmp", current);
    PictureFile::SetReadObserver({});
    EXPECT_NE(read, 0u);
}

} // namespace
} // namespace quorvel
