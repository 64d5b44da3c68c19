// The window shows the present zoom, as screen readers read it, whatever
// changed it, below the designed client area so that no control moves.
#include "photowindowtest.h"

#include <QAccessible>
#include <QLabel>
#include <QScrollArea>
#include <QWheelEvent>

namespace quorvel::testing {
namespace {

class ZoomShownNowhere;

struct ShownZoomCase {
    const char* name;
    std::function<void(ZoomShownNowhere&)> change;
    const char* shown;
};

class ZoomShownNowhere : public PhotoWindowTest,
                         public ::testing::WithParamInterface<ShownZoomCase> {
public:
    void OpenGrey() {
        ConfirmInDialog([this] { Trigger("OpenBitmapItem"); },
                        SolidBitmap("grey.bmp", QSize(400, 300), QColor(128, 128, 128)));
    }
    void Repeat(const char* action, int times) {
        for (int i = 0; i < times; ++i) {
            Trigger(action);
        }
    }
    void ControlWheel(int delta) {
        QWidget* viewport = Get<QScrollArea>("ScrollBox1")->viewport();
        const QPoint at(20, 20);
        QWheelEvent wheel(at, viewport->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    }
    void ImportSmallPhoto() {
        QImage small(30, 20, QImage::Format_RGB32);
        small.fill(0x808080);
        Import(ScratchFile("small.jpg", JpegWithOrientation(small, 1)));
    }
};

TEST_P(ZoomShownNowhere, ShowsThePresentZoom) {
    OpenGrey();
    GetParam().change(*this);
    auto* shown = Get<QLabel>("ZoomLabel");
    EXPECT_EQ(shown->text().toStdString(), GetParam().shown);
    EXPECT_TRUE(shown->isVisible());
    QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(shown);
    ASSERT_NE(readable, nullptr);
    EXPECT_EQ(readable->text(QAccessible::Name).toStdString(), GetParam().shown);
    EXPECT_EQ(readable->text(QAccessible::Description), "表示倍率");
    EXPECT_TRUE(log.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ZoomShownNowhere,
    ::testing::Values(
        ShownZoomCase{"opened_bitmap", [](ZoomShownNowhere&) {}, "100 %"},
        ShownZoomCase{"zoomed_in", [](ZoomShownNowhere& form) { form.Repeat("ZoomInItem", 1); },
                      "150 %"},
        ShownZoomCase{"zoomed_out_to_two_thirds",
                      [](ZoomShownNowhere& form) { form.Repeat("ZoomOutItem", 1); }, "67 %"},
        ShownZoomCase{"least_zoom", [](ZoomShownNowhere& form) { form.Repeat("ZoomOutItem", 20); },
                      "6 %"},
        ShownZoomCase{"most_zoom", [](ZoomShownNowhere& form) { form.Repeat("ZoomInItem", 20); },
                      "800 %"},
        ShownZoomCase{"actual_size_after_zooming",
                      [](ZoomShownNowhere& form) {
                          form.Repeat("ZoomInItem", 3);
                          form.Repeat("ActualSizeItem", 1);
                      },
                      "100 %"},
        ShownZoomCase{"control_wheel", [](ZoomShownNowhere& form) { form.ControlWheel(-120); },
                      "67 %"},
        ShownZoomCase{"bitmap_opened_again_returns_to_actual_size",
                      [](ZoomShownNowhere& form) {
                          form.Repeat("ZoomInItem", 2);
                          form.OpenGrey();
                      },
                      "100 %"},
        ShownZoomCase{"photo_fitted_to_the_window",
                      [](ZoomShownNowhere& form) { form.ImportSmallPhoto(); }, "800 %"}),
    [](const auto& param) { return std::string(param.param.name); });

class ZoomShownBelow : public MainWindowTest {};

// Shown outside the designed client area, which keeps its size.
TEST_F(ZoomShownBelow, MovesNoControl) {
    EXPECT_EQ(window->centralWidget()->size(), QSize(674, 436));
    EXPECT_FALSE(window->centralWidget()->isAncestorOf(Get<QLabel>("ZoomLabel")));
    EXPECT_EQ(Get<QLabel>("ZoomLabel")->text(), "100 %");
}

} // namespace
} // namespace quorvel::testing
