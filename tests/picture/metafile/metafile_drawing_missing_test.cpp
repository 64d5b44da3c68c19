#include "picture/picture.h"
#include "support/metafilebuilder.h"

#include <gtest/gtest.h>
#include <vector>

namespace quorvel {
namespace {

using test::Bytes;
using test::EmfBuilder;
using test::WmfBuilder;

constexpr QRgb kClear = 0;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kBlack = 0xFF000000;

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

// Enhanced metafile records; the builder's frame maps 1 : 1 onto 100 x 100 pixels.
enum : std::uint32_t {
    kSetWindowExt = 9,
    kSetWindowOrg = 10,
    kSetViewportExt = 11,
    kSetMapMode = 17,
    kMoveTo = 27,
    kExcludeClip = 29,
    kIntersectClip = 30,
    kSaveDc = 33,
    kRestoreDc = 34,
    kModifyWorldTransform = 36,
    kSelect = 37,
    kCreatePen = 38,
    kCreateBrush = 39,
    kEllipse = 42,
    kRectangle = 43,
    kPie = 47,
    kLineTo = 54,
    kBeginPath = 59,
    kEndPath = 60,
    kFillPath = 62,
    kSelectClipPath = 67,
    kExtSelectClipRgn = 75,
    kPolygon16 = 86,
    kPolyPolygon16 = 91,
};
constexpr std::int32_t kStock = static_cast<std::int32_t>(0x80000000u);
constexpr std::int32_t kNullPen = kStock | 8;

EmfBuilder EmfWithGreenBrushAndRedPen() {
    EmfBuilder emf;
    emf.Add(kCreateBrush, {1, 0, 0x00FF00, 0}).Add(kSelect, {1});
    emf.Add(kCreatePen, {2, 0, 1, 0, 0x0000FF}).Add(kSelect, {2});
    return emf;
}

Bytes EmfWithOffsetFrame() {
    EmfBuilder emf = EmfWithGreenBrushAndRedPen();
    emf.frame[0] = 2540;
    emf.frame[1] = 2540;
    emf.frame[2] = 5080;
    emf.frame[3] = 5080;
    return emf.Add(kRectangle, {110, 110, 150, 150}).Build();
}

// A clip that is no rectangle, drawn through and removed by a restore,
// before the clip under test.
EmfBuilder EmfAfterARestoredClip() {
    EmfBuilder emf = EmfWithGreenBrushAndRedPen();
    emf.Add(kSaveDc, {}).Add(kIntersectClip, {0, 0, 20, 20}).Add(kExcludeClip, {5, 5, 10, 10});
    emf.Add(kRectangle, {0, 0, 20, 20}).Add(kRestoreDc, {-1});
    return emf;
}

// A region replacing the clip: two bands in device pixels, 0..40 and 60..100
// high and 50 wide, so that it is no rectangle.
const std::vector<std::int32_t> kTwoBands = {64,  5, 32, 1,  2,  32, 0,  0,  100,
                                             100, 0, 0,  50, 40, 0,  60, 50, 100};
const std::vector<Probe> kInsideBandsOnly = {{30, 20, kGreen}, {30, 50, kClear}, {70, 20, kClear}};

// Windows metafile records; the builder's box maps 1 : 1 onto 100 x 100 pixels.
enum : std::uint16_t {
    kWmfSaveDc = 0x001E,
    kWmfRestoreDc = 0x0127,
    kWmfSelect = 0x012D,
    kWmfDelete = 0x01F0,
    kWmfSetWindowOrg = 0x020B,
    kWmfSetWindowExt = 0x020C,
    kWmfLineTo = 0x0213,
    kWmfMoveTo = 0x0214,
    kWmfCreatePen = 0x02FA,
    kWmfCreateBrush = 0x02FC,
    kWmfPolygon = 0x0324,
    kWmfExcludeClip = 0x0415,
    kWmfIntersectClip = 0x0416,
    kWmfEllipse = 0x0418,
    kWmfRectangle = 0x041B,
};

// A 2 x 2 bitmap: red, green over yellow, blue.
constexpr QRgb kYellow = 0xFFFFFF00;
Bytes Info() {
    return test::DibInfo24(2, 2);
}
Bytes Rows() {
    return test::DibRows24(2, 2, {0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF});
}

// STRETCHDIBITS of the bitmap's source rectangle onto 10..90.
Bytes StretchDiBits(std::int32_t sourceWidth, std::int32_t sourceHeight) {
    Bytes payload;
    for (std::int32_t v : {0, 0, 0, 0, 10, 10, 0, 0, sourceWidth, sourceHeight, 80, 40, 120, 16, 0,
                           0x00CC0020, 80, 80}) {
        test::Put32(payload, static_cast<std::uint32_t>(v));
    }
    const Bytes info = Info();
    const Bytes rows = Rows();
    payload.insert(payload.end(), info.begin(), info.end());
    payload.insert(payload.end(), rows.begin(), rows.end());
    return payload;
}

// A Windows metafile record's parameters followed by the packed bitmap.
Bytes WithDib(const std::vector<std::int16_t>& params) {
    Bytes payload;
    for (std::int16_t v : params) {
        test::Put16(payload, static_cast<std::uint16_t>(v));
    }
    const Bytes info = Info();
    const Bytes rows = Rows();
    payload.insert(payload.end(), info.begin(), info.end());
    payload.insert(payload.end(), rows.begin(), rows.end());
    return payload;
}

WmfBuilder WmfWithGreenBrushAndRedPen() {
    WmfBuilder wmf;
    // Colours are two words, low first: 0x0000FF00 is green, 0x000000FF red.
    wmf.Add(kWmfCreateBrush, {0, -256, 0x0000, 0}).Add(kWmfSelect, {0});
    wmf.Add(kWmfCreatePen, {0, 1, 0, 0x00FF, 0x0000}).Add(kWmfSelect, {1});
    return wmf;
}

const Case kCases[] = {
    {"enhanced_rectangle_fill_and_rim_missing",
     EmfWithGreenBrushAndRedPen().Add(kRectangle, {10, 10, 50, 40}).Build(),
     {{30, 25, kGreen}, {10, 25, kRed}, {30, 10, kRed}, {70, 70, kClear}, {5, 5, kClear}}},
    {"enhanced_line_missing",
     EmfWithGreenBrushAndRedPen().Add(kMoveTo, {0, 90}).Add(kLineTo, {99, 90}).Build(),
     {{50, 90, kRed}, {50, 80, kClear}}},
    {"enhanced_negative_pen_width_drawn_as_a_hairline",
     EmfBuilder().Add(kCreatePen, {2, 0, -6, 0, 0x0000FF}).Add(kSelect, {2}).Add(kMoveTo, {0, 50}).Add(kLineTo, {99, 50}).Build(),
     {{50, 52, kRed}, {50, 48, kRed}, {50, 56, kClear}}},
    {"enhanced_ellipse_missing_or_filling_its_corners",
     EmfWithGreenBrushAndRedPen().Add(kEllipse, {20, 20, 80, 80}).Build(),
     {{50, 50, kGreen}, {22, 22, kClear}, {20, 50, kRed}}},
    {"enhanced_pie_drawn_on_the_wrong_side",
     EmfWithGreenBrushAndRedPen().Add(kPie, {0, 0, 100, 100, 100, 50, 50, 0}).Build(),
     {{70, 30, kGreen}, {30, 70, kClear}, {30, 30, kClear}}},
    {"enhanced_polygon_points_misread",
     EmfWithGreenBrushAndRedPen()
         .Add(kSelect, {kNullPen})
         .AddBytes(kPolygon16, {0, 0, 0, 0, 0,  0, 0,  0, 0,  0, 0,  0, 0,  0, 0,  0,
                                3, 0, 0, 0, 10, 0, 10, 0, 90, 0, 10, 0, 10, 0, 90, 0})
         .Build(),
     {{20, 20, kGreen}, {80, 80, kClear}}},
    {"enhanced_poly_polygon_figures_joined",
     EmfWithGreenBrushAndRedPen()
         .Add(kSelect, {kNullPen})
         .AddBytes(kPolyPolygon16, {0, 0, 0, 0, 0,  0, 0,  0, 0,  0, 0,  0, 0,  0, 0,  0, 2,  0,  0,
                                    0, 6, 0, 0, 0,  3, 0,  0, 0,  3, 0,  0, 0,  0, 0,  0, 0,  40, 0,
                                    0, 0, 0, 0, 40, 0, 60, 0, 60, 0, 99, 0, 60, 0, 60, 0, 99, 0})
         .Build(),
     {{10, 10, kGreen}, {70, 70, kGreen}, {50, 50, kClear}}},
    {"enhanced_stock_black_brush_not_selected",
     EmfWithGreenBrushAndRedPen()
         .Add(kSelect, {kStock | 4})
         .Add(kRectangle, {10, 10, 50, 50})
         .Build(),
     {{30, 30, kBlack}}},
    {"enhanced_window_to_viewport_mapping_ignored",
     EmfWithGreenBrushAndRedPen()
         .Add(kSetMapMode, {8})
         .Add(kSetWindowOrg, {1000, 0})
         .Add(kSetWindowExt, {1000, 1000})
         .Add(kSetViewportExt, {100, 100})
         .Add(kRectangle, {1500, 500, 1900, 900})
         .Build(),
     {{70, 70, kGreen}, {30, 30, kClear}}},
    {"enhanced_metric_mode_drawn_upside_down",
     EmfWithGreenBrushAndRedPen()
         .Add(kSetMapMode, {2}) // 0.1 mm, y up; 3.937 pixels to the millimetre
         .Add(kRectangle, {0, 0, 100, -100})
         .Build(),
     {{20, 20, kGreen}, {60, 60, kClear}}},
    {"enhanced_world_transform_ignored",
     EmfWithGreenBrushAndRedPen()
         .Add(kModifyWorldTransform, {0x40000000, 0, 0, 0x40000000, 0, 0, 4}) // scale 2
         .Add(kRectangle, {25, 25, 45, 45})
         .Build(),
     {{70, 70, kGreen}, {30, 30, kClear}}},
    {"enhanced_saved_brush_not_restored",
     EmfWithGreenBrushAndRedPen()
         .Add(kSaveDc, {})
         .Add(kSelect, {kStock | 4})
         .Add(kRestoreDc, {-1})
         .Add(kRectangle, {10, 10, 50, 50})
         .Build(),
     {{30, 30, kGreen}}},
    {"enhanced_clip_rectangle_ignored",
     EmfWithGreenBrushAndRedPen()
         .Add(kIntersectClip, {0, 0, 50, 100})
         .Add(kRectangle, {10, 10, 90, 90})
         .Build(),
     {{30, 50, kGreen}, {70, 50, kClear}}},
    {"enhanced_region_clip_lost_after_a_restore",
     EmfAfterARestoredClip()
         .Add(kExtSelectClipRgn, kTwoBands)
         .Add(kRectangle, {10, 10, 90, 90})
         .Build(),
     kInsideBandsOnly},
    {"enhanced_clip_path_clip_lost_after_a_removed_clip",
     EmfWithGreenBrushAndRedPen()
         .Add(kIntersectClip, {0, 0, 20, 20})
         .Add(kExcludeClip, {5, 5, 10, 10})
         .Add(kRectangle, {0, 0, 20, 20})
         .Add(kExtSelectClipRgn, {0, 5})
         .Add(kBeginPath, {})
         .Add(kRectangle, {0, 0, 50, 40})
         .Add(kRectangle, {0, 60, 50, 100})
         .Add(kEndPath, {})
         .Add(kSelectClipPath, {5})
         .Add(kRectangle, {10, 10, 90, 90})
         .Build(),
     kInsideBandsOnly},
    {"enhanced_path_not_filled",
     EmfWithGreenBrushAndRedPen()
         .Add(kBeginPath, {})
         .Add(kRectangle, {10, 10, 50, 50})
         .Add(kEndPath, {})
         .Add(kFillPath, {0, 0, 0, 0})
         .Build(),
     {{30, 30, kGreen}}},
    {"enhanced_frame_origin_ignored", EmfWithOffsetFrame(), {{30, 30, kGreen}, {70, 70, kClear}}},
    {"enhanced_selection_of_a_deleted_or_unknown_object_crashes",
     EmfWithGreenBrushAndRedPen()
         .Add(kSelect, {7})
         .Add(kSelect, {70000})
         .Add(kCreateBrush, {70000, 0, 0xFF0000, 0})
         .Add(kRectangle, {10, 10, 50, 50})
         .Build(),
     {{30, 30, kGreen}}},
    {"enhanced_bitmap_rows_not_turned_upright",
     EmfBuilder().AddBytes(81, StretchDiBits(2, 2)).Build(),
     {{20, 20, kRed}, {80, 20, kGreen}, {20, 80, kYellow}, {80, 80, kBlue}, {5, 5, kClear}}},
    {"enhanced_bitmap_source_counted_from_the_top",
     EmfBuilder().AddBytes(81, StretchDiBits(1, 1)).Build(),
     {{20, 20, kYellow}, {80, 80, kYellow}}},
    {"enhanced_pattern_copy_without_a_bitmap_not_filled",
     EmfWithGreenBrushAndRedPen()
         .Add(76, {0, 0, 0, 0, 10, 10, 40, 40, 0x00F00021, 0, 0, 0x3F800000, 0, 0, 0x3F800000, 0,
                   0, 0, 0, 0, 0, 0, 0})
         .Build(),
     {{30, 30, kGreen}, {60, 60, kClear}}},
    {"placeable_bitmap_rows_not_turned_upright",
     WmfBuilder().AddBytes(0x0F43, WithDib({0x0020, 0x00CC, 0, 2, 2, 0, 0, 80, 80, 10, 10})).Build(),
     {{20, 20, kRed}, {80, 20, kGreen}, {20, 80, kYellow}, {80, 80, kBlue}}},
    {"placeable_stretched_copy_parameters_misread",
     WmfBuilder().AddBytes(0x0B41, WithDib({0x0020, 0x00CC, 1, 1, 0, 1, 40, 40, 50, 50})).Build(),
     {{60, 60, kGreen}, {89, 89, kGreen}, {40, 40, kClear}}},
    {"placeable_copy_parameters_misread",
     WmfBuilder().AddBytes(0x0940, WithDib({0x0020, 0x00CC, 1, 0, 1, 2, 5, 7})).Build(),
     {{7, 5, kYellow}, {8, 5, kBlue}, {7, 6, kClear}, {6, 5, kClear}}},
    {"placeable_pattern_copy_not_filled",
     WmfWithGreenBrushAndRedPen().Add(0x061D, {0x0021, 0x00F0, 40, 40, 10, 10}).Build(),
     {{30, 30, kGreen}, {60, 60, kClear}}},
    {"placeable_rectangle_fill_and_rim_missing",
     WmfWithGreenBrushAndRedPen().Add(kWmfRectangle, {40, 50, 10, 20}).Build(),
     {{35, 25, kGreen}, {20, 25, kRed}, {35, 10, kRed}, {60, 25, kClear}, {35, 45, kClear}}},
    {"placeable_coordinates_read_in_the_wrong_order",
     WmfWithGreenBrushAndRedPen().Add(kWmfMoveTo, {90, 0}).Add(kWmfLineTo, {90, 99}).Build(),
     {{50, 90, kRed}, {90, 50, kClear}}},
    {"placeable_ellipse_missing",
     WmfWithGreenBrushAndRedPen().Add(kWmfEllipse, {80, 80, 20, 20}).Build(),
     {{50, 50, kGreen}, {22, 22, kClear}}},
    {"placeable_polygon_missing",
     WmfWithGreenBrushAndRedPen().Add(kWmfPolygon, {3, 10, 10, 90, 10, 10, 90}).Build(),
     {{20, 20, kGreen}, {80, 80, kClear}}},
    {"placeable_window_not_mapped_onto_the_picture",
     WmfWithGreenBrushAndRedPen()
         .Add(kWmfSetWindowOrg, {0, 1000})
         .Add(kWmfSetWindowExt, {1000, 1000})
         .Add(kWmfRectangle, {900, 1900, 500, 1500})
         .Build(),
     {{70, 70, kGreen}, {30, 30, kClear}}},
    {"placeable_box_origin_ignored",
     [] {
         WmfBuilder wmf = WmfWithGreenBrushAndRedPen();
         wmf.box[0] = 100;
         wmf.box[1] = 100;
         wmf.box[2] = 200;
         wmf.box[3] = 200;
         return wmf.Add(kWmfRectangle, {150, 150, 110, 110}).Build();
     }(),
     {{30, 30, kGreen}, {70, 70, kClear}}},
    {"placeable_new_object_not_put_in_the_lowest_free_slot",
     WmfWithGreenBrushAndRedPen()
         .Add(kWmfDelete, {0})
         .Add(kWmfCreateBrush, {0, 0x0000, 0x00FF, 0})
         .Add(kWmfSelect, {0})
         .Add(kWmfRectangle, {50, 50, 10, 10})
         .Build(),
     {{30, 30, kBlue}}},
    {"placeable_clip_lost_after_a_restore",
     WmfWithGreenBrushAndRedPen()
         .Add(kWmfSaveDc, {})
         .Add(kWmfIntersectClip, {20, 20, 0, 0})
         .Add(kWmfExcludeClip, {10, 10, 5, 5})
         .Add(kWmfRectangle, {20, 20, 0, 0})
         .Add(kWmfRestoreDc, {-1})
         .Add(kWmfExcludeClip, {60, 100, 40, 0})
         .Add(kWmfIntersectClip, {100, 50, 0, 0})
         .Add(kWmfRectangle, {90, 90, 10, 10})
         .Build(),
     kInsideBandsOnly},
    {"placeable_saved_state_not_restored",
     WmfWithGreenBrushAndRedPen()
         .Add(kWmfSaveDc, {})
         .Add(kWmfSetWindowExt, {1000, 1000})
         .Add(kWmfRestoreDc, {-1})
         .Add(kWmfRectangle, {50, 50, 10, 10})
         .Build(),
     {{30, 30, kGreen}}},
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class MetafilePlayback : public ::testing::TestWithParam<Case> {};

TEST_P(MetafilePlayback, ShowsTheRecordedDrawing) {
    const Case& c = GetParam();
    const auto picture = ReadMetafileFile(c.file);
    const QImage image = picture->Image().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(100, 100));
    for (const Probe& probe : c.probes) {
        EXPECT_EQ(image.pixel(probe.x, probe.y), probe.colour)
            << "at " << probe.x << ", " << probe.y;
    }
}

INSTANTIATE_TEST_SUITE_P(Drawings, MetafilePlayback, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

int DarkPixels(const QImage& image, QRect area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            dark += qAlpha(pixel) > 128 && qGray(pixel) < 100 ? 1 : 0;
        }
    }
    return dark;
}

TEST(MetafilePlayback, TextIsDrawnWhereItsReferencePointSays) {
    const Bytes files[] = {EmfBuilder().Text(10, 60, "HHHH").Build(),
                           WmfBuilder().Text(10, 60, "HHHH").Build()};
    for (const Bytes& file : files) {
        const QImage image = ReadMetafileFile(file)->Image();
        EXPECT_GT(DarkPixels(image, QRect(10, 60, 50, 20)), 20);
        EXPECT_EQ(DarkPixels(image, QRect(0, 0, 100, 55)), 0);
    }
}

TEST(MetafilePlayback, ImageIsMadeOnceAndKept) {
    const auto picture =
        ReadMetafileFile(EmfWithGreenBrushAndRedPen().Add(kRectangle, {10, 10, 50, 50}).Build());
    EXPECT_EQ(picture->Image().cacheKey(), picture->Image().cacheKey());
}

} // namespace
} // namespace quorvel
