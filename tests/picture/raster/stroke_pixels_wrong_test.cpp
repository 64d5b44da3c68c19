#include "numtext/failure.h"
#include "picture/picture.h"
#include "support/drawnpixels.h"
#include "support/imagecompare.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

using testing_support::Pixel;
using testing_support::PixelsOf;
using testing_support::PlainBitmap;
using testing_support::ReachableFromBorder;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr Rgb kRedPen{255, 0, 0};
constexpr std::uint32_t kRed = 0xFF0000; // as the image shows them

struct ThinLine {
    const char* name;
    int x0, y0, x1, y1;
    std::set<Pixel> expected;
};

std::set<Pixel> Row(int y, int from, int to) {
    std::set<Pixel> pixels;
    for (int x = from; x <= to; ++x) {
        pixels.insert({x, y});
    }
    return pixels;
}

std::set<Pixel> Diagonal(int from, int to) {
    std::set<Pixel> pixels;
    for (int k = from; k <= to; ++k) {
        pixels.insert({k, k});
    }
    return pixels;
}

const ThinLine kThinLines[] = {
    {"horizontal_end_point_drawn", 2, 5, 6, 5, Row(5, 2, 5)},
    {"leftward_end_point_drawn", 6, 2, 3, 2, Row(2, 4, 6)},
    {"vertical_end_point_drawn", 3, 1, 3, 4, {{3, 1}, {3, 2}, {3, 3}}},
    {"diagonal_end_point_drawn", 1, 1, 4, 4, Diagonal(1, 3)},
    {"shallow_slope_off_nearest_pixels",
     0,
     0,
     6,
     2,
     {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}},
    {"steep_slope_off_nearest_pixels",
     0,
     0,
     2,
     6,
     {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 5}}},
    {"zero_length_draws", 5, 5, 5, 5, {}},
    {"start_outside_not_clipped_to_edge", -100, 3, 4, 3, Row(3, 0, 3)},
    {"end_outside_not_clipped_to_edge", 17, 8, 100, 8, Row(8, 17, 19)},
    {"full_range_horizontal_overflows", INT_MIN, 2, INT_MAX, 2, Row(2, 0, 19)},
    {"full_range_diagonal_overflows", INT_MIN, INT_MIN, INT_MAX, INT_MAX, Diagonal(0, 19)},
    {"outside_raster_draws", -10, -10, -5, 30, {}},
};

class ThinLineWrongPixels : public testing::TestWithParam<ThinLine> {};

TEST_P(ThinLineWrongPixels, CoversSegmentWithoutEndPoint) {
    const ThinLine& line = GetParam();
    for (int width : {0, 1}) {
        std::unique_ptr<Picture> picture = PlainBitmap(20, 20, kBlack);
        DrawingSurface& surface = picture->GetDrawingSurface();
        surface.SetPenColor(kRedPen);
        surface.SetPenWidth(width);
        surface.MoveTo(line.x0, line.y0);
        surface.LineTo(line.x1, line.y1);
        EXPECT_EQ(PixelsOf(picture->Image(), kRed), line.expected) << "pen width " << width;
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, ThinLineWrongPixels, testing::ValuesIn(kThinLines),
                         [](const auto& p) { return std::string(p.param.name); });

std::set<int> RowsAt(const QImage& image, int x, std::uint32_t colour) {
    std::set<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if ((image.pixel(x, y) & 0xFFFFFF) == colour) {
            rows.insert(y);
        }
    }
    return rows;
}

QImage Stroke(int width, int x0, int y0, int x1, int y1) {
    std::unique_ptr<Picture> picture = PlainBitmap(30, 30, kBlack);
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.SetPenColor(kRedPen);
    surface.SetPenWidth(width);
    surface.MoveTo(x0, y0);
    surface.LineTo(x1, y1);
    return picture->Image();
}

std::set<int> ColumnsAt(const QImage& image, int y, std::uint32_t colour) {
    std::set<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if ((image.pixel(x, y) & 0xFFFFFF) == colour) {
            columns.insert(x);
        }
    }
    return columns;
}

