#include "numtext/failure.h"
#include "picture/picture.h"
#include "support/iconbuilder.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using test::Bytes;
using test::DibIconImage;
using test::IconFile;
using test::Patch32;

const std::string kAccepted;
const std::string kReadError = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";
const std::string kInvalid = "ｱｲｺﾝｲﾒｰｼﾞが不正です";
const std::string kNoResources = "ｼｽﾃﾑ ﾘｿｰｽが足りません";

Bytes GreenIcon() {
    return IconFile(1, {DibIconImage(32, 32, 24, [](int, int) { return qRgb(0, 255, 0); })});
}

Bytes With(Bytes bytes, const std::function<void(Bytes&)>& change) {
    change(bytes);
    return bytes;
}

struct Case {
    const char* name;
    Bytes file;
    std::string outcome;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class IconHeader : public ::testing::TestWithParam<Case> {};

TEST_P(IconHeader, AcceptsOrRefusesWithTheRightMessage) {
    const Case& c = GetParam();
    if (c.outcome.empty()) {
        const auto picture = ReadIconFile(c.file);
        EXPECT_EQ(picture->Kind(), PictureKind::Icon);
        EXPECT_EQ(picture->Width(), 32);
        EXPECT_EQ(picture->Height(), 32);
        EXPECT_EQ(picture->Image().size(), QSize(32, 32));
        return;
    }
    try {
        ReadIconFile(c.file);
        FAIL() << "accepted";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.what(), c.outcome);
    }
}

const Case kCases[] = {
    {"empty_file", {}, kReadError},
    {"header_cut_at_5_bytes", {0, 0, 1, 0, 1}, kReadError},
    {"type_2", {0, 0, 2, 0, 0, 0}, kInvalid},
    {"type_ffff", {0, 0, 0xFF, 0xFF, 1, 0}, kInvalid},
    {"type_read_from_the_wrong_bytes", {1, 0, 0, 0, 0, 0}, kAccepted},
    {"bitmap_file_named_ico", {'B', 'M', 0x3E, 0, 0, 0, 0, 0, 0, 0, 0x3E, 0, 0, 0}, kInvalid},
    {"type_0_with_nothing_after_its_header", {0, 0, 0, 0, 0, 0}, kAccepted},
    {"type_0_with_a_broken_directory", {0, 0, 0, 0, 9, 0, 1, 2, 3}, kAccepted},
    {"type_1_with_no_images", {0, 0, 1, 0, 0, 0}, kNoResources},
    {"type_1_directory_cut_inside_its_entry", With(GreenIcon(), [](Bytes& b) { b.resize(20); }),
     kNoResources},
    {"type_1_image_beyond_the_file",
     With(GreenIcon(), [](Bytes& b) { Patch32(b, 18, 0xFFFFFFF0); }), kNoResources},
    {"type_1_image_length_wrapping_past_the_end",
     With(GreenIcon(), [](Bytes& b) { Patch32(b, 14, 0xFFFFFFFF); }), kNoResources},
    {"type_1_image_cut_short", With(GreenIcon(), [](Bytes& b) { b.resize(b.size() / 2); }),
     kNoResources},
    {"type_1_image_of_width_0", With(GreenIcon(), [](Bytes& b) { Patch32(b, 26, 0); }),
     kNoResources},
    {"type_1_image_of_negative_height",
     With(GreenIcon(), [](Bytes& b) { Patch32(b, 30, 0xFFFFFFC0); }), kNoResources},
    {"type_1_image_of_a_million_pixels_across",
     With(GreenIcon(), [](Bytes& b) { Patch32(b, 26, 1000000); }), kNoResources},
    {"type_1_image_with_compression", With(GreenIcon(), [](Bytes& b) { Patch32(b, 38, 1); }),
     kNoResources},
    {"type_1_image_of_garbage", IconFile(1, {Bytes(200, 0xA5)}), kNoResources},
    {"type_1_icon", GreenIcon(), kAccepted},
};

INSTANTIATE_TEST_SUITE_P(Files, IconHeader, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(IconHeader, IconsAndMetafilesCannotBeDrawnOn) {
    for (const auto& picture : {ReadIconFile(GreenIcon()), ReadIconFile(Bytes(6, 0)),
                                ReadMetafileFile(test::EmfBuilder().Build())}) {
        try {
            picture->GetDrawingSurface();
            FAIL() << "gave a surface";
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), "ﾋﾞｯﾄﾏｯﾌﾟを持っている時のみｲﾒｰｼﾞの変更が可能です");
        }
    }
}

} // namespace
} // namespace quorvel
