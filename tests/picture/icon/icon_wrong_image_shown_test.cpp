#include "picture/icon/genericicon.h"
#include "picture/picture.h"
#include "support/iconbuilder.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using test::Bytes;
using test::DibIconImage;
using test::IconFile;
using test::PngIconImage;

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kClear = 0x00000000;

test::PixelColour Fill(QRgb colour) {
    return [colour](int, int) { return colour; };
}

QImage GreenPng(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(kGreen);
    return image;
}

struct Probe {
    int x;
    int y;
    QRgb colour;
};

struct Case {
    const char* name;
    Bytes file;
    std::vector<Probe> probes;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

const Case kCases[] = {
    {"fewer_colours_chosen",
     IconFile(1, {DibIconImage(32, 32, 4, Fill(kRed)), DibIconImage(32, 32, 24, Fill(kGreen)),
                  DibIconImage(32, 32, 8, Fill(kBlue))}),
     {{16, 16, kGreen}}},
    {"colour_depth_losing_to_size",
     IconFile(1, {DibIconImage(32, 32, 8, Fill(kRed)), DibIconImage(16, 16, 32, Fill(kGreen))}),
     {{16, 16, kGreen}}},
    {"size_farther_from_32_chosen",
     IconFile(1, {DibIconImage(16, 16, 24, Fill(kRed)), DibIconImage(48, 48, 24, Fill(kBlue)),
                  DibIconImage(32, 32, 24, Fill(kGreen))}),
     {{16, 16, kGreen}}},
    {"smaller_image_not_scaled_to_the_icon_size",
     IconFile(1, {DibIconImage(16, 16, 24, Fill(kGreen))}),
     {{0, 0, kGreen}, {31, 31, kGreen}}},
    {"rows_not_read_bottom_up",
     IconFile(1, {DibIconImage(32, 32, 24, [](int, int y) { return y < 16 ? kRed : kBlue; })}),
     {{5, 2, kRed}, {5, 29, kBlue}}},
    {"transparency_mask_ignored",
     IconFile(1, {DibIconImage(32, 32, 24, Fill(kGreen), [](int x, int) { return x < 16; })}),
     {{2, 5, kClear}, {29, 5, kGreen}}},
    {"mask_bits_taken_in_the_wrong_order",
     IconFile(1, {DibIconImage(32, 32, 24, Fill(kGreen), [](int x, int) { return x == 1; })}),
     {{0, 5, kGreen}, {1, 5, kClear}, {7, 5, kGreen}}},
    {"alpha_channel_ignored_for_the_mask",
     IconFile(1, {DibIconImage(32, 32, 32, [](int x, int) { return x < 16 ? 0x8000FF00 : kGreen; },
                               [](int, int) { return true; })}),
     {{2, 5, 0x8000FF00}, {29, 5, kGreen}}},
    {"empty_alpha_channel_making_everything_clear",
     IconFile(1, {DibIconImage(32, 32, 32, Fill(0x0000FF00), [](int x, int) { return x < 16; })}),
     {{2, 5, kClear}, {29, 5, kGreen}}},
    {"nibbles_swapped_in_4_bit_images",
     IconFile(1, {DibIconImage(32, 32, 4, [](int x, int) { return x % 2 == 0 ? kRed : kBlue; })}),
     {{0, 0, kRed}, {1, 0, kBlue}}},
    {"one_bit_image_misread",
     IconFile(1, {DibIconImage(32, 32, 1, [](int x, int) { return x < 8 ? kRed : kBlue; })}),
     {{7, 0, kRed}, {8, 0, kBlue}}},
    {"png_image_not_decoded", IconFile(1, {PngIconImage(GreenPng(32))}), {{16, 16, kGreen}}},
    {"png_image_of_256_losing_to_a_poorer_bitmap",
     IconFile(1, {DibIconImage(32, 32, 8, Fill(kRed)), PngIconImage(GreenPng(256))}),
     {{16, 16, kGreen}}},
    {"broken_best_image_not_passed_over",
     [] {
         Bytes best = DibIconImage(32, 32, 32, Fill(kRed));
         best.resize(100);
         return IconFile(1, {best, DibIconImage(32, 32, 8, Fill(kGreen))});
     }(),
     {{16, 16, kGreen}}},
};

class IconImageChoice : public ::testing::TestWithParam<Case> {};

TEST_P(IconImageChoice, ShowsTheBestImageWithItsTransparency) {
    const Case& c = GetParam();
    const QImage image = ReadIconFile(c.file)->Image().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    for (const Probe& probe : c.probes) {
        const QRgb pixel = image.pixel(probe.x, probe.y);
        EXPECT_EQ(qAlpha(pixel), qAlpha(probe.colour)) << "at " << probe.x << ", " << probe.y;
        if (qAlpha(probe.colour) != 0) {
            EXPECT_EQ(pixel & 0xFFFFFF, probe.colour & 0xFFFFFF)
                << "at " << probe.x << ", " << probe.y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, IconImageChoice, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

int OpaquePixels(const QImage& image) {
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return opaque;
}

TEST(IconImageChoice, Type0ShowsAnApplicationIconWithTheBackgroundAroundIt) {
    const QImage image = ReadIconFile(Bytes(6, 0))->Image();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_GT(OpaquePixels(image), 200);
    EXPECT_LT(OpaquePixels(image), 32 * 32);
}

TEST(IconImageChoice, BuiltInApplicationIconIsDrawnWithoutATheme) {
    const QImage image = BuiltInApplicationIcon(32);
    EXPECT_GT(OpaquePixels(image), 200);
    EXPECT_LT(OpaquePixels(image), 32 * 32);
}

} // namespace
} // namespace quorvel
