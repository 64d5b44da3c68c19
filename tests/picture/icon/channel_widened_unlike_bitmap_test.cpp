#include "picture/picture.h"
#include "support/bmpfixture.h"
#include "support/iconbuilder.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using test::Bytes;
using test::Put16;
using test::Put32;

constexpr int kRedShift555 = 10; // 16-bit pixels without bit fields: 0RRRRRGGGGGBBBBB

// A 1 x 1 icon whose only image is a 16-bit bitmap holding `pixel`.
Bytes SixteenBitIcon(std::uint16_t pixel) {
    Bytes image;
    Put32(image, 40);
    Put32(image, 1);
    Put32(image, 2); // the colour rows and the mask rows
    Put16(image, 1);
    Put16(image, 16);
    for (int i = 0; i < 6; ++i) {
        Put32(image, 0);
    }
    Put32(image, pixel); // the pixel and its row's padding
    Put32(image, 0);     // the mask row: opaque
    return test::IconFile(1, {image});
}

std::unique_ptr<Picture> SixteenBitBitmap(std::uint16_t pixel) {
    testing_support::BmpFixture f;
    f.bitsPerPixel = 16;
    f.pixels = testing_support::PackRows(16, {{pixel}});
    return ReadBitmapFile(f.Bytes());
}

struct WideningCase {
    const char* name;
    std::uint16_t fiveBits;
    int shown; // the channel on screen, 0 to 255
};

class ChannelWidenedUnlikeBitmap : public testing::TestWithParam<WideningCase> {};

// A colour shows the same in a bitmap file and in an icon's bitmap image:
// both repeat the bits of a narrow channel, as the bitmap suite's reference
// renderings do.
TEST_P(ChannelWidenedUnlikeBitmap, BothShowTheRepeatedBits) {
    const auto pixel = static_cast<std::uint16_t>(GetParam().fiveBits << kRedShift555);
    const QImage bitmap = SixteenBitBitmap(pixel)->Image();
    const Bytes icon = SixteenBitIcon(pixel);
    const QImage iconImage = ReadIconFile(icon)->Image();
    EXPECT_EQ(qRed(bitmap.pixel(0, 0)), GetParam().shown);
    EXPECT_EQ(qRed(iconImage.pixel(0, 0)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    FiveBitRed, ChannelWidenedUnlikeBitmap,
    // 3, 7, 24 and 28 are where rounding v * 255 / 31 would give one more or less.
    testing::Values(WideningCase{"zero_stays_black", 0, 0},
                    WideningCase{"three_repeated_not_rounded_up", 3, 24},
                    WideningCase{"seven_repeated_not_rounded_up", 7, 57},
                    WideningCase{"sixteen_half_way", 16, 132},
                    WideningCase{"twenty_four_repeated_not_rounded_down", 24, 198},
                    WideningCase{"twenty_eight_repeated_not_rounded_down", 28, 231},
                    WideningCase{"full_reaches_255", 31, 255}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace quorvel
