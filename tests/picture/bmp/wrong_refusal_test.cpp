#include "numtext/failure.h"
#include "picture/bmp/bitmaprefusal.h"
#include "picture/picture.h"
#include "support/bmpfixture.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

using testing_support::BmpFixture;

constexpr const char* kReadError = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";
constexpr const char* kInvalid = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
constexpr const char* kNoMemory = "ﾒﾓﾘが足りません";

// A 2 x 2 picture at 8 bits with a 2-entry table, changed by each case.
BmpFixture Valid() {
    BmpFixture f;
    f.width = 2;
    f.height = 2;
    f.bitsPerPixel = 8;
    f.colourCount = 2;
    f.table = {0x000000, 0xFFFFFF};
    f.pixels = {0, 1, 0, 0, 1, 0, 0, 0};
    return f;
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

struct Refusal {
    const char* name;
    std::function<std::vector<std::uint8_t>()> bytes;
    const char* message;
};

Refusal With(const char* name, const std::function<void(BmpFixture&)>& change,
             const char* message) {
    return {name,
            [change] {
                BmpFixture f = Valid();
                change(f);
                return f.Bytes();
            },
            message};
}

Refusal CutAt(const char* name, std::size_t size,
              const std::function<void(BmpFixture&)>& change = {}) {
    return {name,
            [change, size] {
                BmpFixture f = Valid();
                if (change) {
                    change(f);
                }
                return Cut(f.Bytes(), size);
            },
            kReadError};
}

const Refusal kRefusals[] = {
    CutAt("one_byte", 1),
    CutAt("thirteen_bytes", 13),
    CutAt("ends_inside_header_size", 16),
    CutAt("ends_inside_core_header_fields", 22, [](BmpFixture& f) { f.infoSize = 12; }),
    CutAt("ends_inside_40_byte_header", 40),
    CutAt("ends_inside_124_byte_header", 100, [](BmpFixture& f) { f.infoSize = 124; }),
    CutAt("ends_inside_masks", 54 + 8,
          [](BmpFixture& f) {
              f.bitsPerPixel = 16;
              f.compression = 3;
              f.masks = {0xF800, 0x07E0, 0x001F};
          }),
    CutAt("ends_inside_second_table_entry", 54 + 6),
    CutAt("ends_inside_three_byte_entry", 26 + 4, [](BmpFixture& f) { f.infoSize = 12; }),
    CutAt("default_table_of_256_longer_than_file", 54 + 8 + 8,
          [](BmpFixture& f) { f.colourCount = 0; }),
    {"header_size_beyond_file",
     [] {
         std::vector<std::uint8_t> bytes = Valid().Bytes();
         std::fill(bytes.begin() + 14, bytes.begin() + 18, 0xFF);
         return bytes;
     },
     kReadError},
    With(
        "not_BM", [](BmpFixture& f) { f.magic = "BA"; }, kInvalid),
    With(
        "lower_case_bm", [](BmpFixture& f) { f.magic = "bm"; }, kInvalid),
    With(
        "header_size_16", [](BmpFixture& f) { f.infoSize = 16; }, kInvalid),
    With(
        "header_size_0", [](BmpFixture& f) { f.infoSize = 0; }, kInvalid),
    With(
        "header_size_39", [](BmpFixture& f) { f.infoSize = 39; }, kInvalid),
    With(
        "planes_0", [](BmpFixture& f) { f.planes = 0; }, kInvalid),
    With(
        "planes_2", [](BmpFixture& f) { f.planes = 2; }, kInvalid),
    With(
        "planes_checked_before_short_table",
        [](BmpFixture& f) {
            f.planes = 3;
            f.table.clear();
        },
        kInvalid),
    With(
        "colour_count_257", [](BmpFixture& f) { f.colourCount = 257; }, kInvalid),
    With(
        "colour_count_huge", [](BmpFixture& f) { f.colourCount = 0x7FFFFFFF; }, kInvalid),
    With(
        "254_colours_beside_masks",
        [](BmpFixture& f) {
            f.bitsPerPixel = 16;
            f.compression = 3;
            f.masks = {0xF800, 0x07E0, 0x001F};
            f.colourCount = 254;
            f.table.assign(254, 0);
        },
        kInvalid),
    With(
        "bpp_0", [](BmpFixture& f) { f.bitsPerPixel = 0; }, kInvalid),
    With(
        "bpp_2", [](BmpFixture& f) { f.bitsPerPixel = 2; }, kInvalid),
    With(
        "bpp_64", [](BmpFixture& f) { f.bitsPerPixel = 64; }, kInvalid),
    With(
        "bpp_30000", [](BmpFixture& f) { f.bitsPerPixel = 30000; }, kInvalid),
    With(
        "24_bits_with_bit_fields",
        [](BmpFixture& f) {
            f.bitsPerPixel = 24;
            f.compression = 3;
        },
        kInvalid),
    With(
        "8_bits_with_bit_fields", [](BmpFixture& f) { f.compression = 3; }, kInvalid),
    With(
        "compression_4", [](BmpFixture& f) { f.compression = 4; }, kInvalid),
    With(
        "compression_6", [](BmpFixture& f) { f.compression = 6; }, kInvalid),
    With(
        "compression_max", [](BmpFixture& f) { f.compression = 0xFFFFFFFF; }, kInvalid),
    With(
        "rle8_on_4_bits",
        [](BmpFixture& f) {
            f.bitsPerPixel = 4;
            f.compression = 1;
        },
        kInvalid),
    With(
        "rle4_on_8_bits", [](BmpFixture& f) { f.compression = 2; }, kInvalid),
    With(
        "top_down_rle8",
        [](BmpFixture& f) {
            f.compression = 1;
            f.height = -2;
        },
        kInvalid),
    With(
        "width_0", [](BmpFixture& f) { f.width = 0; }, kInvalid),
    With(
        "width_minus_1", [](BmpFixture& f) { f.width = -1; }, kInvalid),
    With(
        "width_INT_MIN", [](BmpFixture& f) { f.width = INT_MIN; }, kInvalid),
    With(
        "height_0", [](BmpFixture& f) { f.height = 0; }, kInvalid),
    With(
        "height_INT_MIN", [](BmpFixture& f) { f.height = INT_MIN; }, kNoMemory),
    With(
        "width_INT_MAX", [](BmpFixture& f) { f.width = INT_MAX; }, kNoMemory),
    With(
        "raster_over_1_GiB",
        [](BmpFixture& f) {
            f.bitsPerPixel = 24;
            f.width = 20000;
            f.height = 20000;
        },
        kNoMemory),
    With(
        "display_copy_over_1_GiB",
        [](BmpFixture& f) {
            f.width = 20000;
            f.height = 15000;
        },
        kNoMemory),
    With(
        "rle_display_raster_over_1_GiB",
        [](BmpFixture& f) {
            f.compression = 1;
            f.width = 20000;
            f.height = 15000;
        },
        kNoMemory),
    With(
        "image_size_beyond_raster", [](BmpFixture& f) { f.imageSize = 9; }, kInvalid),
    With(
        "masks_overlap",
        [](BmpFixture& f) {
            f.bitsPerPixel = 16;
            f.compression = 3;
            f.masks = {0xF800, 0x0FE0, 0x001F};
        },
        kInvalid),
    With(
        "mask_with_hole",
        [](BmpFixture& f) {
            f.bitsPerPixel = 16;
            f.compression = 3;
            f.masks = {0xF800, 0x07E0, 0x0015};
        },
        kInvalid),
    With(
        "bit_fields_with_no_masks_in_44_byte_header",
        [](BmpFixture& f) {
            f.infoSize = 44;
            f.bitsPerPixel = 32;
            f.compression = 3;
        },
        kInvalid),
    With(
        "16_bit_mask_beyond_16_bits",
        [](BmpFixture& f) {
            f.bitsPerPixel = 16;
            f.compression = 3;
            f.masks = {0x1F0000, 0x07E0, 0x001F};
        },
        kInvalid),
};

class WrongRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(WrongRefusal, RefusedWithMessage) {
    const std::vector<std::uint8_t> bytes = GetParam().bytes();
    try {
        ReadBitmapFile(bytes);
        FAIL() << "loaded";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, WrongRefusal, testing::ValuesIn(kRefusals),
                         [](const auto& p) { return std::string(p.param.name); });

// The reason behind the message, which several reasons share, for
// representative files of the table above.
struct ReasonCase {
    const char* refusal;
    BitmapRefusal reason;
};

void PrintTo(const ReasonCase& c, std::ostream* out) {
    *out << c.refusal;
}

const ReasonCase kReasons[] = {
    {"thirteen_bytes", BitmapRefusal::Truncated},
    {"ends_inside_40_byte_header", BitmapRefusal::Truncated},
    {"ends_inside_masks", BitmapRefusal::Truncated},
    {"ends_inside_second_table_entry", BitmapRefusal::Truncated},
    {"header_size_beyond_file", BitmapRefusal::Truncated},
    {"not_BM", BitmapRefusal::NotABitmap},
    {"header_size_16", BitmapRefusal::InvalidHeader},
    {"planes_2", BitmapRefusal::InvalidHeader},
    {"colour_count_257", BitmapRefusal::InvalidHeader},
    {"width_0", BitmapRefusal::InvalidHeader},
    {"image_size_beyond_raster", BitmapRefusal::InvalidHeader},
    {"bpp_2", BitmapRefusal::Unsupported},
    {"compression_4", BitmapRefusal::Unsupported},
    {"top_down_rle8", BitmapRefusal::Unsupported},
    {"masks_overlap", BitmapRefusal::Unsupported},
    {"raster_over_1_GiB", BitmapRefusal::TooLarge},
    {"width_INT_MAX", BitmapRefusal::TooLarge},
};

class WrongRefusalReason : public testing::TestWithParam<ReasonCase> {};

TEST_P(WrongRefusalReason, RefusedForTheReason) {
    const std::string name = GetParam().refusal;
    const auto refusal = std::find_if(std::begin(kRefusals), std::end(kRefusals),
                                      [&name](const Refusal& r) { return r.name == name; });
    ASSERT_NE(refusal, std::end(kRefusals));
    try {
        ReadBitmapFile(refusal->bytes());
        FAIL() << "loaded";
    } catch (const BitmapRefused& refused) {
        EXPECT_EQ(refused.Reason(), GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, WrongRefusalReason, testing::ValuesIn(kReasons),
                         [](const auto& p) { return std::string(p.param.refusal); });

TEST(EveryShortFileRefused, OneToThirteenBytes) {
    const std::vector<std::uint8_t> bytes = Valid().Bytes();
    for (std::size_t size = 1; size <= 13; ++size) {
        try {
            ReadBitmapFile(Cut(bytes, size));
            ADD_FAILURE() << size << " bytes loaded";
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), kReadError) << size << " bytes";
        }
    }
}

TEST(EmptyFileRefused, ZeroBytesIsEmptyBitmap) {
    std::unique_ptr<Picture> picture = ReadBitmapFile({});
    EXPECT_EQ(picture->Kind(), PictureKind::Bitmap);
    EXPECT_EQ(picture->Width(), 0);
    EXPECT_EQ(picture->Height(), 0);
    EXPECT_TRUE(picture->Image().isNull());
}

// Loaded where a stricter reader might refuse.
struct Acceptance {
    const char* name;
    std::function<void(BmpFixture&)> change;
};

class WronglyRefused : public testing::TestWithParam<Acceptance> {};

TEST_P(WronglyRefused, Loads) {
    BmpFixture f = Valid();
    GetParam().change(f);
    std::unique_ptr<Picture> picture = ReadBitmapFile(f.Bytes());
    EXPECT_EQ(picture->Width(), 2);
    EXPECT_EQ(picture->Height(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, WronglyRefused,
    testing::Values(Acceptance{"253_colours_beside_masks",
                               [](BmpFixture& f) {
                                   f.bitsPerPixel = 16;
                                   f.compression = 3;
                                   f.masks = {0xF800, 0x07E0, 0x001F};
                                   f.colourCount = 253;
                                   f.table.assign(253, 0);
                                   f.pixels.assign(8, 0);
                               }},
                    Acceptance{"256_colours_with_masks_inside_header",
                               [](BmpFixture& f) {
                                   f.infoSize = 108;
                                   f.bitsPerPixel = 16;
                                   f.compression = 3;
                                   f.masks = {0xF800, 0x07E0, 0x001F};
                                   f.colourCount = 256;
                                   f.table.assign(256, 0);
                                   f.pixels.assign(8, 0);
                               }},
                    Acceptance{"colour_count_256",
                               [](BmpFixture& f) {
                                   f.colourCount = 256;
                                   f.table.assign(256, 0);
                               }},
                    Acceptance{"header_size_66", [](BmpFixture& f) { f.infoSize = 66; }},
                    Acceptance{"header_size_300", [](BmpFixture& f) { f.infoSize = 300; }},
                    Acceptance{"image_size_below_raster", [](BmpFixture& f) { f.imageSize = 3; }},
                    Acceptance{"pixel_data_missing", [](BmpFixture& f) { f.pixels.clear(); }},
                    Acceptance{"zero_mask",
                               [](BmpFixture& f) {
                                   f.bitsPerPixel = 16;
                                   f.compression = 3;
                                   f.masks = {0xFF00, 0x00FF, 0};
                               }}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace quorvel
