#include "picture/metafile/emfplayer.h"
#include "picture/metafile/wmfplayer.h"
#include "referencerendering.h"

#include <QString>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

using test::Bytes;
using test::RenderMetafile;

enum class Form { Enhanced, Windows };

// A record kind and the size in bytes of a record that just holds the fixed
// fields its player reads, counted from the formats' layouts: a record one
// field step shorter must be passed over and counted, not played with the
// missing fields read as 0. Fields whose place depends on the content
// (points, strings, bitmaps, regions) are checked by the handlers.
struct Kind {
    const char* name;
    Form form;
    std::uint32_t type;
    std::size_t fixedSize;
};

void PrintTo(const Kind& k, std::ostream* out) {
    *out << k.name;
}

constexpr Form kEmf = Form::Enhanced;
constexpr Form kWmf = Form::Windows;

// Enhanced records: 8 bytes of type and size, then (for drawing records)
// 16 bytes of bounds the players ignore.
const Kind kKinds[] = {
    {"emf_poly_bezier", kEmf, 2, 28}, // bounds, point count
    {"emf_polygon", kEmf, 3, 28},
    {"emf_polyline", kEmf, 4, 28},
    {"emf_poly_bezier_to", kEmf, 5, 28},
    {"emf_polyline_to", kEmf, 6, 28},
    {"emf_poly_polyline", kEmf, 7, 32}, // bounds, figure and point counts
    {"emf_poly_polygon", kEmf, 8, 32},
    {"emf_set_window_ext", kEmf, 9, 16},
    {"emf_set_window_org", kEmf, 10, 16},
    {"emf_set_viewport_ext", kEmf, 11, 16},
    {"emf_set_viewport_org", kEmf, 12, 16},
    {"emf_set_pixel", kEmf, 15, 20}, // point, colour
    {"emf_set_map_mode", kEmf, 17, 12},
    {"emf_set_bk_mode", kEmf, 18, 12},
    {"emf_set_poly_fill_mode", kEmf, 19, 12},
    {"emf_set_text_align", kEmf, 22, 12},
    {"emf_set_text_color", kEmf, 24, 12},
    {"emf_set_bk_color", kEmf, 25, 12},
    {"emf_move_to", kEmf, 27, 16},
    {"emf_exclude_clip_rect", kEmf, 29, 24},
    {"emf_intersect_clip_rect", kEmf, 30, 24},
    {"emf_save_dc", kEmf, 33, 8},
    {"emf_restore_dc", kEmf, 34, 12},
    {"emf_set_world_transform", kEmf, 35, 32},    // six floats
    {"emf_modify_world_transform", kEmf, 36, 36}, // and the mode
    {"emf_select_object", kEmf, 37, 12},
    {"emf_create_pen", kEmf, 38, 28},   // slot, style, width (x, y), colour
    {"emf_create_brush", kEmf, 39, 24}, // slot, style, colour, hatch
    {"emf_delete_object", kEmf, 40, 12},
    {"emf_ellipse", kEmf, 42, 24},
    {"emf_rectangle", kEmf, 43, 24},
    {"emf_round_rect", kEmf, 44, 32},
    {"emf_arc", kEmf, 45, 40}, // box, start, end
    {"emf_chord", kEmf, 46, 40},
    {"emf_pie", kEmf, 47, 40},
    {"emf_create_palette", kEmf, 49, 12}, // the slot it takes
    {"emf_line_to", kEmf, 54, 16},
    {"emf_arc_to", kEmf, 55, 40},
    {"emf_set_arc_direction", kEmf, 57, 12},
    {"emf_begin_path", kEmf, 59, 8},
    {"emf_end_path", kEmf, 60, 8},
    {"emf_close_figure", kEmf, 61, 8},
    {"emf_fill_path", kEmf, 62, 8},
    {"emf_stroke_and_fill_path", kEmf, 63, 8},
    {"emf_stroke_path", kEmf, 64, 8},
    {"emf_select_clip_path", kEmf, 67, 12},
    {"emf_abort_path", kEmf, 68, 8},
    {"emf_ext_select_clip_rgn", kEmf, 75, 16}, // region size, mode
    {"emf_bit_blt", kEmf, 76, 100},            // up to the bitmap rows' size
    {"emf_stretch_blt", kEmf, 77, 108},        // and the source extent
    {"emf_stretch_di_bits", kEmf, 81, 80},     // up to the destination extent
    {"emf_ext_create_font", kEmf, 82, 104},    // slot, 92-byte logical font
    {"emf_ext_text_out_a", kEmf, 83, 76},      // up to the advances' offset
    {"emf_ext_text_out_w", kEmf, 84, 76},
    {"emf_poly_bezier16", kEmf, 85, 28},
    {"emf_polygon16", kEmf, 86, 28},
    {"emf_polyline16", kEmf, 87, 28},
    {"emf_poly_bezier_to16", kEmf, 88, 28},
    {"emf_polyline_to16", kEmf, 89, 28},
    {"emf_poly_polyline16", kEmf, 90, 32},
    {"emf_poly_polygon16", kEmf, 91, 32},
    {"emf_create_mono_brush", kEmf, 93, 12},
    {"emf_create_dib_pattern_brush", kEmf, 94, 12},
    {"emf_ext_create_pen", kEmf, 95, 44}, // up to the colour
    // Windows records: 6 bytes of size and function, then 16-bit fields.
    {"wmf_save_dc", kWmf, 0x001E, 6},
    {"wmf_create_palette", kWmf, 0x00F7, 6}, // the slot is the lowest free
    {"wmf_set_bk_mode", kWmf, 0x0102, 8},
    {"wmf_set_poly_fill_mode", kWmf, 0x0106, 8},
    {"wmf_restore_dc", kWmf, 0x0127, 8},
    {"wmf_select_object", kWmf, 0x012D, 8},
    {"wmf_set_text_align", kWmf, 0x012E, 8},
    {"wmf_dib_create_pattern_brush", kWmf, 0x0142, 6},
    {"wmf_delete_object", kWmf, 0x01F0, 8},
    {"wmf_create_pattern_brush", kWmf, 0x01F9, 6},
    {"wmf_set_bk_color", kWmf, 0x0201, 10},
    {"wmf_set_text_color", kWmf, 0x0209, 10},
    {"wmf_set_window_org", kWmf, 0x020B, 10},
    {"wmf_set_window_ext", kWmf, 0x020C, 10},
    {"wmf_line_to", kWmf, 0x0213, 10},
    {"wmf_move_to", kWmf, 0x0214, 10},
    {"wmf_create_pen", kWmf, 0x02FA, 16},   // style, width (x, y), colour
    {"wmf_create_font", kWmf, 0x02FB, 24},  // the font before its face
    {"wmf_create_brush", kWmf, 0x02FC, 14}, // style, colour, hatch
    {"wmf_polygon", kWmf, 0x0324, 8},
    {"wmf_polyline", kWmf, 0x0325, 8},
    {"wmf_exclude_clip_rect", kWmf, 0x0415, 14},
    {"wmf_intersect_clip_rect", kWmf, 0x0416, 14},
    {"wmf_ellipse", kWmf, 0x0418, 14},
    {"wmf_rectangle", kWmf, 0x041B, 14},
    {"wmf_set_pixel", kWmf, 0x041F, 14},
    {"wmf_text_out", kWmf, 0x0521, 8},
    {"wmf_poly_polygon", kWmf, 0x0538, 8},
    {"wmf_round_rect", kWmf, 0x061C, 18},
    {"wmf_pat_blt", kWmf, 0x061D, 18},
    {"wmf_create_region", kWmf, 0x06FF, 6},
    {"wmf_arc", kWmf, 0x0817, 22},
    {"wmf_pie", kWmf, 0x081A, 22},
    {"wmf_chord", kWmf, 0x0830, 22},
    {"wmf_dib_bit_blt", kWmf, 0x0940, 22},  // up to the bitmap
    {"wmf_ext_text_out", kWmf, 0x0A32, 14}, // point, length, options
    {"wmf_dib_stretch_blt", kWmf, 0x0B41, 26},
    {"wmf_stretch_dib", kWmf, 0x0F43, 28},
};

