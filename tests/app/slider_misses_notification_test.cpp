// The contour slider: which user actions reach the change handler, and how the
// window sets it from EditMO and EditE at steps 5 and 6.
#include "app/errorreport.h"
#include "app/widgets/notifyingslider.h"
#include "guitest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <functional>

namespace quorvel::testing {
namespace {

QPoint HandleCentre(const QSlider& slider, int position) {
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.singleStep = slider.singleStep();
    option.pageStep = slider.pageStep();
    option.tickPosition = slider.tickPosition();
    option.tickInterval = slider.tickInterval();
    option.sliderPosition = position;
    option.sliderValue = position;
    return slider.style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider)
        .center();
}

void Mouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void Key(QWidget& widget, QEvent::Type type, int key, bool autoRepeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(&widget, &event);
}

class ProbeSlider : public NotifyingSlider {
public:
    ProbeSlider() {
        setRange(0, 10);
        setSingleStep(1);
        setPageStep(2);
        setTickPosition(QSlider::TicksBelow);
        resize(313, 21);
        connect(this, &NotifyingSlider::Notified, this, [this] { ++notifications; });
    }

    int notifications = 0;
};

struct SliderCase {
    const char* name;
    int start;
    std::function<void(ProbeSlider&)> act;
    int notifications;
    int end; // -1: any position
};

class SliderNotifications : public ::testing::TestWithParam<SliderCase> {};

TEST_P(SliderNotifications, CountAndPosition) {
    ProbeSlider slider;
    slider.setValue(GetParam().start);
    slider.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&slider));
    GetParam().act(slider);
    EXPECT_EQ(slider.notifications, GetParam().notifications);
    if (GetParam().end >= 0) {
        EXPECT_EQ(slider.sliderPosition(), GetParam().end);
    }
}

