#include "picture/picture.h"
#include "support/metafilebuilder.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace quorvel {
namespace {

using test::Bytes;
using test::EmfBuilder;
using test::Put16;
using test::Put32;
using test::WmfBuilder;

constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kWhite = 0xFFFFFFFF;

// A record whose fields lie outside it or hold extreme values must be
// passed over or drawn within bounds, and the drawing that follows must
// still show: a rectangle over 10..50 whose inside is probed at (30, 30).
struct Case {
    const char* name;
    Bytes file;
    QRgb inside;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

Bytes Emf(const std::function<void(EmfBuilder&)>& bad) {
    EmfBuilder emf;
    emf.Add(39, {1, 0, 0x00FF00, 0}).Add(37, {1});
    bad(emf);
    return emf.Add(43, {10, 10, 50, 50}).Build();
}

Bytes Wmf(const std::function<void(WmfBuilder&)>& bad) {
    WmfBuilder wmf;
    wmf.Add(0x02FC, {0, -256, 0, 0}).Add(0x012D, {0});
    bad(wmf);
    return wmf.Add(0x041B, {50, 50, 10, 10}).Build();
}

Bytes Font(std::int32_t height, std::int32_t escapement) {
    Bytes p;
    for (std::int32_t v : {2, height, 0, escapement, 0, 400}) {
        Put32(p, static_cast<std::uint32_t>(v));
    }
    p.resize(p.size() + 8 + 64, 0);
    return p;
}

// EXTTEXTOUTW of "AB" with the string and advance offsets given.
Bytes Text(std::uint32_t count, std::uint32_t stringAt, std::uint32_t advancesAt) {
    Bytes p(28, 0);
    for (std::uint32_t v : {20u, 60u, count, stringAt, 0u, 0u, 0u, 0u, 0u, advancesAt}) {
        Put32(p, v);
    }
    for (std::uint32_t v : {'A', 'B'}) {
        Put16(p, v);
    }
    return p;
}

constexpr std::int32_t kMin = INT_MIN;
constexpr std::int32_t kMax = INT_MAX;

const Case kCases[] = {
    {"font_escapement_int_min_negated",
     Emf([](EmfBuilder& e) { e.AddBytes(82, Font(-12, kMin)).Add(37, {2}).Text(5, 5, "rotated"); }),
     kGreen},
    {"font_height_int_min_taken_whole",
     Emf([](EmfBuilder& e) { e.AddBytes(82, Font(kMin, 0)).Add(37, {2}).Text(5, 5, "x"); }),
     kGreen},
    {"text_length_beyond_the_record",
     Emf([](EmfBuilder& e) { e.AddBytes(84, Text(0x7FFFFFFF, 76, 0)); }), kGreen},
    {"text_offset_beyond_the_record",
     Emf([](EmfBuilder& e) { e.AddBytes(84, Text(2, 0xFFFFFFF0, 0)); }), kGreen},
    {"text_advances_beyond_the_record",
     Emf([](EmfBuilder& e) { e.AddBytes(84, Text(2, 76, 0xFFFFFFFC)); }), kGreen},
    {"point_count_beyond_the_record", Emf([](EmfBuilder& e) {
         e.Add(86, {0, 0, 0, 0, kMax, 10, 10});
     }),
     kGreen},
    {"point_count_wrapping_the_byte_count", Emf([](EmfBuilder& e) {
         e.Add(3, {0, 0, 0, 0, 0x20000001, 10, 10});
     }),
     kGreen},
    {"figure_counts_summing_past_the_total", Emf([](EmfBuilder& e) {
         e.Add(91, {0, 0, 0, 0, 2, 3, 3, 3, 0x00010001, 0x00020002, 0x00030003});
     }),
     kGreen},
    {"figure_count_beyond_the_record", Emf([](EmfBuilder& e) {
         e.Add(8, {0, 0, 0, 0, kMax, 1, 1, 5, 5});
     }),
     kGreen},
    {"restore_of_more_levels_than_saved",
     Emf([](EmfBuilder& e) { e.Add(34, {-5}).Add(34, {kMin}).Add(34, {kMax}).Add(34, {0}); }),
     kGreen},
    {"window_extent_of_0_divides_by_zero", Emf([](EmfBuilder& e) {
         e.Add(17, {8}).Add(9, {0, 0}).Add(11, {0, 5});
     }),
     kGreen},
    {"singular_world_transform_taken", Emf([](EmfBuilder& e) {
         e.Add(35, {0, 0, 0, 0, 0, 0}).Add(36, {0, 0, 0, 0, 0, 0, 4});
     }),
     kGreen},
    {"not_a_number_in_the_world_transform", Emf([](EmfBuilder& e) {
         e.Add(35, {0x7FC00000, 0, 0, 0x3F800000, 0, 0});
     }),
     kGreen},
    {"region_rectangles_beyond_the_record", Emf([](EmfBuilder& e) {
         e.Add(75, {48, 1, 32, 1, 0x10000000, 32, 0, 0, 9, 9, 0, 0, 9, 9});
     }),
     kGreen},
    {"region_size_beyond_the_record", Emf([](EmfBuilder& e) {
         e.Add(75, {kMax, 1, 32, 1, 0, 0});
     }),
     kGreen},
    {"object_index_beyond_the_table", Emf([](EmfBuilder& e) {
         e.Add(39, {kMin | 5, 0, 0xFF, 0})
             .Add(39, {1000, 0, 0xFF, 0})
             .Add(37, {1000})
             .Add(40, {-1});
     }),
     kGreen},
    {"deleted_brush_still_selected_when_drawn",
     Emf([](EmfBuilder& e) { e.Add(40, {1}).Add(37, {1}); }), kGreen},
    {"coordinates_at_the_ends_of_32_bits", Emf([](EmfBuilder& e) {
         e.Add(38, {3, 0, 3, 0, 0}).Add(37, {3}).Add(27, {kMin, kMin}).Add(54, {kMax, kMax});
         e.Add(42, {kMin, kMin, kMax, kMax}).Add(45, {kMin, 0, kMax, 1, kMax, kMax, kMin, kMin});
         e.Add(37, {static_cast<std::int32_t>(0x80000005)}).Add(43, {kMin, kMin, kMax, kMax});
     }),
     kGreen},
    {"dashed_wide_pen_on_a_line_across_32_bits", Emf([](EmfBuilder& e) {
         e.Add(95, {3, 0, 0, 0, 0, 0x00010001, 2, 0, 0xFF, 0, 0}).Add(37, {3});
         e.Add(27, {kMin, 20}).Add(54, {kMax, 20});
     }),
     kGreen},
    {"clip_rectangle_at_the_ends_of_32_bits", Emf([](EmfBuilder& e) {
         e.Add(30, {kMin, kMin, kMax, kMax}).Add(29, {kMax - 9, kMin, kMax, kMax});
     }),
     kGreen},
    {"arc_in_an_empty_box", Emf([](EmfBuilder& e) {
         e.Add(47, {5, 5, 5, 5, 5, 5, 5, 5}).Add(55, {5, 5, 5, 9, 0, 0, 1, 1});
     }),
     kGreen},
    {"path_ops_without_a_path", Emf([](EmfBuilder& e) {
         e.Add(60, {}).Add(61, {}).Add(62, {0, 0, 0, 0}).Add(64, {0, 0, 0, 0}).Add(67, {5});
         e.Add(59, {}).Add(5, {0, 0, 0, 0, 2, 1, 1, 2, 2}).Add(68, {});
     }),
     kGreen},
    {"deep_save_nesting", Emf([](EmfBuilder& e) {
         for (int i = 0; i < 10000; ++i) {
             e.Add(33, {});
         }
     }),
     kGreen},
    {"windows_text_count_beyond_the_record", Wmf([](WmfBuilder& w) {
         w.Add(0x0521, {30000, 0x4241}).Add(0x0A32, {5, 5, 30000, 6, 0, 0});
     }),
     kGreen},
    {"windows_poly_polygon_counts_beyond_the_record", Wmf([](WmfBuilder& w) {
         w.Add(0x0538, {2, 3, 30000, 1, 1, 5, 5, 9, 1});
     }),
     kGreen},
    {"windows_point_count_beyond_the_record", Wmf([](WmfBuilder& w) {
         w.Add(0x0324, {-1, 1, 1}).Add(0x0325, {30000, 1, 1});
     }),
     kGreen},
    {"windows_select_of_an_empty_or_missing_slot",
     Wmf([](WmfBuilder& w) { w.Add(0x012D, {5}).Add(0x012D, {-1}).Add(0x01F0, {-1}); }), kGreen},
    {"windows_window_extent_of_0", Wmf([](WmfBuilder& w) {
         w.Add(0x020C, {0, 0});
     }),
     kGreen},
    {"windows_record_cut_short",
     Wmf([](WmfBuilder& w) { w.Add(0x041B, {}).Add(0x0817, {1}).Add(0x02FB, {}); }), kGreen},
    {"windows_object_table_of_0_slots",
     [] {
         WmfBuilder wmf;
         wmf.objects = 0;
         return wmf.Add(0x02FC, {0, -256, 0, 0})
             .Add(0x012D, {0})
             .Add(0x041B, {50, 50, 10, 10})
             .Build();
     }(),
     kWhite},
};

class MetafileMalformedRecord : public ::testing::TestWithParam<Case> {};

TEST_P(MetafileMalformedRecord, IsPassedOverAndTheDrawingGoesOn) {
    const Case& c = GetParam();
    const QImage image = ReadMetafileFile(c.file)->Image().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(image.pixel(30, 30), c.inside);
}

INSTANTIATE_TEST_SUITE_P(Records, MetafileMalformedRecord, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel
