// An imported photo ends upright whatever its Exif orientation, opens as the
// open command opens a bitmap and redraws from its working copy.
#include "photowindowtest.h"

#include <QDir>
#include <QPainter>
#include <cstdlib>

namespace quorvel::testing {
namespace {

// Upright colours of the corners: top-left, top-right, bottom-left, bottom-right.
constexpr std::array<QRgb, 4> kCorners{0x00C000, 0xC0C000, 0x00C0C0, 0xC000C0};
constexpr QSize kUpright(48, 32);

// Quadrants coloured with the upright corners named, in the same order.
QImage Quadrants(QSize size, const std::array<int, 4>& corners) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    for (int i = 0; i < 4; ++i) {
        painter.fillRect(i % 2 * w, i / 2 * h, w, h, QColor::fromRgb(kCorners[corners[i]]));
    }
    return image;
}

bool Near(QRgb actual, QRgb expected) {
    return std::abs(qRed(actual) - qRed(expected)) < 40 &&
           std::abs(qGreen(actual) - qGreen(expected)) < 40 &&
           std::abs(qBlue(actual) - qBlue(expected)) < 40;
}

struct OrientationCase {
    const char* name;
    int orientation;           // 0: a PNG, which has no tag
    std::array<int, 4> stored; // the upright corner stored at each corner
};

class PhotoNotUpright : public PhotoWindowTest,
                        public ::testing::WithParamInterface<OrientationCase> {};

TEST_P(PhotoNotUpright, ShowsUprightAtStepOneWithFieldsKept) {
    const OrientationCase& c = GetParam();
    const QImage stored =
        Quadrants(c.orientation >= 5 ? kUpright.transposed() : kUpright, c.stored);
    const QString photo =
        c.orientation == 0 ? Scratch("photo.png")
                           : ScratchFile("photo.jpg", JpegWithOrientation(stored, c.orientation));
    if (c.orientation == 0) {
        ASSERT_TRUE(stored.save(photo));
    }
    SetText("EditR", "7");
    Import(photo);
    EXPECT_EQ(Step(), 1);
    EXPECT_EQ(Text("EditR"), "7");
    ASSERT_EQ(Picture().size(), kUpright);
    const std::array<QPoint, 4> insets{QPoint(3, 3), QPoint(44, 3), QPoint(3, 28), QPoint(44, 28)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Near(Picture().pixel(insets[i]), kCorners[i])) << "corner " << i;
    }
    EXPECT_EQ(QDir(CacheFolder()).entryList(QDir::Files).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, PhotoNotUpright,
    ::testing::Values(OrientationCase{"Png", 0, {0, 1, 2, 3}},
                      OrientationCase{"JpegUpright", 1, {0, 1, 2, 3}},
                      OrientationCase{"JpegMirrored", 2, {1, 0, 3, 2}},
                      OrientationCase{"JpegUpsideDown", 3, {3, 2, 1, 0}},
                      OrientationCase{"JpegFlipped", 4, {2, 3, 0, 1}},
                      OrientationCase{"JpegTransposed", 5, {0, 2, 1, 3}},
                      OrientationCase{"JpegTurnedRightToShow", 6, {1, 3, 0, 2}},
                      OrientationCase{"JpegTransversed", 7, {3, 1, 2, 0}},
                      OrientationCase{"JpegTurnedLeftToShow", 8, {2, 0, 3, 1}}),
    [](const auto& param) { return std::string(param.param.name); });

class PhotoRedraw : public PhotoWindowTest {};

TEST_F(PhotoRedraw, ReloadsTheWorkingCopy) {
    const QString photo = Scratch("photo.png");
    ASSERT_TRUE(Quadrants(kUpright, {0, 1, 2, 3}).save(photo));
    Import(photo);
    EXPECT_EQ(Get<PictureView>("Image")->Zoom(), PictureView::kMostZoom) << "fitted to the window";
    Trigger("ActualSizeItem");
    Press(10, 10);
    Press(10, 20);
    EXPECT_EQ(Picture().pixel(10, 20), qRgb(255, 0, 0)) << "eye line";
    EXPECT_TRUE(Near(Picture().pixel(10, 10), kCorners[0])) << "the reload wiped the first line";
}

} // namespace
} // namespace quorvel::testing
