#include "numtext/failure.h"
#include "picture/picture.h"
#include "support/bmpfixture.h"
#include "support/imagecompare.h"

#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace quorvel {
namespace {

using testing_support::SameImage;

const std::string kSuite = QUORVEL_BMPSUITE_DIR;
constexpr const char* kRefused = "rgb16-565pal";

QImage Reference(const std::string& name) {
    QImage reference(QString::fromStdString(kSuite + "/ref/" + name + ".png"));
    return reference.convertToFormat(QImage::Format_RGB32);
}

QImage Decoded(const std::string& file) {
    return LoadPictureFile(kSuite + "/" + file)->Image();
}

const char* const kGoodFiles[] = {
    "pal1",   "pal1bg",   "pal1wb",        "pal4",     "pal4gs",    "pal4rle",     "pal8-0",
    "pal8",   "pal8gs",   "pal8nonsquare", "pal8os2",  "pal8rle",   "pal8topdown", "pal8v4",
    "pal8v5", "pal8w124", "pal8w125",      "pal8w126", "rgb16-565", "rgb16",       "rgb16bfdef",
    "rgb24",  "rgb24pal", "rgb32",         "rgb32bf",  "rgb32bfdef"};

class GoodFileDiffersFromReference : public testing::TestWithParam<const char*> {};

TEST_P(GoodFileDiffersFromReference, PixelsEqualIndependentDecoder) {
    const std::string name = GetParam();
    // Channels narrower than 8 bits are widened by repeating their bits, as
    // the reference decoder does, so even the 16-bit files compare exactly.
    EXPECT_TRUE(SameImage(Decoded("g/" + name + ".bmp"), Reference(name)));
}

INSTANTIATE_TEST_SUITE_P(Suite, GoodFileDiffersFromReference, testing::ValuesIn(kGoodFiles),
                         [](const auto& p) { return testing_support::CaseName(p.param); });

TEST(GoodFileLeftUntested, EveryGoodFileButOneIsCompared) {
    std::set<std::string> listed(std::begin(kGoodFiles), std::end(kGoodFiles));
    listed.insert(kRefused);
    for (const auto& entry : std::filesystem::directory_iterator(kSuite + "/g")) {
        EXPECT_TRUE(listed.count(entry.path().stem().string())) << entry.path();
    }
}

TEST(TableBesideMasksTooLong, Rgb16With256EntriesAndMasksIsRefused) {
    try {
        LoadPictureFile(kSuite + "/g/" + kRefused + ".bmp");
        FAIL() << "loaded";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です");
    }
}

// Files the suite means to look like one of the good ones, and read the same
// under this program's rules.
struct LookAlike {
    const char* file;
    const char* reference;
    int tolerance;
};

class LookAlikeDiffersFromReference : public testing::TestWithParam<LookAlike> {};

TEST_P(LookAlikeDiffersFromReference, PixelsEqualReference) {
    EXPECT_TRUE(
        SameImage(Decoded(GetParam().file), Reference(GetParam().reference), GetParam().tolerance));
}

INSTANTIATE_TEST_SUITE_P(
    Suite, LookAlikeDiffersFromReference,
    testing::Values(
        LookAlike{"q/pal8os2-hs.bmp", "pal8", 0}, LookAlike{"q/pal8os2-sz.bmp", "pal8", 0},
        LookAlike{"q/pal8os2v2.bmp", "pal8", 0}, LookAlike{"q/pal8os2v2-40sz.bmp", "pal8", 0},
        LookAlike{"q/pal8os2v2-sz.bmp", "pal8", 0}, LookAlike{"b/baddens1.bmp", "pal1", 0},
        LookAlike{"b/baddens2.bmp", "pal1", 0}, LookAlike{"b/badfilesize.bmp", "pal1", 0},
        LookAlike{"b/badheadersize.bmp", "pal1", 0}, LookAlike{"q/rgb16faketrns.bmp", "rgb16", 0},
        LookAlike{"q/rgb24lprof.bmp", "rgb24", 0}, LookAlike{"q/rgb24prof.bmp", "rgb24", 0},
        LookAlike{"q/rgb32-xbgr.bmp", "rgb24", 0}, LookAlike{"q/rgb32fakealpha.bmp", "rgb24", 0},
        LookAlike{"q/rgb32h52.bmp", "rgb24", 0}, LookAlike{"q/rgb32-111110.bmp", "rgb24", 1},
        LookAlike{"q/rgb32-7187.bmp", "rgb24", 2},
        // Where it is transparent it keeps the plain picture's colours.
        LookAlike{"q/rgba16-5551.bmp", "rgb24", 4}),
    [](const auto& p) { return testing_support::CaseName(p.param.file); });

// Files with an alpha mask: the alpha is not shown, so they all show the
// colour channels of the plain 8-bit one, within what their widths can hold.
class AlphaFileDiffers : public testing::TestWithParam<LookAlike> {};

TEST_P(AlphaFileDiffers, ColourChannelsEqualPlainOne) {
    EXPECT_TRUE(
        SameImage(Decoded(GetParam().file), Decoded(GetParam().reference), GetParam().tolerance));
}

INSTANTIATE_TEST_SUITE_P(Suite, AlphaFileDiffers,
                         testing::Values(LookAlike{"q/rgba32-2.bmp", "q/rgba32-1.bmp", 0},
                                         LookAlike{"q/rgba32h56.bmp", "q/rgba32-1.bmp", 0},
                                         LookAlike{"q/rgba32-1010102.bmp", "q/rgba32-1.bmp", 1},
                                         LookAlike{"q/rgba32-81284.bmp", "q/rgba32-1.bmp", 1},
                                         LookAlike{"q/rgba32-61754.bmp", "q/rgba32-1.bmp", 4},
                                         LookAlike{"q/rgba16-4444.bmp", "q/rgba32-1.bmp", 8}),
                         [](const auto& p) { return testing_support::CaseName(p.param.file); });

// The offset field is ignored: the pixel data is read from the end of the
// colour table, so raster byte k holds what the reference picture has at
// byte k + shift of its own 8-bit, 128-byte-row, bottom-up pixel data.
struct Shifted {
    const char* file;
    int shift;
};

class OffsetFieldFollowed : public testing::TestWithParam<Shifted> {};

TEST_P(OffsetFieldFollowed, PictureComesOutShifted) {
    const QImage actual = Decoded(GetParam().file);
    const QImage reference = Reference("pal8");
    ASSERT_EQ(actual.size(), reference.size());
    const int rowBytes = 128;
    const int total = rowBytes * actual.height();
    int compared = 0;
    for (int k = 0; k < total; ++k) {
        const int source = k + GetParam().shift;
        if (k % rowBytes >= actual.width() || source < 0 || source >= total ||
            source % rowBytes >= actual.width()) {
            continue;
        }
        const int x = k % rowBytes;
        const int y = actual.height() - 1 - k / rowBytes;
        const int sx = source % rowBytes;
        const int sy = actual.height() - 1 - source / rowBytes;
        ASSERT_EQ(actual.pixel(x, y), reference.pixel(sx, sy))
            << "pixel (" << x << ", " << y << ") should show (" << sx << ", " << sy << ")";
        ++compared;
    }
    EXPECT_GT(compared, total * 9 / 10);
}

INSTANTIATE_TEST_SUITE_P(Suite, OffsetFieldFollowed,
                         testing::Values(Shifted{"q/pal8offs.bmp", -100},
                                         Shifted{"q/pal8os2sp.bmp", 12}),
                         [](const auto& p) {
                             return std::string(p.param.shift < 0 ? "gap_before_pixels"
                                                                  : "short_table_core_header");
                         });

TEST(OffsetFieldFollowed, ShortTableLeavesLastBytesZero) {
    // 12 pixel bytes went into the table, so the raster's last 12 bytes (the
    // end of the top row) stay zero and show table entry 0, the first 3-byte
    // entry after the 26 bytes of headers.
    const std::vector<std::uint8_t> file = testing_support::ReadFile(kSuite + "/q/pal8os2sp.bmp");
    ASSERT_GT(file.size(), 29u);
    const QRgb entry0 = qRgb(file[28], file[27], file[26]);
    const QImage actual = Decoded("q/pal8os2sp.bmp");
    for (int x = 128 - 12; x < actual.width(); ++x) {
        EXPECT_EQ(actual.pixel(x, 0), entry0) << "column " << x;
    }
}

} // namespace
} // namespace quorvel
