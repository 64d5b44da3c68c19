#include "numtext/failure.h"
#include "picture/picture.h"
#include "picture/pictureformats.h"
#include "support/bmpfixture.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace quorvel {
namespace {

using testing_support::BmpFixture;
using testing_support::ScratchDirectory;
using testing_support::WriteFile;

struct FormatCase {
    const char* name;
    const char* fileName;
    std::optional<FormatKind> kind; // none: no row of the table
};

class ExtensionGivenWrongRow : public testing::TestWithParam<FormatCase> {};

TEST_P(ExtensionGivenWrongRow, RowOfTheExtensionCaseIgnored) {
    const PictureFormat* format = FindPictureFormat(GetParam().fileName);
    ASSERT_EQ(format != nullptr, GetParam().kind.has_value());
    if (format != nullptr) {
        EXPECT_EQ(format->kind, *GetParam().kind);
    }
    EXPECT_EQ(IsPhotoFileName(GetParam().fileName), GetParam().kind == FormatKind::Photo);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ExtensionGivenWrongRow,
    testing::Values(FormatCase{"bitmap", "face.bmp", FormatKind::Bitmap},
                    FormatCase{"bitmap_upper_case", "FACE.BMP", FormatKind::Bitmap},
                    FormatCase{"icon_mixed_case", "a.Ico", FormatKind::Icon},
                    FormatCase{"windows_metafile", "a.WMF", FormatKind::Metafile},
                    FormatCase{"enhanced_metafile", "a.emf", FormatKind::Metafile},
                    FormatCase{"camera_jpeg", "IMG_0001.JPG", FormatKind::Photo},
                    FormatCase{"long_jpeg", "p.jpeg", FormatKind::Photo},
                    FormatCase{"short_tiff", "p.tif", FormatKind::Photo},
                    FormatCase{"webp_mixed_case", "p.WebP", FormatKind::Photo},
                    FormatCase{"result_record", "face.json", std::nullopt},
                    FormatCase{"no_extension", "face", std::nullopt},
                    FormatCase{"extension_of_a_folder", "/tmp/old.bmp/face", std::nullopt},
                    FormatCase{"known_extension_not_last", "face.bmp.txt", std::nullopt},
                    FormatCase{"known_extension_as_prefix", "face.bmpx", std::nullopt}),
    [](const auto& p) { return std::string(p.param.name); });

std::string FailureOf(const std::string& fileName) {
    try {
        LoadPictureFile(fileName);
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "loaded";
}

struct RefusalCase {
    const char* name;
    const char* extension;
};

class ExtensionGivenWrongReader : public testing::TestWithParam<RefusalCase> {};

// A sound bitmap under a name whose extension has no reader is refused by
// that extension, as written, not handed to some reader by default.
TEST_P(ExtensionGivenWrongReader, RefusedByExtensionNotRead) {
    BmpFixture bitmap;
    bitmap.pixels = testing_support::PackRows(24, {{0xFF0000}});
    const std::string name = ScratchDirectory() + "/face." + GetParam().extension;
    WriteFile(name, bitmap.Bytes());
    EXPECT_EQ(FailureOf(name),
              std::string("拡張子 .") + GetParam().extension + " の画像形式は処理できません");
}

INSTANTIATE_TEST_SUITE_P(Extensions, ExtensionGivenWrongReader,
                         testing::Values(RefusalCase{"photo_imported_not_loaded", "JPG"},
                                         RefusalCase{"unknown_not_a_metafile", "txt"},
                                         RefusalCase{"empty", ""}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ExtensionGivenWrongReader, MissingFileOfUnknownKindNamesTheExtension) {
    EXPECT_EQ(FailureOf("/nonexistent/face.png"), "拡張子 .png の画像形式は処理できません");
}

} // namespace
} // namespace quorvel
