#include "numtext/failure.h"
#include "picture/picture.h"
#include "picture/picturefile.h"
#include "support/bmpfixture.h"

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace quorvel {
namespace {

using testing_support::BmpFixture;
using testing_support::ScratchDirectory;
using testing_support::WriteFile;

void Append(const std::string& path) {
    std::ofstream(path, std::ios::binary | std::ios::app).put('\0');
}

// Moves the modification time an hour back, keeping the size.
void BackDate(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    const timespec times[2] = {status.st_atim, {status.st_mtim.tv_sec - 3600, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

std::vector<std::uint8_t> Bitmap() {
    BmpFixture f;
    f.width = 8;
    f.height = 8;
    f.pixels.assign(8 * 24, 0x40);
    return f.Bytes();
}

struct Writer {
    const char* name;
    const char* fileName;
    std::function<std::vector<std::uint8_t>()> bytes;
    std::function<void(const std::string&)> change; // what the other program does meanwhile
};

class FileChangedWhileRead : public ::testing::TestWithParam<Writer> {};

// Another program still writing the file: what was read may be half old,
// half new, so the file is refused as one held open elsewhere would be.
TEST_P(FileChangedWhileRead, RefusedAsInUse) {
    const std::string path = ScratchDirectory() + "/" + GetParam().fileName;
    WriteFile(path, GetParam().bytes());
    bool changed = false;
    PictureFile::SetReadObserver([&](std::uint64_t) {
        if (!changed) {
            changed = true;
            GetParam().change(path);
        }
    });
    try {
        LoadPictureFile(path);
        ADD_FAILURE() << "loaded";
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what()), "ﾌｧｲﾙ " + path + " は開けません");
    }
    PictureFile::SetReadObserver({});
}

INSTANTIATE_TEST_SUITE_P(
    Writers, FileChangedWhileRead,
    ::testing::Values(Writer{"bitmap_grows", "face.bmp", Bitmap, Append},
                      Writer{"bitmap_rewritten_in_place", "face.bmp", Bitmap, BackDate},
                      Writer{"icon_grows", "face.ico",
                             [] { return std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0}; }, Append}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(FileChangedWhileRead, UnchangedFileLoads) {
    const std::string path = ScratchDirectory() + "/face.bmp";
    WriteFile(path, Bitmap());
    int reads = 0;
    PictureFile::SetReadObserver([&](std::uint64_t) { ++reads; });
    EXPECT_EQ(LoadPictureFile(path)->Width(), 8);
    PictureFile::SetReadObserver({});
    EXPECT_GT(reads, 0);
}

} // namespace
} // namespace quorvel
