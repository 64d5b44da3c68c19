// The picture view: press positions in picture pixels whatever the scroll
// position and button, its size rule, and a failed load changing nothing.
#include "guitest.h"
#include "numtext/failure.h"

#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace quorvel::testing {
namespace {

QString Generated(const char* name, QSize size) {
    return SolidBitmap(name, size, QColor(90, 140, 60));
}

struct PressCase {
    const char* name;
    QPoint scroll;
    QPoint inViewport;
    Qt::MouseButton button;
    Qt::KeyboardModifiers keys;
    QPoint expected;
};

class PressOnPicture : public MainWindowTest, public ::testing::WithParamInterface<PressCase> {};

// At step 1 a press writes its position into EditCX and EditCY.
TEST_P(PressOnPicture, ArrivesInPicturePixels) {
    ConfirmInDialog([this] { Click("NextButton"); }, Generated("large.bmp", QSize(1000, 800)));
    auto* area = Get<QScrollArea>("ScrollBox1");
    auto* image = Get<QWidget>("Image");
    ASSERT_EQ(image->size(), QSize(1000, 800));
    area->horizontalScrollBar()->setValue(GetParam().scroll.x());
    area->verticalScrollBar()->setValue(GetParam().scroll.y());
    ASSERT_EQ(area->viewport()->childAt(GetParam().inViewport), image);
    const QPoint local = image->mapFrom(area->viewport(), GetParam().inViewport);
    QTest::mousePress(image, GetParam().button, GetParam().keys, local);
    QTest::mouseRelease(image, GetParam().button, GetParam().keys, local);
    EXPECT_EQ(Text("EditCX").toInt(), GetParam().expected.x());
    EXPECT_EQ(Text("EditCY").toInt(), GetParam().expected.y());
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PressOnPicture,
    ::testing::Values(
        PressCase{"unscrolled_left", {0, 0}, {30, 40}, Qt::LeftButton, {}, {30, 40}},
        PressCase{"scrolled_left", {100, 50}, {30, 40}, Qt::LeftButton, {}, {130, 90}},
        PressCase{"scrolled_right", {100, 50}, {30, 40}, Qt::RightButton, {}, {130, 90}},
        PressCase{"scrolled_middle", {100, 50}, {30, 40}, Qt::MiddleButton, {}, {130, 90}},
        PressCase{"with_shift_and_control",
                  {8, 16},
                  {0, 0},
                  Qt::LeftButton,
                  Qt::ShiftModifier | Qt::ControlModifier,
                  {8, 16}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

class PictureViewTest : public MainWindowTest {};

TEST_F(PictureViewTest, DoubleClickDeliversTwoPresses) {
    auto* image = Get<PictureView>("Image");
    std::vector<PressShift> presses;
    QObject::connect(
        image, &PictureView::Pressed,
        [&](Qt::MouseButton, PressShift shift, int, int) { presses.push_back(shift); });
    // Qt's widgets see a double click as press, release, double click, release.
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, QPointF(5, 6), image->mapToGlobal(QPointF(5, 6)), Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(image, &event);
    }
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_FALSE(presses[0].doubleClick);
    EXPECT_TRUE(presses[1].doubleClick);
}

TEST_F(PictureViewTest, PressBeforeAnyPictureArrivesLikeAnyOther) {
    CancelDialog([this] { Click("NextButton"); });
    const QSize laidOut = Get<QWidget>("Image")->size();
    Press(laidOut.width() - 1, laidOut.height() - 1);
    EXPECT_EQ(Text("EditCX").toInt(), laidOut.width() - 1);
    EXPECT_EQ(Text("EditCY").toInt(), laidOut.height() - 1);
}

TEST_F(PictureViewTest, SmallPictureLeavesAreaOutsideTheView) {
    ConfirmInDialog([this] { Click("NextButton"); }, Generated("small.bmp", QSize(100, 80)));
    auto* area = Get<QScrollArea>("ScrollBox1");
    EXPECT_EQ(Get<QWidget>("Image")->size(), QSize(100, 80));
    EXPECT_EQ(area->viewport()->childAt(QPoint(150, 40)), nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
}

TEST_F(PictureViewTest, ScrollArrowsMoveEightPixels) {
    ConfirmInDialog([this] { Click("NextButton"); }, Generated("large.bmp", QSize(1000, 800)));
    auto* area = Get<QScrollArea>("ScrollBox1");
    QApplication::processEvents();
    for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        ASSERT_TRUE(bar->isVisible());
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(bar->value(), 8);
    }
}

TEST_F(PictureViewTest, FailedLoadKeepsPictureSizeAndScroll) {
    ConfirmInDialog([this] { Click("NextButton"); }, Generated("large.bmp", QSize(1000, 800)));
    auto* area = Get<QScrollArea>("ScrollBox1");
    auto* view = Get<PictureView>("Image");
    area->horizontalScrollBar()->setValue(100);
    area->verticalScrollBar()->setValue(50);
    const quorvel::Picture* before = view->CurrentPicture();
    const QImage shown = Picture();
    for (const char* name : {"missing.bmp", "face.png"}) {
        EXPECT_THROW(view->LoadPicture(ScratchPath(QString::fromLatin1(name)).toStdString()),
                     Failure);
        EXPECT_EQ(view->CurrentPicture(), before);
        EXPECT_EQ(Picture(), shown);
        EXPECT_EQ(view->size(), QSize(1000, 800));
        EXPECT_EQ(area->horizontalScrollBar()->value(), 100);
        EXPECT_EQ(area->verticalScrollBar()->value(), 50);
    }
}

TEST_F(PictureViewTest, EmptyBitmapKeepsTheViewsSize) {
    const QString path = ScratchPath("empty.bmp");
    QFile(path).open(QIODevice::WriteOnly);
    auto* view = Get<PictureView>("Image");
    const QSize laidOut = view->size();
    view->LoadPicture(path.toStdString());
    ASSERT_NE(view->CurrentPicture(), nullptr);
    EXPECT_EQ(view->CurrentPicture()->Width(), 0);
    EXPECT_EQ(view->size(), laidOut);
}

TEST(PictureViewAlone, DrawingSurfaceWithoutPictureIsAWhiteRasterOfTheViewsSize) {
    PictureView view;
    view.resize(123, 45);
    view.GetDrawingSurface();
    ASSERT_NE(view.CurrentPicture(), nullptr);
    EXPECT_EQ(view.CurrentPicture()->Kind(), PictureKind::Bitmap);
    const QImage blank = view.CurrentPicture()->Image();
    ASSERT_EQ(blank.size(), QSize(123, 45));
    EXPECT_EQ(blank.pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(blank.pixel(122, 44) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(view.size(), QSize(123, 45));
}

} // namespace
} // namespace quorvel::testing