TEST(WideStrokeWrongThickness, WidthIsPixelsAcross) {
    EXPECT_EQ(RowsAt(Stroke(2, 3, 10, 20, 10), 12, kRed).size(), 2u);
    EXPECT_EQ(ColumnsAt(Stroke(2, 10, 3, 10, 20), 12, kRed).size(), 2u);
    EXPECT_EQ(RowsAt(Stroke(3, 3, 10, 20, 10), 12, kRed), (std::set<int>{9, 10, 11}));
    EXPECT_EQ(ColumnsAt(Stroke(3, 10, 3, 10, 20), 12, kRed), (std::set<int>{9, 10, 11}));
}

TEST(WideStrokeWrongEnds, EndsAreRound) {
    // Width 4 from (5, 10) to (15, 10): the end reaches one pixel past the
    // end point on the line, but not into the corner a square end would fill.
    const QImage image = Stroke(4, 5, 10, 15, 10);
    EXPECT_EQ(image.pixel(16, 10) & 0xFFFFFF, kRed);
    EXPECT_EQ(image.pixel(3, 10) & 0xFFFFFF, kRed);
    EXPECT_EQ(image.pixel(16, 8) & 0xFFFFFF, kBlack);
    EXPECT_EQ(image.pixel(18, 10) & 0xFFFFFF, kBlack);
}

TEST(WideStrokeWrongEnds, FullRangeWideLineClipped) {
    const QImage image = Stroke(2, INT_MIN, 10, INT_MAX, 10);
    EXPECT_EQ(RowsAt(image, 0, kRed).size(), 2u);
    EXPECT_EQ(RowsAt(image, 29, kRed).size(), 2u);
}

struct Outline {
    const char* name;
    int width;
    std::vector<Pixel> corners;
    Pixel inside;
};

class OutlineHasGaps : public testing::TestWithParam<Outline> {};

TEST_P(OutlineHasGaps, ClosedChainEnclosesInside) {
    std::unique_ptr<Picture> picture = PlainBitmap(30, 30, kBlack);
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.SetPenColor(kRedPen);
    surface.SetPenWidth(GetParam().width);
    const auto& corners = GetParam().corners;
    surface.MoveTo(corners.back().first, corners.back().second);
    for (const Pixel& corner : corners) {
        surface.LineTo(corner.first, corner.second);
    }
    const QImage image = picture->Image();
    EXPECT_FALSE(ReachableFromBorder(image, GetParam().inside, kRed));
    for (const Pixel& corner : corners) {
        EXPECT_EQ(image.pixel(corner.first, corner.second) & 0xFFFFFF, kRed)
            << corner.first << ", " << corner.second;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chains, OutlineHasGaps,
    testing::Values(Outline{"box_one_pixel", 1, {{5, 5}, {20, 5}, {20, 20}, {5, 20}}, {12, 12}},
                    Outline{"box_two_pixels", 2, {{5, 5}, {20, 5}, {20, 20}, {5, 20}}, {12, 12}},
                    Outline{
                        "diamond_one_pixel", 1, {{15, 3}, {26, 15}, {15, 27}, {3, 15}}, {15, 15}},
                    Outline{"slanted_one_pixel", 1, {{4, 4}, {25, 9}, {18, 26}}, {16, 13}},
                    Outline{"slanted_two_pixels", 2, {{4, 4}, {25, 9}, {18, 26}}, {16, 13}}),
    [](const auto& p) { return std::string(p.param.name); });

QImage EllipseOn(std::uint32_t background, int penWidth, int x1, int y1, int x2, int y2,
                 int size = 30) {
    std::unique_ptr<Picture> picture = PlainBitmap(size, size, background);
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.SetPenColor(kRedPen);
    surface.SetPenWidth(penWidth);
    surface.Ellipse(x1, y1, x2, y2);
    return picture->Image();
}

// The smallest rectangle holding every pixel that is not `background`.
QRect Extent(const QImage& image, std::uint32_t background) {
    QRect extent;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != background) {
                extent |= QRect(x, y, 1, 1);
            }
        }
    }
    return extent;
}

