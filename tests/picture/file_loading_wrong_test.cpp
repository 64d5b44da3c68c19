#include "numtext/failure.h"
#include "picture/fileextension.h"
#include "picture/picture.h"
#include "support/bmpfixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace quorvel {
namespace {

using testing_support::BmpFixture;
using testing_support::PackRows;
using testing_support::ScratchDirectory;
using testing_support::WriteFile;

std::vector<std::uint8_t> OneColour(std::uint32_t colour) {
    BmpFixture f;
    f.width = 2;
    f.height = 2;
    f.pixels = PackRows(24, {{colour, colour}, {colour, colour}});
    return f.Bytes();
}

std::string FailureOf(const std::string& fileName) {
    try {
        LoadPictureFile(fileName);
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "loaded";
}

struct Extension {
    const char* name;
    const char* fileName;
    const char* extension;
};

class ExtensionMisread : public testing::TestWithParam<Extension> {};

TEST_P(ExtensionMisread, TextAfterLastFullStop) {
    EXPECT_EQ(ExtensionOf(GetParam().fileName), GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ExtensionMisread,
    testing::Values(Extension{"plain", "face.bmp", "bmp"},
                    Extension{"own_case_kept", "FACE.BmP", "BmP"},
                    Extension{"last_of_two", "face.tar.ico", "ico"}, Extension{"none", "face", ""},
                    Extension{"trailing_full_stop", "face.", ""},
                    Extension{"backslash_after_full_stop", "C:\\photos.old\\face", ""},
                    Extension{"colon_after_full_stop", "a.b:c", ""},
                    Extension{"slash_after_full_stop", "/tmp/photos.old/face", ""},
                    Extension{"dot_file", "/tmp/.bmp", "bmp"},
                    Extension{"multibyte_name", "顔写真.bmp", "bmp"}),
    [](const auto& p) { return std::string(p.param.name); });

struct Unknown {
    const char* name;
    const char* fileName;
    const char* message;
};

class UnknownExtensionOpened : public testing::TestWithParam<Unknown> {};

// The files do not exist: a refusal naming the extension shows none was opened.
TEST_P(UnknownExtensionOpened, RefusedBeforeOpening) {
    const std::string dir = ScratchDirectory();
    EXPECT_EQ(FailureOf(dir + "/" + GetParam().fileName), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnknownExtensionOpened,
    testing::Values(
        Unknown{"jpg", "face.jpg", "拡張子 .jpg の画像形式は処理できません"},
        Unknown{"upper_case_kept", "face.JPG", "拡張子 .JPG の画像形式は処理できません"},
        Unknown{"no_extension", "face", "拡張子 . の画像形式は処理できません"},
        Unknown{"trailing_full_stop", "face.", "拡張子 . の画像形式は処理できません"},
        Unknown{"bmp_as_prefix", "face.bmpx", "拡張子 .bmpx の画像形式は処理できません"},
        Unknown{"dir_with_dot", "photos.bmp/face", "拡張子 . の画像形式は処理できません"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ExtensionCaseMatters, UpperCaseBmpLoadsAsBitmap) {
    const std::string path = ScratchDirectory() + "/FACE.BMP";
    WriteFile(path, OneColour(0x123456));
    std::unique_ptr<Picture> picture = LoadPictureFile(path);
    EXPECT_EQ(picture->Kind(), PictureKind::Bitmap);
    EXPECT_EQ(picture->Image().pixel(1, 1) & 0xFFFFFF, 0x123456u);
}

TEST(OpenFailureMisreported, NamesFileAsPassed) {
    const std::string dir = ScratchDirectory();
    const std::string missing = dir + "/missing.bmp";
    EXPECT_EQ(FailureOf(missing), "ﾌｧｲﾙ " + missing + " は開けません");

    const std::string directory = dir + "/folder.bmp";
    std::filesystem::create_directory(directory);
    EXPECT_EQ(FailureOf(directory), "ﾌｧｲﾙ " + directory + " は開けません");

    const std::string fifo = dir + "/pipe.bmp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(FailureOf(fifo), "ﾌｧｲﾙ " + fifo + " は開けません");

    // A name with a NUL inside must not open the file its first part names.
    WriteFile(dir + "/real.bmp", OneColour(0));
    const std::string withNul = dir + "/real.bmp" + std::string(1, '\0') + ".bmp";
    // what() is a C string: the message reads up to the NUL.
    EXPECT_EQ(FailureOf(withNul), std::string(("ﾌｧｲﾙ " + withNul + " は開けません").c_str()));
}

TEST(ContentCached, EveryLoadReadsFileAgain) {
    const std::string path = ScratchDirectory() + "/face.bmp";
    WriteFile(path, OneColour(0xFF0000));
    EXPECT_EQ(LoadPictureFile(path)->Image().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    WriteFile(path, OneColour(0x00FF00));
    EXPECT_EQ(LoadPictureFile(path)->Image().pixel(0, 0) & 0xFFFFFF, 0x00FF00u);
}

std::size_t OpenDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

TEST(FileLeftOpen, ClosedAfterSuccessAndFailure) {
    const std::string dir = ScratchDirectory();
    WriteFile(dir + "/good.bmp", OneColour(0));
    std::vector<std::uint8_t> bad = OneColour(0);
    bad[0] = 'X';
    WriteFile(dir + "/bad.bmp", bad);
    WriteFile(dir + "/bad.ico", bad);
    WriteFile(dir + "/bad.wmf", bad);
    const std::size_t before = OpenDescriptors();
    LoadPictureFile(dir + "/good.bmp");
    for (const char* name : {"/bad.bmp", "/bad.ico", "/bad.wmf"}) {
        EXPECT_NE(FailureOf(dir + name), "loaded") << name;
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

TEST(KindChosenByContent, BitmapNamedIconOrMetafileReadByThoseRules) {
    const std::string dir = ScratchDirectory();
    const std::vector<std::uint8_t> bitmap = OneColour(0);
    // The icon rules take bytes 2-3, the low half of the file size, as the type.
    ASSERT_GT(bitmap[2] | bitmap[3] << 8, 1);
    for (const char* name : {"/face.ico", "/face.ICO"}) {
        WriteFile(dir + name, bitmap);
        EXPECT_EQ(FailureOf(dir + name), "ｱｲｺﾝｲﾒｰｼﾞが不正です") << name;
    }
    for (const char* name : {"/face.wmf", "/face.emf"}) {
        WriteFile(dir + name, bitmap);
        EXPECT_EQ(FailureOf(dir + name), "ﾒﾀﾌｧｲﾙが不正です") << name;
    }
}

TEST(IconDrawnOn, IconSurfaceRefused) {
    const std::string path = ScratchDirectory() + "/generic.ico";
    WriteFile(path, {0, 0, 0, 0, 0, 0});
    std::unique_ptr<Picture> picture = LoadPictureFile(path);
    EXPECT_EQ(picture->Kind(), PictureKind::Icon);
    try {
        picture->GetDrawingSurface();
        FAIL() << "icon gave a surface";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "ﾋﾞｯﾄﾏｯﾌﾟを持っている時のみｲﾒｰｼﾞの変更が可能です");
    }
}

TEST(EmptyFileRefused, ZeroByteBmpIsEmptyBitmap) {
    const std::string path = ScratchDirectory() + "/empty.bmp";
    WriteFile(path, {});
    std::unique_ptr<Picture> picture = LoadPictureFile(path);
    EXPECT_EQ(picture->Kind(), PictureKind::Bitmap);
    EXPECT_EQ(picture->Width(), 0);
    EXPECT_EQ(picture->Height(), 0);
}

} // namespace
} // namespace quorvel
