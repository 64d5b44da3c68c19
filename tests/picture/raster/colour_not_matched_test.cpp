#include "picture/picture.h"
#include "support/bmpfixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

using testing_support::BmpFixture;
using testing_support::PackRows;

std::vector<std::uint32_t> Greys(int count, int step) {
    std::vector<std::uint32_t> table;
    for (int i = 0; i < count; ++i) {
        auto g = static_cast<std::uint32_t>(i * step);
        table.push_back(g << 16 | g << 8 | g);
    }
    return table;
}

// A 2 x 2 bitmap, all pixels value 0.
BmpFixture Blank(std::uint16_t bitsPerPixel, std::vector<std::uint32_t> table = {}) {
    BmpFixture f;
    f.width = 2;
    f.height = 2;
    f.bitsPerPixel = bitsPerPixel;
    f.colourCount = static_cast<std::uint32_t>(table.size());
    f.table = std::move(table);
    f.pixels = PackRows(bitsPerPixel, {{0, 0}, {0, 0}});
    return f;
}

BmpFixture WithMasks(std::uint16_t bitsPerPixel, std::vector<std::uint32_t> masks) {
    BmpFixture f = Blank(bitsPerPixel);
    f.compression = 3;
    f.masks = std::move(masks);
    return f;
}

struct ColourCase {
    const char* name;
    std::function<std::unique_ptr<Picture>()> picture;
    Rgb pen;
    std::uint32_t shown; // 0x00RRGGBB, as the image shows it
};

std::function<std::unique_ptr<Picture>()> From(const BmpFixture& f) {
    return [f] { return ReadBitmapFile(f.Bytes()); };
}

const ColourCase kCases[] = {
    // (255 - g)^2 + 2 g^2 is least at g = 85.
    {"grey_table_red_to_nearest_grey", From(Blank(8, Greys(256, 1))), Rgb{255, 0, 0}, 0x555555},
    {"grey_table_blue_to_nearest_grey", From(Blank(8, Greys(256, 1))), Rgb{0, 0, 255}, 0x555555},
    {"grey_ramp_4_bit", From(Blank(4, Greys(16, 17))), Rgb{255, 0, 0}, 0x555555},
    {"black_white_table_red_to_black", From(Blank(1, {0x000000, 0xFFFFFF})), Rgb{255, 0, 0},
     0x000000},
    {"black_white_table_light_grey_to_white", From(Blank(1, {0x000000, 0xFFFFFF})),
     Rgb{192, 192, 192}, 0xFFFFFF},
    {"table_holding_red_exact", From(Blank(4, {0x000000, 0x0000FF, 0xFF0000})), Rgb{255, 0, 0},
     0xFF0000},
    {"entry_beyond_depth_not_used", From(Blank(1, {0x000000, 0xFFFFFF, 0xFF0000})), Rgb{255, 0, 0},
     0x000000},
    // Five bits: 16 shows as 132 and 15 as 123, so 128 takes 16.
    {"555_nearest_expressible", From(Blank(16)), Rgb{128, 128, 128}, 0x848484},
    {"565_green_six_bits", From(WithMasks(16, {0xF800, 0x07E0, 0x001F})), Rgb{0, 128, 0}, 0x008200},
    {"24_bit_exact", From(Blank(24)), Rgb{0x56, 0x34, 0x12}, 0x563412},
    {"32_bit_exact", From(Blank(32)), Rgb{0x56, 0x34, 0x12}, 0x563412},
    {"32_bit_reversed_fields_exact", From(WithMasks(32, {0xFF, 0xFF00, 0xFF0000})),
     Rgb{0x56, 0x34, 0x12}, 0x563412},
    // Seven bits: 64 shows as 129 and 63 as 126.
    {"7_18_7_fields_nearest", From(WithMasks(32, {0xFE000000, 0x01FFFF80, 0x7F})),
     Rgb{128, 128, 128}, 0x818081},
    {"run_length_raster_exact",
     [] {
         BmpFixture f = Blank(8, Greys(256, 1));
         f.compression = 1;
         f.pixels = {2, 7, 0, 0, 2, 7, 0, 1};
         return ReadBitmapFile(f.Bytes());
     },
     Rgb{255, 0, 0}, 0xFF0000},
    {"blank_raster_exact", [] { return MakeBlankRaster(2, 2); }, Rgb{0x56, 0x34, 0x12}, 0x563412},
};

class ColourNotMatched : public testing::TestWithParam<ColourCase> {};

TEST_P(ColourNotMatched, PenColourAsRasterHoldsIt) {
    std::unique_ptr<Picture> picture = GetParam().picture();
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.SetPenColor(GetParam().pen);
    surface.LineTo(2, 0);
    const QImage image = picture->Image();
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, GetParam().shown);
    EXPECT_EQ(image.pixel(1, 0) & 0xFFFFFF, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Formats, ColourNotMatched, testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(FillNotMatched, WhiteFillTakesNearestTableEntry) {
    std::unique_ptr<Picture> picture =
        ReadBitmapFile(Blank(8, {0x000000, 0xF0F0F0, 0xFF0000}).Bytes());
    picture->GetDrawingSurface().Ellipse(-10, -10, 12, 12);
    EXPECT_EQ(picture->Image().pixel(1, 1) & 0xFFFFFF, 0xF0F0F0u);
}

TEST(PixelPackingWrong, FourBitWriteKeepsNeighbour) {
    BmpFixture f = Blank(4, {0x000000, 0xFF0000, 0x00FF00});
    f.width = 3;
    f.pixels = PackRows(4, {{2, 2, 2}, {2, 2, 2}});
    std::unique_ptr<Picture> picture = ReadBitmapFile(f.Bytes());
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.SetPenColor(Rgb{255, 0, 0});
    surface.MoveTo(1, 0);
    surface.LineTo(2, 0);
    const QImage image = picture->Image();
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(image.pixel(1, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(2, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, 0x00FF00u);
}

TEST(PixelPackingWrong, OneBitWriteKeepsNeighbours) {
    BmpFixture f = Blank(1, {0x000000, 0xFFFFFF});
    f.width = 10;
    f.pixels = PackRows(1, {std::vector<std::uint32_t>(10, 1), std::vector<std::uint32_t>(10, 1)});
    std::unique_ptr<Picture> picture = ReadBitmapFile(f.Bytes());
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.MoveTo(7, 1);
    surface.LineTo(9, 1);
    const QImage image = picture->Image();
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(image.pixel(x, 1) & 0xFFFFFF, x == 7 || x == 8 ? 0u : 0xFFFFFFu) << x;
        EXPECT_EQ(image.pixel(x, 0) & 0xFFFFFF, 0xFFFFFFu) << x;
    }
}

} // namespace
} // namespace quorvel