TEST(EllipseWrongExtent, RightAndBottomEdgesExcluded) {
    EXPECT_EQ(Extent(EllipseOn(kGreen, 1, 5, 5, 15, 15), kGreen), QRect(5, 5, 10, 10));
    EXPECT_EQ(Extent(EllipseOn(kGreen, 1, 2, 7, 25, 12), kGreen), QRect(2, 7, 23, 5));
}

TEST(EllipseWrongExtent, SwappedCornersSameFigure) {
    EXPECT_TRUE(testing_support::SameImage(EllipseOn(kGreen, 2, 15, 15, 5, 5),
                                           EllipseOn(kGreen, 2, 5, 5, 15, 15)));
}

TEST(EllipseWrongExtent, EmptyRectangleDrawsNothing) {
    EXPECT_EQ(Extent(EllipseOn(kGreen, 1, 5, 5, 5, 15), kGreen), QRect());
}

TEST(EllipseNotFilled, InsideWhiteOverWhatLayBeneath) {
    const QImage image = EllipseOn(kGreen, 2, 5, 5, 15, 15);
    EXPECT_EQ(image.pixel(9, 9) & 0xFFFFFF, kWhite);
    EXPECT_EQ(image.pixel(10, 10) & 0xFFFFFF, kWhite);
    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFF, kGreen);
}

TEST(EllipseRimWrongThickness, PenTwoGivesTwoPixelRim) {
    const QImage image = EllipseOn(kGreen, 2, 5, 5, 15, 15);
    // Along the middle row: green, then two red, then white.
    std::string row;
    for (int x = 0; x < 30; ++x) {
        std::uint32_t c = image.pixel(x, 10) & 0xFFFFFF;
        row += c == kRed ? 'r' : c == kWhite ? 'w' : c == kGreen ? 'g' : '?';
    }
    EXPECT_NE(row.find("grrw"), std::string::npos) << row;
    EXPECT_NE(row.find("wrrg"), std::string::npos) << row;
}

class EllipseRimHasGaps : public testing::TestWithParam<QRect> {};

TEST_P(EllipseRimHasGaps, RimEnclosesFill) {
    const QRect r = GetParam();
    const QImage image = EllipseOn(kGreen, 1, r.left(), r.top(), r.right() + 1, r.bottom() + 1, 60);
    const std::set<Pixel> inside = PixelsOf(image, kWhite);
    ASSERT_FALSE(inside.empty());
    EXPECT_FALSE(ReachableFromBorder(image, *inside.begin(), kRed));
}

INSTANTIATE_TEST_SUITE_P(Sizes, EllipseRimHasGaps,
                         testing::Values(QRect(5, 5, 10, 10), QRect(2, 3, 7, 47),
                                         QRect(1, 20, 57, 11), QRect(10, 10, 5, 5),
                                         QRect(3, 3, 54, 54), QRect(20, 1, 4, 58)));

