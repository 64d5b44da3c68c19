#include "numtext/failure.h"
#include "picture/picture.h"
#include "support/metafilebuilder.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using test::Bytes;
using test::EmfBuilder;
using test::WmfBuilder;

struct Case {
    const char* name;
    Bytes file;
    int width;
    int height;
};

Bytes Emf(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
          std::int32_t deviceX = 1000, std::int32_t deviceY = 1000, std::int32_t millimetresX = 254,
          std::int32_t millimetresY = 254) {
    EmfBuilder emf;
    emf.frame[0] = left;
    emf.frame[1] = top;
    emf.frame[2] = right;
    emf.frame[3] = bottom;
    emf.device[0] = deviceX;
    emf.device[1] = deviceY;
    emf.millimetres[0] = millimetresX;
    emf.millimetres[1] = millimetresY;
    return emf.Build();
}

Bytes Wmf(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
          std::uint16_t unitsPerInch) {
    WmfBuilder wmf;
    wmf.box[0] = left;
    wmf.box[1] = top;
    wmf.box[2] = right;
    wmf.box[3] = bottom;
    wmf.unitsPerInch = unitsPerInch;
    return wmf.Build();
}

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class MetafileSize : public ::testing::TestWithParam<Case> {};

TEST_P(MetafileSize, FollowsTheHeader) {
    const Case& c = GetParam();
    const auto picture = ReadMetafileFile(c.file);
    EXPECT_EQ(picture->Width(), c.width);
    EXPECT_EQ(picture->Height(), c.height);
}

// The reference device in the builder has 1000 pixels to 254 mm.
const Case kCases[] = {
    {"enhanced_frame_of_one_inch", Emf(0, 0, 2540, 2540), 100, 100},
    {"enhanced_frame_measured_from_its_own_corner", Emf(1000, -500, 3540, 2040), 100, 100},
    {"enhanced_size_truncated_instead_of_rounded", Emf(0, 0, 2539, 2515), 100, 99},
    {"enhanced_device_denser_across_than_down", Emf(0, 0, 2540, 2540, 2000, 500), 200, 50},
    {"enhanced_millimetres_mixed_up_across_and_down", Emf(0, 0, 2540, 2540, 1000, 1000, 127, 508),
     200, 50},
    {"enhanced_frame_turned_inside_out", Emf(2540, 2540, 0, 0), 0, 0},
    {"placeable_one_inch_at_1440_per_inch", Wmf(0, 0, 1440, 720, 1440), 96, 48},
    {"placeable_size_truncated_instead_of_rounded", Wmf(0, 0, 100, 50, 96), 100, 50},
    {"placeable_0_units_per_inch_not_taken_as_96", Wmf(0, 0, 96, 192, 0), 96, 192},
    {"placeable_box_measured_from_its_own_corner", Wmf(-100, 200, 620, 920, 720), 96, 96},
    {"placeable_box_turned_inside_out", Wmf(100, 100, 0, 0, 96), 0, 0},
    {"placeable_width_overflowing_16_bits", Wmf(-32768, -32768, 32767, 0, 65535), 96, 48},
};

INSTANTIATE_TEST_SUITE_P(Headers, MetafileSize, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(MetafileSize, FrameTooLargeForAnyRasterIsRefusedForMemory) {
    for (const Bytes& file : {Emf(0, 0, 2000000000, 2000000000),
                              Emf(-2147483647 - 1, 0, 2147483647, 2540, 2147483647, 1000, 1, 254),
                              Wmf(-32768, -32768, 32767, 32767, 1)}) {
        try {
            ReadMetafileFile(file);
            FAIL() << "accepted";
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), "ﾒﾓﾘが足りません");
        }
    }
}

} // namespace
} // namespace quorvel
