#include "picture/picture.h"
#include "support/bmpfixture.h"
#include "support/imagecompare.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

using testing_support::BmpFixture;
using testing_support::ImageOf;
using testing_support::PackRows;
using Rows = std::vector<std::vector<std::uint32_t>>;

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0x808080;

BmpFixture Picture(std::uint16_t bitsPerPixel, const Rows& values,
                   std::vector<std::uint32_t> table = {}) {
    BmpFixture f;
    f.bitsPerPixel = bitsPerPixel;
    f.width = static_cast<std::int32_t>(values[0].size());
    f.height = static_cast<std::int32_t>(values.size());
    f.colourCount = static_cast<std::uint32_t>(table.size());
    f.table = std::move(table);
    f.pixels = PackRows(bitsPerPixel, values);
    return f;
}

struct Layout {
    const char* name;
    std::function<BmpFixture()> fixture;
    Rows expected; // 0x00RRGGBB, top row first
};

const Layout kLayouts[] = {
    {"core_header_three_byte_entries_1_bit",
     [] {
         BmpFixture f =
             Picture(1, {{0, 1, 0, 1, 1, 0, 0, 1, 1}, {1, 1, 1, 0, 0, 0, 0, 0, 1}}, {kRed, kBlue});
         f.infoSize = 12;
         f.colourCount = 0;
         return f;
     },
     {{kRed, kBlue, kRed, kBlue, kBlue, kRed, kRed, kBlue, kBlue},
      {kBlue, kBlue, kBlue, kRed, kRed, kRed, kRed, kRed, kBlue}}},
    {"index_beyond_one_entry_table_is_black",
     [] {
         return Picture(1, {{0, 1}}, {kGreen});
     },
     {{kGreen, kBlack}}},
    {"4_bit_odd_width",
     [] {
         std::vector<std::uint32_t> table(16, kGrey);
         table[1] = kRed;
         table[2] = kGreen;
         table[15] = kBlue;
         return Picture(4, {{1, 2, 15}, {0, 15, 1}}, table);
     },
     {{kRed, kGreen, kBlue}, {kGrey, kBlue, kRed}}},
    {"8_bit_108_byte_header",
     [] {
         BmpFixture f = Picture(8, {{2, 0}, {1, 2}}, {kRed, kGreen, kBlue});
         f.infoSize = 108;
         return f;
     },
     {{kBlue, kRed}, {kGreen, kBlue}}},
    {"8_bit_124_byte_header",
     [] {
         BmpFixture f = Picture(8, {{2, 0}, {1, 2}}, {kRed, kGreen, kBlue});
         f.infoSize = 124;
         return f;
     },
     {{kBlue, kRed}, {kGreen, kBlue}}},
    // Five-bit 16 widens to 0x84 by repeating its bits.
    {"16_bit_default_555_spare_bit_ignored",
     [] {
         return Picture(16, {{0x7C00, 0x03E0}, {0x001F, 0xC210}});
     },
     {{kRed, kGreen}, {kBlue, 0x848484}}},
    {"16_bit_565_bit_fields",
     [] {
         BmpFixture f = Picture(16, {{0xF800, 0x07E0}, {0x0010, 0x0400}});
         f.compression = 3;
         f.masks = {0xF800, 0x07E0, 0x001F};
         return f;
     },
     {{kRed, kGreen}, {0x000084, 0x008200}}},
    {"16_bit_masks_in_108_byte_header_ignored_without_bit_fields",
     [] {
         BmpFixture f = Picture(16, {{0x7C00, 0x03E0}});
         f.infoSize = 108;
         f.masks = {0xF800, 0x07E0, 0x001F};
         return f;
     },
     {{kRed, kGreen}}},
    {"24_bit_rows_padded",
     [] {
         return Picture(24, {{kRed, kGreen, kBlue}, {0x123456, kWhite, kBlack}});
     },
     {{kRed, kGreen, kBlue}, {0x123456, kWhite, kBlack}}},
    {"24_bit_top_down",
     [] {
         BmpFixture f = Picture(24, {{kRed, kGreen}, {kBlue, kWhite}});
         f.height = -2;
         f.pixels = PackRows(24, {{kRed, kGreen}, {kBlue, kWhite}}, true);
         return f;
     },
     {{kRed, kGreen}, {kBlue, kWhite}}},
    {"24_bit_table_skipped",
     [] {
         return Picture(24, {{0x102030}}, {kRed, kGreen, kBlue});
     },
     {{0x102030}}},
    {"32_bit_unused_byte_ignored",
     [] {
         return Picture(32, {{0xAA112233, 0xFF000000}});
     },
     {{0x112233, kBlack}}},
    {"32_bit_fields_reversed_order",
     [] {
         BmpFixture f = Picture(32, {{0x00332211}});
         f.compression = 3;
         f.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
         return f;
     },
     {{0x112233}}},
    {"32_bit_masks_inside_52_byte_header",
     [] {
         BmpFixture f = Picture(32, {{0x33221100}});
         f.infoSize = 52;
         f.compression = 3;
         f.masks = {0x0000FF00, 0x00FF0000, 0xFF000000};
         return f;
     },
     {{0x112233}}},
    // The offset field announces 2 bytes between table and pixels; they are
    // read as the first two pixel bytes, and index 0xA5 lies beyond the table.
    {"gap_announced_only_by_offset_shifts_picture",
     [] {
         BmpFixture f = Picture(8, {{2, 2, 2, 2}, {1, 1, 1, 1}}, {kBlack, kRed, kGreen});
         f.gap = 2;
         return f;
     },
     {{kRed, kRed, kGreen, kGreen}, {kBlack, kBlack, kRed, kRed}}},
    {"truncated_pixel_data_leaves_top_zero",
     [] {
         BmpFixture f = Picture(24, {{kRed, kRed}, {kGreen, kGreen}, {kBlue, kBlue}});
         f.pixels.resize(8 + 3);
         return f;
     },
     {{kBlack, kBlack}, {kGreen, kBlack}, {kBlue, kBlue}}},
    {"truncated_top_down_leaves_bottom_zero",
     [] {
         BmpFixture f = Picture(24, {{kRed, kRed}, {kGreen, kGreen}});
         f.height = -2;
         f.pixels = PackRows(24, {{kRed, kRed}, {kGreen, kGreen}}, true);
         f.pixels.resize(8);
         return f;
     },
     {{kRed, kRed}, {kBlack, kBlack}}},
    {"image_size_field_takes_fewer_bytes",
     [] {
         BmpFixture f = Picture(24, {{kRed, kRed}, {kGreen, kGreen}});
         f.imageSize = 8;
         return f;
     },
     {{kBlack, kBlack}, {kGreen, kGreen}}},
};

class PixelLayoutMisread : public testing::TestWithParam<Layout> {};

TEST_P(PixelLayoutMisread, ShowsIntendedColours) {
    std::unique_ptr<quorvel::Picture> picture = ReadBitmapFile(GetParam().fixture().Bytes());
    EXPECT_TRUE(testing_support::SameImage(picture->Image(), ImageOf(GetParam().expected)));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, PixelLayoutMisread, testing::ValuesIn(kLayouts),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace quorvel
