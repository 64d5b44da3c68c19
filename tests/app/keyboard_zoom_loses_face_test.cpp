// Zooming by keys or menu keeps the face centre (cx, cy) where it is on the
// screen while it is in sight, and otherwise the picture point at the view's
// centre; a face field that is no number gives no report. The wheel zooms
// about the pointer (zoom_misplaces_presses_test.cpp).
#include "guitest.h"
#include "view/pictureview.h"

#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <optional>

namespace quorvel::testing {
namespace {

struct ZoomCommand {
    const char* action;
    Qt::Key key; // with Ctrl; Qt::Key_unknown: chosen from the menu
};

struct AnchorCase {
    const char* name;
    double zoom;   // before the command
    QPoint scroll; // scroll bar values before the command
    const char* cx;
    const char* cy;
    ZoomCommand command;
    double zoomAfter;
    std::optional<QPoint> face; // the face pixel kept in place; empty: the view's centre
};

constexpr ZoomCommand zoomInKey{"ZoomInItem", Qt::Key_Plus};
constexpr ZoomCommand actualSizeKey{"ActualSizeItem", Qt::Key_0};
constexpr ZoomCommand zoomInMenu{"ZoomInItem", Qt::Key_unknown};
constexpr ZoomCommand zoomOutMenu{"ZoomOutItem", Qt::Key_unknown};
constexpr ZoomCommand actualSizeMenu{"ActualSizeItem", Qt::Key_unknown};

class KeyboardZoomLosesFace : public MainWindowTest,
                              public ::testing::WithParamInterface<AnchorCase> {
protected:
    // Where a picture point is in the scroll area's viewport.
    QPointF InViewport(QPointF picturePoint) {
        auto* view = Get<PictureView>("Image");
        return picturePoint * view->Zoom() + QPointF(view->pos());
    }
    QPointF PicturePointAtCentre() {
        auto* view = Get<PictureView>("Image");
        const QWidget* viewport = Get<QScrollArea>("ScrollBox1")->viewport();
        const QPointF centre(viewport->width() / 2, viewport->height() / 2);
        return (centre - QPointF(view->pos())) / view->Zoom();
    }
};

TEST_P(KeyboardZoomLosesFace, KeepsTheAnchorWhereItWas) {
    const AnchorCase& c = GetParam();
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); },
                    SolidBitmap("big.bmp", QSize(2000, 1500), QColor(128, 128, 128)));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* area = Get<QScrollArea>("ScrollBox1");
    auto* view = Get<PictureView>("Image");
    view->SetZoom(c.zoom);
    QApplication::processEvents();
    area->horizontalScrollBar()->setValue(c.scroll.x());
    area->verticalScrollBar()->setValue(c.scroll.y());
    ASSERT_EQ(view->pos(), -c.scroll);
    SetText("EditCX", c.cx);
    SetText("EditCY", c.cy);
    const QPointF anchor = c.face ? QPointF(*c.face) + QPointF(0.5, 0.5) : PicturePointAtCentre();
    const QPointF before = InViewport(anchor);

    if (c.command.key == Qt::Key_unknown) {
        Trigger(c.command.action);
    } else {
        QTest::keyClick(window.get(), c.command.key, Qt::ControlModifier);
    }

    EXPECT_EQ(view->Zoom(), c.zoomAfter);
    const QPointF after = InViewport(anchor);
    EXPECT_NEAR(after.x(), before.x(), 1);
    EXPECT_NEAR(after.y(), before.y(), 1);
    EXPECT_TRUE(log.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, KeyboardZoomLosesFace,
    ::testing::Values(AnchorCase{"face_near_the_top_zoomed_in_by_key",
                                 1,
                                 {0, 0},
                                 "250",
                                 "30",
                                 zoomInKey,
                                 1.5,
                                 QPoint(250, 30)},
                      AnchorCase{"face_in_sight_shown_at_actual_size_by_key",
                                 0.5,
                                 {200, 150},
                                 "600",
                                 "400",
                                 actualSizeKey,
                                 1,
                                 QPoint(600, 400)},
                      AnchorCase{"face_in_sight_zoomed_in_from_the_menu",
                                 1,
                                 {300, 200},
                                 "420",
                                 "290",
                                 zoomInMenu,
                                 1.5,
                                 QPoint(420, 290)},
                      AnchorCase{"face_in_sight_zoomed_out_from_the_menu",
                                 1,
                                 {300, 200},
                                 "420",
                                 "290",
                                 zoomOutMenu,
                                 2.0 / 3,
                                 QPoint(420, 290)},
                      AnchorCase{"face_read_by_the_field_rules",
                                 1,
                                 {300, 200},
                                 " $1A4",
                                 "0x122",
                                 zoomInMenu,
                                 1.5,
                                 QPoint(420, 290)},
                      AnchorCase{"face_scrolled_out_keeps_the_view_centre",
                                 1,
                                 {300, 200},
                                 "1900",
                                 "1400",
                                 zoomInKey,
                                 1.5,
                                 std::nullopt},
                      AnchorCase{"face_above_the_picture_keeps_the_view_centre",
                                 1,
                                 {0, 0},
                                 "250",
                                 "-3",
                                 zoomInMenu,
                                 1.5,
                                 std::nullopt},
                      AnchorCase{"face_no_number_keeps_the_view_centre_without_report",
                                 0.5,
                                 {200, 150},
                                 "abc",
                                 "400",
                                 actualSizeMenu,
                                 1,
                                 std::nullopt}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel::testing
