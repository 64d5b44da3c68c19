// Zoom: presses keep reporting the picture pixel under the pointer, the
// overlay stays two screen pixels wide, and zooming changes no field text.
#include "guitest.h"
#include "view/pictureview.h"

#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

namespace quorvel::testing {
namespace {

QString Grey(const char* name, QSize size) {
    return SolidBitmap(name, size, QColor(128, 128, 128));
}

struct ZoomedPress {
    const char* name;
    double zoom;
    QPoint inView; // view pixels
    QPoint expected;
};

class PressAtZoom : public MainWindowTest, public ::testing::WithParamInterface<ZoomedPress> {};

// At step 1 a press writes the picture pixel into EditCX and EditCY.
TEST_P(PressAtZoom, ReportsThePicturePixelUnderThePointer) {
    ConfirmInDialog([this] { Click("NextButton"); }, Grey("grid.bmp", QSize(400, 300)));
    auto* view = Get<PictureView>("Image");
    view->SetZoom(GetParam().zoom);
    ASSERT_EQ(view->size(), QSize(static_cast<int>(std::ceil(400 * GetParam().zoom)),
                                  static_cast<int>(std::ceil(300 * GetParam().zoom))));
    Press(GetParam().inView.x(), GetParam().inView.y());
    EXPECT_EQ(Text("EditCX").toInt(), GetParam().expected.x());
    EXPECT_EQ(Text("EditCY").toInt(), GetParam().expected.y());
    EXPECT_TRUE(log.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Zooms, PressAtZoom,
    ::testing::Values(ZoomedPress{"quarter", 0.25, {25, 10}, {100, 40}},
                      ZoomedPress{"quarter_last_view_pixel", 0.25, {99, 74}, {396, 296}},
                      ZoomedPress{"half", 0.5, {101, 75}, {202, 150}},
                      ZoomedPress{"actual", 1, {212, 148}, {212, 148}},
                      ZoomedPress{"double_left_half_of_pixel", 2, {424, 296}, {212, 148}},
                      ZoomedPress{"double_right_half_of_pixel", 2, {425, 297}, {212, 148}},
                      ZoomedPress{"eightfold", 8, {1703, 1190}, {212, 148}},
                      ZoomedPress{"eightfold_last_subpixel", 8, {1711, 1191}, {213, 148}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

class ZoomTest : public MainWindowTest {
protected:
    QImage Shown() {
        QApplication::processEvents();
        QApplication::processEvents();
        return Get<QWidget>("Image")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void ExpectCrispEyeLine();
};

// How many pixels of the shown row `y` have the overlay's red.
int RedPixelsInColumn(const QImage& image, int x) {
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QColor colour = image.pixelColor(x, y);
        red += colour.red() > 200 && colour.green() < 80 && colour.blue() < 80 ? 1 : 0;
    }
    return red;
}

// Judges at step 9 with the eye line at y = 40 from x = 79 to 121 and
// checks that a column through it, away from the marker circles, crosses a
// 2-pixel line at any zoom.
void ZoomTest::ExpectCrispEyeLine() {
    SetText("EditCX", "100");
    SetText("EditCY", "40");
    SetText("EditR", "30");
    Click("RedrawButton"); // step 9: every layer and the judgement
    auto* view = Get<PictureView>("Image");
    EXPECT_EQ(RedPixelsInColumn(Shown(), 85), 2) << "at 1:1 the raster's own 2-pixel line";
    for (const double zoom : {4.0, 8.0}) {
        view->SetZoom(zoom);
        const int red = RedPixelsInColumn(Shown(), static_cast<int>(85.5 * zoom));
        EXPECT_GE(red, 1) << zoom;
        EXPECT_LE(red, 3) << "scaled pixels instead of a screen-scale stroke at " << zoom;
    }
}

TEST_F(ZoomTest, OverlayStaysTwoScreenPixelsWideAndFieldsStay) {
    ConfirmInDialog([this] { Click("NextButton"); }, Grey("face.bmp", QSize(200, 150)));
    ExpectCrispEyeLine();
    QStringList before;
    for (const char* name : {"EditCX", "EditCY", "EditR", "EditY", "EditX", "LabelAP"}) {
        before << Text(name);
    }
    Trigger("ZoomOutItem");
    Trigger("ActualSizeItem");
    EXPECT_EQ(Get<PictureView>("Image")->Zoom(), 1);
    QStringList after;
    for (const char* name : {"EditCX", "EditCY", "EditR", "EditY", "EditX", "LabelAP"}) {
        after << Text(name);
    }
    EXPECT_EQ(after, before);
    EXPECT_TRUE(log.reports.empty());
}

// With no picture open the overlay goes onto a blank raster, drawn over
// again at every redraw.
TEST_F(ZoomTest, OverlayOnTheBlankRasterStaysTwoScreenPixelsWide) {
    ExpectCrispEyeLine();
    Trigger("ActualSizeItem");
    Click("RedrawButton");
    ExpectCrispEyeLine();
    EXPECT_TRUE(log.reports.empty());
}

TEST_F(ZoomTest, ActualSizeShowsTheRastersOwnPixelsAgain) {
    ConfirmInDialog([this] { Click("NextButton"); }, Grey("face.bmp", QSize(200, 150)));
    SetText("EditCX", "100");
    Click("RedrawButton");
    const QImage actual = Shown();
    Trigger("ZoomInItem");
    Trigger("ZoomOutItem");
    Trigger("ZoomOutItem");
    Trigger("ActualSizeItem");
    EXPECT_EQ(Shown(), actual);
    EXPECT_EQ(Shown(), Picture());
}

TEST_F(ZoomTest, StepsRunFromASixteenthToEightfold) {
    ConfirmInDialog([this] { Click("NextButton"); }, Grey("face.bmp", QSize(200, 150)));
    auto* view = Get<PictureView>("Image");
    for (int i = 0; i < 20; ++i) {
        Trigger("ZoomInItem");
    }
    EXPECT_EQ(view->Zoom(), 8);
    for (int i = 0; i < 20; ++i) {
        Trigger("ZoomOutItem");
    }
    EXPECT_EQ(view->Zoom(), 1.0 / 16);
}

TEST_F(ZoomTest, FitShowsTheWholePictureAndOpenReturnsToActualSize) {
    const QString big = Grey("big.bmp", QSize(2000, 1500));
    ConfirmInDialog([this] { Click("NextButton"); }, big);
    auto* area = Get<QScrollArea>("ScrollBox1");
    Trigger("FitWindowItem");
    QApplication::processEvents();
    EXPECT_LE(Get<QWidget>("Image")->width(), area->viewport()->width());
    EXPECT_LE(Get<QWidget>("Image")->height(), area->viewport()->height());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, big);
    EXPECT_EQ(Get<PictureView>("Image")->Zoom(), 1);
}

TEST_F(ZoomTest, ControlWheelKeepsThePointUnderThePointer) {
    ConfirmInDialog([this] { Click("NextButton"); }, Grey("big.bmp", QSize(2000, 1500)));
    auto* area = Get<QScrollArea>("ScrollBox1");
    auto* view = Get<PictureView>("Image");
    QApplication::processEvents();
    area->horizontalScrollBar()->setValue(300);
    area->verticalScrollBar()->setValue(200);
    const QPoint pointer(120, 90); // in the viewport: picture pixel (420, 290)
    QWheelEvent wheel(pointer, area->viewport()->mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->viewport(), &wheel);
    EXPECT_EQ(view->Zoom(), 1.5);
    EXPECT_EQ(view->PicturePixelAt(pointer - view->pos()), QPoint(420, 290));
}

} // namespace
} // namespace quorvel::testing