TEST(EllipseHugeCoordinates, FullRangeRectangleFillsRasterWhite) {
    const QImage image = EllipseOn(kGreen, 2, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(PixelsOf(image, kWhite).size(), 30u * 30u);
}

TEST(EllipseHugeCoordinates, FarAwayRectangleDrawsNothing) {
    EXPECT_EQ(Extent(EllipseOn(kGreen, 2, INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX), kGreen),
              QRect());
}

TEST(EllipseMovedPosition, PositionUnchanged) {
    std::unique_ptr<Picture> picture = PlainBitmap(30, 30, kBlack);
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.SetPenColor(kRedPen);
    surface.MoveTo(2, 25);
    surface.Ellipse(5, 5, 15, 15);
    surface.LineTo(6, 25);
    const std::set<Pixel> red = PixelsOf(picture->Image(), kRed);
    for (int x = 2; x < 6; ++x) {
        EXPECT_TRUE(red.count({x, 25})) << x;
    }
}

TEST(SurfaceWrongStart, NewSurfaceBlackOnePixelAtOrigin) {
    std::unique_ptr<Picture> picture = PlainBitmap(10, 10, kWhite);
    picture->GetDrawingSurface().LineTo(3, 0);
    EXPECT_EQ(PixelsOf(picture->Image(), kBlack), Row(0, 0, 2));
}

TEST(SurfaceWrongStart, SameSurfaceKeepsPenAndPosition) {
    std::unique_ptr<Picture> picture = PlainBitmap(10, 10, kWhite);
    DrawingSurface& first = picture->GetDrawingSurface();
    first.SetPenWidth(3);
    first.MoveTo(1, 5);
    DrawingSurface& second = picture->GetDrawingSurface();
    EXPECT_EQ(&first, &second);
    second.LineTo(8, 5);
    EXPECT_EQ(RowsAt(picture->Image(), 4, kBlack), (std::set<int>{4, 5, 6}));
}

TEST(PenWidthWronglyTaken, NegativeWidthIgnored) {
    std::unique_ptr<Picture> picture = PlainBitmap(10, 10, kWhite);
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.SetPenWidth(3);
    surface.SetPenWidth(-1);
    surface.MoveTo(1, 5);
    surface.LineTo(8, 5);
    EXPECT_EQ(RowsAt(picture->Image(), 4, kBlack), (std::set<int>{4, 5, 6}));
}

TEST(ChangeNoticeWrong, SentAfterLineAndEllipseOnly) {
    std::unique_ptr<Picture> picture = PlainBitmap(10, 10, kWhite);
    int notices = 0;
    picture->SetChangeNotice([&notices] { ++notices; });
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.SetPenWidth(2);
    surface.SetPenColor(kRedPen);
    surface.MoveTo(3, 3);
    EXPECT_EQ(notices, 0);
    surface.LineTo(-50, -50);
    EXPECT_EQ(notices, 1);
    surface.Ellipse(1, 1, 4, 4);
    EXPECT_EQ(notices, 2);
}

TEST(StaleImageShown, DrawingAfterImageTakenShows) {
    std::unique_ptr<Picture> picture = PlainBitmap(10, 10, kWhite);
    const QImage before = picture->Image();
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.MoveTo(0, 0);
    surface.LineTo(5, 0);
    EXPECT_EQ(picture->Image().pixel(2, 0) & 0xFFFFFF, kBlack);
    EXPECT_EQ(before.pixel(2, 0) & 0xFFFFFF, kWhite); // a copy taken earlier stays as it was
}

TEST(EmptyBitmapDrawingFails, ZeroByZeroTakesDrawing) {
    std::unique_ptr<Picture> picture = ReadBitmapFile({});
    int notices = 0;
    picture->SetChangeNotice([&notices] { ++notices; });
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.SetPenWidth(2);
    surface.LineTo(100, 100);
    surface.Ellipse(-5, -5, 5, 5);
    EXPECT_EQ(notices, 2);
    EXPECT_TRUE(picture->Image().isNull());
}

TEST(BlankRasterWrong, WhiteOfGivenSize) {
    std::unique_ptr<Picture> picture = MakeBlankRaster(493, 337);
    EXPECT_EQ(picture->Kind(), PictureKind::Bitmap);
    EXPECT_EQ(picture->Width(), 493);
    EXPECT_EQ(picture->Height(), 337);
    EXPECT_EQ(PixelsOf(picture->Image(), kWhite).size(), 493u * 337u);
}

TEST(BlankRasterWrong, ImpossibleSizesRefused) {
    for (auto [w, h] : {std::pair{-1, 10}, std::pair{10, -1}, std::pair{100000, 100000}}) {
        try {
            MakeBlankRaster(w, h);
            ADD_FAILURE() << w << " x " << h << " made";
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), "ｼｽﾃﾑ ﾘｿｰｽが足りません");
        }
    }
}

} // namespace
} // namespace quorvel
