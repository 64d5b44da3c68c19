#include "numtext/failure.h"
#include "picture/icon/icondecoder.h"
#include "picture/picture.h"
#include "support/costlyicon.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using test::Bytes;
using test::IconFile;
using test::PngIconImage;

const std::string kNoResources = "ｼｽﾃﾑ ﾘｿｰｽが足りません";

Bytes GreenDib() {
    return test::DibIconImage(32, 32, 24, [](int, int) { return qRgb(0, 255, 0); });
}

// 64 x 64 pixels of noise: two image data chunks, the second left out.
Bytes SmallCutShortPng(std::uint32_t seed) {
    return test::WithoutLastImageChunk(PngIconImage(test::NoiseImage(64, seed)));
}

Bytes LargeCutShortPng() {
    return test::WithoutLastImageChunk(PngIconImage(test::PatternImage(1024)));
}

struct Case {
    const char* name;
    Bytes file;
    int decodes;
    bool shown;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

const Case kCases[] = {
    {"shared_broken_image_decoded_for_every_entry", test::IconFileSharing(50, SmallCutShortPng(0)),
     1, false},
    {"repeated_entries_decoded_again",
     test::IconFileWithEntries({SmallCutShortPng(1), SmallCutShortPng(2), GreenDib()},
                               {0, 1, 0, 1, 0, 1, 2}),
     3, true},
    {"png_with_a_broken_header_checksum_decoded",
     IconFile(1, {test::WithBrokenChecksum(PngIconImage(test::NoiseImage(64, 3)), "IHDR")}), 0,
     false},
    {"bitmap_without_its_rows_decoded",
     [] {
         Bytes cut = GreenDib();
         cut.resize(1000);
         return IconFile(1, {cut, GreenDib()});
     }(),
     1, true},
    {"broken_images_beyond_the_allowance_decoded",
     IconFile(1, {LargeCutShortPng(), LargeCutShortPng(), LargeCutShortPng(), GreenDib()}), 1,
     false},
    {"allowance_refusing_a_fallback_behind_broken_images",
     IconFile(1, {SmallCutShortPng(4), SmallCutShortPng(5), SmallCutShortPng(6),
                  SmallCutShortPng(7), SmallCutShortPng(8), SmallCutShortPng(9), GreenDib()}),
     7, true},
};

class IconDecodingWork : public ::testing::TestWithParam<Case> {};

TEST_P(IconDecodingWork, DecodesEachUsableImageOnceWithinTheAllowance) {
    const Case& c = GetParam();
    int decodes = 0;
    const QImage image =
        DecodeBestIconImage(c.file, 32, [&decodes](RecordBytes data, const IconImageInfo& info) {
            ++decodes;
            return DecodeIconImage(data, info);
        });
    EXPECT_EQ(decodes, c.decodes);
    EXPECT_EQ(!image.isNull(), c.shown);
}

// Through the reader: a file whose broken images use up the allowance is
// refused as one with no usable image, though a good image follows them.
TEST(IconDecodingWork, FileBeyondTheAllowanceRefused) {
    const Bytes file = IconFile(1, {LargeCutShortPng(), LargeCutShortPng(), GreenDib()});
    try {
        ReadIconFile(file);
        FAIL() << "loaded";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.what(), kNoResources);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, IconDecodingWork, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel
