// A blank raster is drawn over again at every redraw and never read from a
// file: its journal must keep showing the pixels under the overlay while it
// can, show the drawn pixels once it cannot, and never grow with the number
// of redraws.
#include "picture/core/picture.h"
#include "picture/raster/blankraster.h"
#include "picture/raster/drawingjournal.h"

#include <QImage>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr Rgb kRedPen{255, 0, 0};

bool HasRed(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() > 200 && colour.green() < 80) {
                return true;
            }
        }
    }
    return false;
}

struct Redraws {
    const char* name;
    int count;
    bool underneathShown; // the sampled pixels are those under the drawing
    std::size_t strokes;
};

class BlankRasterRedrawn : public ::testing::TestWithParam<Redraws> {};

TEST_P(BlankRasterRedrawn, KeepsItsJournalBounded) {
    const auto picture = MakeBlankRaster(kWidth, kHeight);
    for (int redraw = 0; redraw < GetParam().count; ++redraw) {
        DrawingSurface& surface = picture->GetDrawingSurface();
        surface.SetPenColor(kRedPen);
        surface.SetPenWidth(2);
        surface.MoveTo(0, 20);
        surface.LineTo(kWidth, 20);
        surface.Ellipse(10, 10, 30, 30);
    }
    EXPECT_TRUE(HasRed(picture->Image())) << "the drawing is in the pixels";
    const QImage scaled = picture->ScaledImageOf(QRect(0, 0, 2 * kWidth, 2 * kHeight), 2);
    EXPECT_EQ(!HasRed(scaled), GetParam().underneathShown);
    EXPECT_EQ(picture->Strokes().size(), GetParam().strokes);
}

INSTANTIATE_TEST_SUITE_P(Counts, BlankRasterRedrawn,
                         ::testing::Values(Redraws{"few_show_what_lies_under", 3, true, 6},
                                           // A row of 2 x 64 pixels is 512 bytes of the 12 KiB
                                           // raster: the journal gives up after some 20 redraws.
                                           Redraws{"past_the_journal_show_drawn_pixels", 40, false,
                                                   80},
                                           Redraws{"past_the_stroke_bound_keep_none",
                                                   DrawingJournal::kMostStrokes, false, 0}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace quorvel