void ClickTrackRightOfHandle(ProbeSlider& s, Qt::MouseButton button) {
    const QPoint at(s.width() - 3, HandleCentre(s, s.value()).y());
    Mouse(s, QEvent::MouseButtonPress, at, button, button);
    Mouse(s, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

INSTANTIATE_TEST_SUITE_P(
    UserActions, SliderNotifications,
    ::testing::Values(
        SliderCase{"arrow_moves_one_and_notifies_again_at_release", 5,
                   [](ProbeSlider& s) { QTest::keyClick(&s, Qt::Key_Right); }, 2, 6},
        SliderCase{"page_key_moves_two", 5,
                   [](ProbeSlider& s) { QTest::keyClick(&s, Qt::Key_PageUp); }, 2, 7},
        SliderCase{"arrow_at_range_end_only_ends_a_move", 10,
                   [](ProbeSlider& s) { QTest::keyClick(&s, Qt::Key_Right); }, 1, 10},
        SliderCase{"held_key_notifies_each_repeat_and_once_at_release", 5,
                   [](ProbeSlider& s) {
                       Key(s, QEvent::KeyPress, Qt::Key_Left);
                       Key(s, QEvent::KeyRelease, Qt::Key_Left, true);
                       Key(s, QEvent::KeyPress, Qt::Key_Left, true);
                       Key(s, QEvent::KeyRelease, Qt::Key_Left, true);
                       Key(s, QEvent::KeyPress, Qt::Key_Left, true);
                       Key(s, QEvent::KeyRelease, Qt::Key_Left);
                   },
                   4, 2},
        SliderCase{"other_key_release_is_no_move_end", 5,
                   [](ProbeSlider& s) { QTest::keyClick(&s, Qt::Key_A); }, 0, 5},
        SliderCase{"track_click_pages_two_and_ends_at_release", 5,
                   [](ProbeSlider& s) { ClickTrackRightOfHandle(s, Qt::LeftButton); }, 2, 7},
        SliderCase{"right_button_on_track_does_nothing", 5,
                   [](ProbeSlider& s) { ClickTrackRightOfHandle(s, Qt::RightButton); }, 0, 5},
        SliderCase{"middle_button_does_not_jump_to_click", 5,
                   [](ProbeSlider& s) { ClickTrackRightOfHandle(s, Qt::MiddleButton); }, 0, 5},
        SliderCase{"drag_notifies_each_position_passed_and_release", 5,
                   [](ProbeSlider& s) {
                       Mouse(s, QEvent::MouseButtonPress, HandleCentre(s, 5), Qt::LeftButton,
                             Qt::LeftButton);
                       for (int position : {6, 7, 8}) {
                           Mouse(s, QEvent::MouseMove, HandleCentre(s, position), Qt::NoButton,
                                 Qt::LeftButton);
                       }
                       Mouse(s, QEvent::MouseButtonRelease, HandleCentre(s, 8), Qt::LeftButton,
                             Qt::NoButton);
                   },
                   4, 8},
        SliderCase{"release_without_moving_still_notifies", 5,
                   [](ProbeSlider& s) {
                       Mouse(s, QEvent::MouseButtonPress, HandleCentre(s, 5), Qt::LeftButton,
                             Qt::LeftButton);
                       Mouse(s, QEvent::MouseButtonRelease, HandleCentre(s, 5), Qt::LeftButton,
                             Qt::NoButton);
                   },
                   1, 5},
        SliderCase{"wheel_step_is_a_whole_move", 5,
                   [](ProbeSlider& s) {
                       const QPoint at = HandleCentre(s, 5);
                       QWheelEvent wheel(at, s.mapToGlobal(at), QPoint(), QPoint(0, 120),
                                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                       QApplication::sendEvent(&s, &wheel);
                   },
                   2, -1},
        SliderCase{"program_changes_are_silent", 5,
                   [](ProbeSlider& s) {
                       s.setValue(3);
                       s.setMaximum(2);
                       s.setMinimum(1);
                       s.setRange(0, 30);
                       s.setSliderPosition(20);
                       s.triggerAction(QAbstractSlider::SliderSingleStepAdd);
                   },
                   0, 21}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct EntryCase {
    const char* name;
    int step;
    const char* text;
    int position;
};

class ContourStep : public MainWindowTest {
protected:
    // From step 0 without a picture, stopping at `step`; the field is set first.
    void GoTo(int step) {
        if (Step() == 0) {
            CancelDialog([this] { Click("NextButton"); });
        }
        while (Step() < step) {
            Click("NextButton");
        }
    }
};

class SliderOnEntering : public ContourStep, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(SliderOnEntering, ClampedPositionFromField) {
    const EntryCase& entry = GetParam();
    SetText(entry.step == 5 ? "EditMO" : "EditE", entry.text);
    GoTo(entry.step);
    auto* slider = Get<QSlider>("TrackBar");
    ASSERT_TRUE(slider->isVisible());
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), entry.step == 5 ? 30 : 20);
    EXPECT_EQ(slider->value(), entry.position);
    EXPECT_EQ(Text(entry.step == 5 ? "EditMO" : "EditE").toStdString(), entry.text)
        << "setting the slider runs no handler";
    EXPECT_TRUE(log.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SliderOnEntering,
    ::testing::Values(EntryCase{"mo_default", 5, "1.2", 12},
                      EntryCase{"mo_truncated_not_rounded", 5, "2.95", 29},
                      EntryCase{"mo_negative_clamped_to_minimum", 5, "-0.5", 0},
                      EntryCase{"mo_above_range_clamped_to_maximum", 5, "5", 30},
                      EntryCase{"mo_wrapping_to_negative_clamped_to_minimum", 5, "300000000", 0},
                      EntryCase{"e_zero_in_the_middle", 6, "0", 10},
                      EntryCase{"e_negative_fraction", 6, "-0.35", 6},
                      EntryCase{"e_above_range_clamped", 6, "2", 20}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

class SliderInWindow : public ContourStep {};

TEST_F(SliderInWindow, MovesWriteTheFieldText) {
    GoTo(5);
    auto* slider = Get<QSlider>("TrackBar");
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(slider, Qt::Key_Left);
    }
    EXPECT_EQ(Text("EditMO"), "0.7");
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(Text("EditMO"), "0");
    Click("NextButton");
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(Text("EditE"), "-1");
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(Text("EditE"), "1");
}

TEST_F(SliderInWindow, EveryPositionSurvivesLeavingTheStep) {
    GoTo(5);
    auto* slider = Get<QSlider>("TrackBar");
    QTest::keyClick(slider, Qt::Key_Home);
    for (int position = 0; position <= 30; ++position) {
        Click("NextButton");
        Click("BackButton");
        ASSERT_EQ(slider->value(), position) << Text("EditMO").toStdString();
        QTest::keyClick(slider, Qt::Key_Right);
    }
    Click("NextButton");
    QTest::keyClick(slider, Qt::Key_Home);
    for (int position = 0; position <= 20; ++position) {
        Click("NextButton");
        Click("BackButton");
        ASSERT_EQ(slider->value(), position) << Text("EditE").toStdString();
        QTest::keyClick(slider, Qt::Key_Right);
    }
}

TEST_F(SliderInWindow, LoweringTheMaximumClampsBeforeThePositionIsSet) {
    GoTo(5);
    auto* slider = Get<QSlider>("TrackBar");
    QTest::keyClick(slider, Qt::Key_End);
    ASSERT_EQ(Text("EditMO"), "3");
    SetText("EditE", "not a number");
    Click("NextButton");
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(slider->maximum(), 20);
    EXPECT_EQ(slider->value(), 20) << "old position clamped into the new range";
    EXPECT_TRUE(slider->isVisible()) << "keeps its visibility from step 5";
}

TEST_F(SliderInWindow, ReleaseRewritesTheFieldEvenWithoutMove) {
    GoTo(5);
    auto* slider = Get<QSlider>("TrackBar");
    const QPoint handle = HandleCentre(*slider, slider->value());
    Mouse(*slider, QEvent::MouseButtonPress, handle, Qt::LeftButton, Qt::LeftButton);
    SetText("EditMO", "typed meanwhile");
    Mouse(*slider, QEvent::MouseButtonRelease, handle, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Text("EditMO"), "1.2");
}

TEST_F(SliderInWindow, FailingRedrawKeepsTheNewTextAndReportsEachNotification) {
    GoTo(5);
    SetText("EditCX", "abc");
    QTest::keyClick(Get<QSlider>("TrackBar"), Qt::Key_Right);
    EXPECT_EQ(Text("EditMO"), "1.3");
    ASSERT_EQ(log.reports.size(), 2u) << "the press and the release";
    EXPECT_EQ(log.reports[0].text, "'abc' は数値ではありません.");
}

struct HeldTrackCase {
    const char* name;
    bool failFromTheFirstPage; // else the field turns bad once the first page succeeded
};

class FailureWhileTrackHeld : public ContourStep,
                              public ::testing::WithParamInterface<HeldTrackCase> {};

// While the error box is up the button's release goes nowhere, so the slider
// must give up the press when the report takes the capture away; otherwise it
// keeps paging, and every page raises another box.
TEST_P(FailureWhileTrackHeld, ReportEndsThePagingAndTheCapture) {
    GoTo(5);
    auto* slider = Get<NotifyingSlider>("TrackBar");
    QMetaObject::Connection spoil;
    if (GetParam().failFromTheFirstPage) {
        SetText("EditCX", "abc");
    } else {
        spoil = QObject::connect(slider, &NotifyingSlider::Notified, window.get(),
                                 [this] { SetText("EditCX", "abc"); });
    }
    int reports = 0;
    bool grabbedWhileShown = false;
    SetFailureReporter([&](const QString&, const QString&) {
        ++reports;
        grabbedWhileShown = grabbedWhileShown || QWidget::mouseGrabber() != nullptr;
        if (reports == 1) {
            QTest::qWait(300); // the box is up; repeats would come every 50 ms
        }
    });
    const QPoint track(slider->width() - 3, HandleCentre(*slider, slider->value()).y());
    Mouse(*slider, QEvent::MouseButtonPress, track, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports > 0; }, 5000));
    QObject::disconnect(spoil);
    const int stopped = slider->value();
    QTest::qWait(700); // past the delay after which a held track starts repeating
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(slider->value(), stopped) << "still paging";
    EXPECT_FALSE(grabbedWhileShown);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    SetFailureReporter([](const QString&, const QString&) {});
}

INSTANTIATE_TEST_SUITE_P(Moments, FailureWhileTrackHeld,
                         ::testing::Values(HeldTrackCase{"first_page_fails", true},
                                           HeldTrackCase{"repeated_page_fails", false}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace quorvel::testing
