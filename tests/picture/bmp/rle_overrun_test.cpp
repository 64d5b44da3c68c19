#include "picture/picture.h"
#include "support/bmpfixture.h"
#include "support/imagecompare.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

using testing_support::BmpFixture;
using testing_support::ImageOf;
using Rows = std::vector<std::vector<std::uint32_t>>;

constexpr std::uint32_t K = 0x000000;
constexpr std::uint32_t R = 0xFF0000;
constexpr std::uint32_t G = 0x00FF00;
constexpr std::uint32_t B = 0x0000FF;

struct RleCase {
    const char* name;
    int bitsPerPixel;
    int width;
    std::vector<std::uint8_t> data;
    Rows expected; // top row first; the data starts at the bottom row
    std::uint32_t imageSize = 0;
};

// Table: 0 black, 1 red, 2 green, 3 blue. Three rows.
const RleCase kCases[] = {
    {"runs_and_end_of_line",
     8,
     4,
     {4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 0, 1},
     {{K, K, K, K}, {G, G, B, B}, {R, R, R, R}}},
    {"odd_literal_padded",
     8,
     4,
     {0, 3, 1, 2, 3, 0, 1, 3, 0, 1},
     {{K, K, K, K}, {K, K, K, K}, {R, G, B, B}}},
    {"run_past_right_edge_dropped_not_wrapped",
     8,
     4,
     {6, 1, 0, 0, 1, 2, 0, 1},
     {{K, K, K, K}, {G, K, K, K}, {R, R, R, R}}},
    {"literal_past_right_edge_dropped",
     8,
     2,
     {0, 4, 1, 2, 3, 3, 0, 0, 1, 2, 0, 1},
     {{K, K}, {G, K}, {R, G}}},
    {"delta_moves_right_and_up",
     8,
     4,
     {0, 2, 1, 1, 1, 3, 0, 1},
     {{K, K, K, K}, {K, B, K, K}, {K, K, K, K}}},
    {"delta_beyond_top_stops",
     8,
     4,
     {1, 1, 0, 2, 0, 200, 1, 2, 0, 1},
     {{K, K, K, K}, {K, K, K, K}, {R, K, K, K}}},
    {"rows_beyond_top_dropped",
     8,
     2,
     {1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 2, 0, 0, 1, 2, 0, 1},
     {{R, K}, {R, K}, {R, K}}},
    {"truncated_inside_literal", 8, 4, {0, 4, 1, 2}, {{K, K, K, K}, {K, K, K, K}, {R, G, K, K}}},
    {"truncated_inside_delta", 8, 4, {1, 3, 0, 2, 1}, {{K, K, K, K}, {K, K, K, K}, {B, K, K, K}}},
    {"odd_trailing_byte_ignored", 8, 4, {1, 1, 0}, {{K, K, K, K}, {K, K, K, K}, {R, K, K, K}}},
    {"end_of_picture_stops", 8, 4, {1, 1, 0, 1, 1, 2}, {{K, K, K, K}, {K, K, K, K}, {R, K, K, K}}},
    {"index_beyond_table_black",
     8,
     4,
     {1, 1, 1, 200, 1, 1, 0, 1},
     {{K, K, K, K}, {K, K, K, K}, {R, K, R, K}}},
    {"image_size_ends_data",
     8,
     4,
     {1, 1, 1, 2, 0, 1},
     {{K, K, K, K}, {K, K, K, K}, {R, K, K, K}},
     2},
    {"image_size_beyond_file",
     8,
     4,
     {1, 1, 1, 2},
     {{K, K, K, K}, {K, K, K, K}, {R, G, K, K}},
     1000},
    {"rle4_run_alternates_nibbles",
     4,
     4,
     {4, 0x12, 0, 1},
     {{K, K, K, K}, {K, K, K, K}, {R, G, R, G}}},
    {"rle4_odd_literal_padded",
     4,
     6,
     {0, 5, 0x12, 0x31, 0x20, 0, 1, 0x30, 0, 1},
     {{K, K, K, K, K, K}, {K, K, K, K, K, K}, {R, G, B, R, G, B}}},
    {"rle4_truncated_literal", 4, 4, {0, 4, 0x12}, {{K, K, K, K}, {K, K, K, K}, {R, G, K, K}}},
};

class RleOverrun : public testing::TestWithParam<RleCase> {};

TEST_P(RleOverrun, ExpandsWithinRaster) {
    const RleCase& c = GetParam();
    BmpFixture f;
    f.bitsPerPixel = static_cast<std::uint16_t>(c.bitsPerPixel);
    f.compression = c.bitsPerPixel == 8 ? 1 : 2;
    f.width = c.width;
    f.height = 3;
    f.colourCount = 4;
    f.table = {K, R, G, B};
    f.imageSize = c.imageSize != 0 ? c.imageSize : static_cast<std::uint32_t>(c.data.size());
    f.pixels = c.data;
    std::unique_ptr<Picture> picture = ReadBitmapFile(f.Bytes());
    EXPECT_TRUE(testing_support::SameImage(picture->Image(), ImageOf(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RleOverrun, testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace quorvel
