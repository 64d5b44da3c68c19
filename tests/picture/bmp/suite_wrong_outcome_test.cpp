#include "numtext/failure.h"
#include "picture/picture.h"
#include "support/bmpfixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace quorvel {
namespace {

const std::string kSuite = QUORVEL_BMPSUITE_DIR;

constexpr const char* kInvalid = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
constexpr const char* kNoMemory = "ﾒﾓﾘが足りません";

// Either the message the file is refused with, or the size it loads at.
struct Outcome {
    const char* file;
    const char* message;
    int width;
    int height;
};

Outcome Loads(const char* file, int width = 127, int height = 64) {
    return {file, nullptr, width, height};
}
Outcome Refused(const char* file, const char* message) {
    return {file, message, 0, 0};
}

const Outcome kOutcomes[] = {
    Refused("b/badbitcount.bmp", kInvalid),
    Refused("b/badbitssize.bmp", kInvalid), // image size beyond the raster's memory
    Loads("b/baddens1.bmp"),
    Loads("b/baddens2.bmp"),
    Loads("b/badfilesize.bmp"),
    Loads("b/badheadersize.bmp"),
    Refused("b/badpalettesize.bmp", kInvalid),
    Refused("b/badplanes.bmp", kInvalid),
    Loads("b/badrle.bmp"),
    Loads("b/badrle4.bmp"),
    Loads("b/badrle4bis.bmp"),
    Loads("b/badrle4ter.bmp"),
    Loads("b/badrlebis.bmp"),
    Loads("b/badrleter.bmp"),
    Refused("b/badwidth.bmp", kInvalid),
    Loads("b/pal8badindex.bmp"),
    Refused("b/reallybig.bmp", kNoMemory),
    Loads("b/rgb16-880.bmp"),
    Refused("b/rletopdown.bmp", kInvalid),
    Loads("b/shortfile.bmp"),
    Refused("q/pal1huffmsb.bmp", kInvalid),
    Loads("q/pal1p1.bmp"),
    Refused("q/pal2.bmp", kInvalid),
    Refused("q/pal2color.bmp", kInvalid),
    Loads("q/pal4rlecut.bmp"),
    Loads("q/pal4rletrns.bmp"),
    Loads("q/pal8offs.bmp"),
    Loads("q/pal8os2-hs.bmp"),
    Loads("q/pal8os2-sz.bmp"),
    Loads("q/pal8os2sp.bmp"),
    Refused("q/pal8os2v2-16.bmp", kInvalid),
    Loads("q/pal8os2v2-40sz.bmp"),
    Loads("q/pal8os2v2-sz.bmp"),
    Loads("q/pal8os2v2.bmp"),
    Refused("q/pal8oversizepal.bmp", kInvalid),
    Loads("q/pal8rlecut.bmp"),
    Loads("q/pal8rletrns.bmp"),
    Loads("q/rgb16-231.bmp"),
    Loads("q/rgb16-3103.bmp"),
    Loads("q/rgb16faketrns.bmp"),
    Refused("q/rgb24jpeg.bmp", kInvalid),
    Refused("q/rgb24largepal.bmp", kInvalid),
    Loads("q/rgb24lprof.bmp"),
    Refused("q/rgb24png.bmp", kInvalid),
    Loads("q/rgb24prof.bmp"),
    Loads("q/rgb24prof2.bmp"),
    Refused("q/rgb24rle24.bmp", kInvalid),
    Loads("q/rgb32-111110.bmp"),
    Loads("q/rgb32-7187.bmp"),
    Loads("q/rgb32-xbgr.bmp"),
    Loads("q/rgb32fakealpha.bmp"),
    Loads("q/rgb32h52.bmp"),
    Loads("q/rgba16-1924.bmp"),
    Loads("q/rgba16-4444.bmp"),
    Loads("q/rgba16-5551.bmp"),
    Loads("q/rgba32-1.bmp"),
    Loads("q/rgba32-1010102.bmp"),
    Loads("q/rgba32-2.bmp"),
    Loads("q/rgba32-61754.bmp"),
    Loads("q/rgba32-81284.bmp"),
    Refused("q/rgba32abf.bmp", kInvalid),
    Loads("q/rgba32h56.bmp"),
    Refused("q/rgba64.bmp", kInvalid),
    Refused("x/ba-bm.bmp", kInvalid),
};

class SuiteFileWrongOutcome : public testing::TestWithParam<Outcome> {};

TEST_P(SuiteFileWrongOutcome, FollowsReadingRules) {
    const Outcome& expected = GetParam();
    try {
        std::unique_ptr<Picture> picture = LoadPictureFile(kSuite + "/" + expected.file);
        ASSERT_EQ(expected.message, nullptr) << "loaded instead of failing";
        EXPECT_EQ(picture->Kind(), PictureKind::Bitmap);
        EXPECT_EQ(picture->Width(), expected.width);
        EXPECT_EQ(picture->Height(), expected.height);
        const QImage image = picture->Image();
        EXPECT_EQ(image.width(), expected.width);
        EXPECT_EQ(image.height(), expected.height);
    } catch (const Failure& failure) {
        ASSERT_NE(expected.message, nullptr) << "failed with " << failure.what();
        EXPECT_STREQ(failure.what(), expected.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Suite, SuiteFileWrongOutcome, testing::ValuesIn(kOutcomes),
                         [](const auto& p) { return testing_support::CaseName(p.param.file); });

TEST(SuiteFileLeftUntested, EveryQuestionableBadAndRelatedFileHasAnOutcome) {
    std::set<std::string> listed;
    for (const Outcome& outcome : kOutcomes) {
        listed.insert(outcome.file);
    }
    for (const char* folder : {"b", "q", "x"}) {
        for (const auto& entry : std::filesystem::directory_iterator(kSuite + "/" + folder)) {
            EXPECT_TRUE(listed.count(std::string(folder) + "/" + entry.path().filename().string()))
                << entry.path();
        }
    }
}

} // namespace
} // namespace quorvel
