#include "support/bmpfixture.h"
#include "view/pictureview.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

// A marker circle on a camera's photo fitted to the window: drawn at screen
// scale it would shrink to a dot of one or two pixels. Below zoom 1 it keeps
// its size at zoom 1, centred where its box's centre is shown.
namespace quorvel {
namespace {

constexpr int kPhotoWidth = 4000; // 12 megapixels
constexpr int kPhotoHeight = 3000;
constexpr int kCentreX = 2000;
constexpr int kCentreY = 1500;
constexpr int kHalfBox = 5; // the overlay's marker boxes are 10 pixels on a side
constexpr Rgb kRed{255, 0, 0};

constexpr int kLookAround = 60; // screen pixels about the marker's centre

// The bounding box of the clearly red pixels the view paints about the
// marker's centre, in view coordinates.
QRect RedExtent(PictureView& view) {
    const QPoint centre(static_cast<int>(kCentreX * view.Zoom()),
                        static_cast<int>(kCentreY * view.Zoom()));
    const QRect around(centre - QPoint(kLookAround, kLookAround),
                       centre + QPoint(kLookAround, kLookAround));
    const QImage shown = view.grab(around).toImage().convertToFormat(QImage::Format_RGB32);
    QRect extent;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor colour = shown.pixelColor(x, y);
            if (colour.red() > 160 && colour.green() < 120 && colour.blue() < 120) {
                extent |= QRect(x, y, 1, 1);
            }
        }
    }
    return extent.translated(around.topLeft());
}

// A large blank picture with one marker circle, as the overlay draws it.
void DrawMarker(PictureView& view) {
    view.resize(kPhotoWidth, kPhotoHeight); // the size a blank picture takes
    DrawingSurface& surface = view.GetDrawingSurface();
    surface.SetPenWidth(2);
    surface.SetPenColor(kRed);
    surface.Ellipse(kCentreX - kHalfBox, kCentreY - kHalfBox, kCentreX + kHalfBox,
                    kCentreY + kHalfBox);
}

struct ZoomCase {
    const char* name;
    double zoom;       // 0: fitted to an 800 by 600 window
    double leastScale; // of the marker's size at zoom 1
};

class MarkerOnScreen : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(MarkerOnScreen, KeepsAtLeastItsActualSizeAboutItsCentre) {
    PictureView view;
    DrawMarker(view);
    const QRect actual = RedExtent(view);
    ASSERT_GE(actual.width(), 2 * kHalfBox) << "the marker at zoom 1";

    const double zoom = GetParam().zoom > 0 ? GetParam().zoom : view.ZoomToFit(QSize(800, 600));
    view.SetZoom(zoom);
    const QRect shown = RedExtent(view);
    EXPECT_GE(shown.width(), std::floor(actual.width() * GetParam().leastScale)) << zoom;
    EXPECT_GE(shown.height(), std::floor(actual.height() * GetParam().leastScale)) << zoom;
    EXPECT_LE(shown.width(), std::ceil(actual.width() * std::max(zoom, 1.0)) + 2) << zoom;
    const QPointF centre = QRectF(shown).center();
    EXPECT_NEAR(centre.x(), kCentreX * zoom, 1.0) << zoom;
    EXPECT_NEAR(centre.y(), kCentreY * zoom, 1.0) << zoom;
}

INSTANTIATE_TEST_SUITE_P(Zooms, MarkerOnScreen,
                         ::testing::Values(ZoomCase{"fitted_12_megapixel_photo", 0, 1},
                                           ZoomCase{"least_zoom", PictureView::kLeastZoom, 1},
                                           ZoomCase{"half", 0.5, 1},
                                           ZoomCase{"magnified_grows_with_the_zoom", 3, 2.5}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// A white bitmap file, written as if long ago so that a redraw puts its
// pixels back instead of reading it again.
std::string SettledWhiteBitmap(int side) {
    testing_support::BmpFixture f;
    f.width = side;
    f.height = side;
    f.bitsPerPixel = 1;
    f.table = {0xFFFFFF, 0x000000};
    f.pixels = testing_support::PackRows(
        1, std::vector<std::vector<std::uint32_t>>(
               static_cast<std::size_t>(side),
               std::vector<std::uint32_t>(static_cast<std::size_t>(side), 0)));
    const std::string path = testing_support::ScratchDirectory() + "/white.bmp";
    testing_support::WriteFile(path, f.Bytes());
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                               std::chrono::hours(1));
    return path;
}

void MarkerAt(PictureView& view, const std::string& file, int x, int y) {
    view.LoadPicture(file);
    DrawingSurface& surface = view.GetDrawingSurface();
    surface.SetPenWidth(2);
    surface.SetPenColor(kRed);
    surface.Ellipse(x - kHalfBox, y - kHalfBox, x + kHalfBox, y + kHalfBox);
}

// What the window system shows of the view once the repaint is done.
QImage Shown(PictureView& view) {
    QApplication::processEvents();
    QApplication::processEvents();
    return view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Only what a redraw changed is repainted, in tiles of 32 screen pixels. A
// marker kept at its actual size reaches beyond its pixels' scaled area, here
// across a tile's edge: the part in the next tile must go when it moves.
TEST(MarkerRepaint, MovedMarkerLeavesNothingBehind) {
    constexpr double kZoom = 1.0 / 16;
    const std::string file = SettledWhiteBitmap(2048);
    PictureView view;
    view.SetZoom(kZoom);
    view.show();
    MarkerAt(view, file, 432, 432); // on screen at 27: its outline crosses 32
    Shown(view);
    MarkerAt(view, file, 1400, 1400);

    PictureView fresh;
    fresh.SetZoom(kZoom);
    MarkerAt(fresh, file, 1400, 1400);
    const QImage expected = fresh.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Shown(view).copy(expected.rect()), expected);
}

} // namespace
} // namespace quorvel