constexpr std::uint32_t kEmfSaveDc = 33;
constexpr std::uint16_t kWmfSaveDc = 0x001E;
constexpr std::size_t kEmfBareRecord = 8;
constexpr std::size_t kWmfBareRecord = 6;

// The record of `size` bytes, its fields all 0xFF so that nothing reads as
// a harmless 0, followed by a record without fields that must still be
// played.
Bytes MetafileWith(const Kind& kind, std::size_t size) {
    if (kind.form == Form::Enhanced) {
        test::EmfBuilder emf;
        emf.AddBytes(kind.type, Bytes(size - kEmfBareRecord, 0xFF));
        return emf.Add(kEmfSaveDc, {}).Build();
    }
    test::WmfBuilder wmf;
    wmf.AddBytes(static_cast<std::uint16_t>(kind.type), Bytes(size - kWmfBareRecord, 0xFF));
    return wmf.Add(kWmfSaveDc, {}).Build();
}

class ShortRecordPlayed : public testing::TestWithParam<Kind> {};

TEST_P(ShortRecordPlayed, RecordOneFieldShortIsSkippedAndCounted) {
    const Kind& kind = GetParam();
    const std::size_t bare = kind.form == Form::Enhanced ? kEmfBareRecord : kWmfBareRecord;
    // Enhanced records grow in steps of 4 bytes, Windows records of 2.
    const std::size_t step = kind.form == Form::Enhanced ? 4 : 2;
    if (kind.fixedSize == bare) {
        GTEST_SKIP() << "a record without fields cannot be shorter";
    }
    const test::Rendering shortened = RenderMetafile(MetafileWith(kind, kind.fixedSize - step));
    EXPECT_EQ(shortened.tally.played.count(kind.type), 0U) << "played with missing fields";
    EXPECT_EQ(shortened.tally.tooShort, 1U);
    EXPECT_EQ(shortened.tally.played.size(), 1U) << "the record after it was lost";
}

TEST_P(ShortRecordPlayed, RecordWithItsFieldsIsPlayed) {
    const Kind& kind = GetParam();
    const test::Rendering whole = RenderMetafile(MetafileWith(kind, kind.fixedSize));
    EXPECT_EQ(whole.tally.played.count(kind.type), 1U);
    EXPECT_EQ(whole.tally.tooShort, 0U);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShortRecordPlayed, testing::ValuesIn(kKinds),
                         [](const auto& p) { return std::string(p.param.name); });

// A handler added without its size here fails.
TEST(ShortRecordPlayed, EveryHandlerHasItsKind) {
    const std::pair<Form, std::span<const RecordHandler>> tables[] = {
        {Form::Enhanced, EnhancedRecordHandlers()}, {Form::Windows, WindowsRecordHandlers()}};
    for (const auto& [form, table] : tables) {
        for (const RecordHandler& row : table) {
            const bool listed =
                std::any_of(std::begin(kKinds), std::end(kKinds),
                            [&](const Kind& k) { return k.form == form && k.type == row.type; });
            EXPECT_TRUE(listed) << "no kind for record 0x"
                                << QString::number(row.type, 16).toStdString();
        }
    }
}

} // namespace
} // namespace quorvel
