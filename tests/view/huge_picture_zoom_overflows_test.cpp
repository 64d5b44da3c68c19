// Zoom arithmetic on a picture of 268,435,456 x 1 pixels: zoomed 8 times it
// would be 2^31 widget pixels wide, beyond int. The view's size stays within
// what a widget can be, and presses still map to the picture's pixels.
#include "face/drawingsurface.h"
#include "support/bmpfixture.h"
#include "view/pictureview.h"

#include <QScrollArea>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing_support::BmpFixture;
using testing_support::ScratchDirectory;
using testing_support::WriteFile;

TEST(HugePictureZoomOverflows, ViewSizeClampedAtEveryZoom) {
    constexpr std::int32_t kWidth = 268'435'456;
    BmpFixture bitmap;
    bitmap.width = kWidth;
    bitmap.bitsPerPixel = 1;
    bitmap.table = {0x000000, 0xFFFFFF};
    bitmap.pixels.assign(kWidth / 8, 0xFF);
    const std::string path = ScratchDirectory() + "/wide.bmp";
    WriteFile(path, bitmap.Bytes());
    bitmap.pixels.clear();

    // Loaded while zoomed in, the picture's own size meets the zoom.
    for (const double zoom : {8.0, 2.0, 1.0 / 16}) {
        PictureView view;
        view.SetZoom(zoom);
        view.LoadPicture(path);
        EXPECT_GT(view.width(), 0) << zoom;
        EXPECT_LE(view.width(), QWIDGETSIZE_MAX) << zoom;
        EXPECT_GT(view.height(), 0) << zoom;
        EXPECT_EQ(view.PicturePixelAt(QPointF(zoom / 2, zoom / 2)), QPoint(0, 0)) << zoom;
        // A stroke's repaint area at the far end of the picture.
        DrawingSurface& surface = view.GetDrawingSurface();
        surface.MoveTo(kWidth - 2, 0);
        surface.LineTo(kWidth - 1, 0);
    }
}

} // namespace
} // namespace quorvel
