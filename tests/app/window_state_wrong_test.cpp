// The main window as it starts, its keyboard behaviour, its layout under
// resizing and splitter drags, the menu commands and the version dialog (the
// read-me command is in readme_not_found_test.cpp).
#include "app/widgets/formscale.h"
#include "guitest.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QTest>

namespace quorvel::testing {
namespace {

struct Caption {
    const char* name;
    const char* text;
};

class WindowState : public MainWindowTest {};

TEST_F(WindowState, StartsAtStepZeroWithDefaultTexts) {
    EXPECT_EQ(window->windowTitle(), "Quorvella");
    EXPECT_EQ(Step(), 0);
    for (const Caption& c : std::initializer_list<Caption>{
             {"EditCX", "0"},   {"EditCY", "0"},  {"EditR", "100"},        {"EditH", "1.2"},
             {"EditMO", "1.2"}, {"EditE", "0"},   {"EditNH", "0.3"},       {"EditMH", "0.5"},
             {"EditA", "0"},    {"EditY", "0"},   {"EditX", "0"},          {"Label1", "cx"},
             {"Label2", "cy"},  {"Label3", "r"},  {"Label4", "h"},         {"Label5", "mo"},
             {"Label6", "e"},   {"Label7", "nh"}, {"Label8", "mh"},        {"Label9", "a"},
             {"Label10", "y"},  {"Label11", "x"}, {"Label12", "推定年齢"}, {"LabelAP", "未判定"}}) {
        EXPECT_EQ(Text(c.name).toStdString(), c.text) << c.name;
    }
    for (const Caption& c : std::initializer_list<Caption>{
             {"BackButton", "戻る <<"}, {"NextButton", "次へ >>"}, {"RedrawButton", "判定"}}) {
        EXPECT_EQ(Get<QPushButton>(c.name)->text().toStdString(), c.text) << c.name;
    }
    EXPECT_FALSE(Get<QPushButton>("BackButton")->isEnabled());
    EXPECT_TRUE(Get<QPushButton>("NextButton")->isEnabled());
    auto* slider = Get<QSlider>("TrackBar");
    EXPECT_FALSE(slider->isVisible());
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 10);
    EXPECT_EQ(slider->value(), 0);
    EXPECT_TRUE(Picture().isNull()) << "nothing drawn or loaded at start";
    const FormScale scale(window->font());
    EXPECT_EQ(Get<QWidget>("Image")->size(), scale.Rect(0, 0, 493, 337).size());
    for (const char* name : {"Panel1", "Panel2", "ScrollBox1", "Splitter1", "Splitter2"}) {
        EXPECT_TRUE(Get<QWidget>(name)->isVisible()) << name;
    }
}

TEST_F(WindowState, MenusHaveTheirCaptionsAndNoShortcuts) {
    EXPECT_EQ(Get<QMenu>("File1")->title(), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(Get<QMenu>("Help1")->title(), "ﾍﾙﾌﾟ(&H)");
    const auto entries =
        std::initializer_list<Caption>{{"OpenBitmapItem", "背景ﾋﾞｯﾄﾏｯﾌﾟを開く(&B)..."},
                                       {"N1", ""},
                                       {"ExitItem", "閉じる(&X)"},
                                       {"ReadMeItem", "ReadMe(&R)"},
                                       {"N2", ""},
                                       {"VersionItem", "ﾊﾞｰｼﾞｮﾝ情報(&A)..."}};
    for (const Caption& c : entries) {
        auto* action = Get<QAction>(c.name);
        EXPECT_EQ(action->text().toStdString(), c.text) << c.name;
        EXPECT_EQ(action->isSeparator(), c.text[0] == '\0') << c.name;
        EXPECT_TRUE(action->shortcut().isEmpty()) << c.name;
    }
    EXPECT_EQ(Get<QMenu>("File1")->actions(),
              (QList<QAction*>{Get<QAction>("OpenBitmapItem"), Get<QAction>("ImportPhotoItem"),
                               Get<QAction>("N3"), Get<QAction>("OpenResultItem"),
                               Get<QAction>("SaveResultItem"), Get<QAction>("N1"),
                               Get<QAction>("ExitItem")}));
}

TEST_F(WindowState, ResultFieldsRejectTypingButTakeFocus) {
    for (const char* name : {"EditY", "EditX"}) {
        auto* edit = Get<QLineEdit>(name);
        edit->setFocus();
        QTest::keyClicks(edit, "12");
        EXPECT_EQ(edit->text(), "0") << name;
        EXPECT_TRUE(edit->focusPolicy() & Qt::TabFocus) << name;
        EXPECT_EQ(edit->palette().color(QPalette::Base), edit->palette().color(QPalette::Button));
    }
    auto* editable = Get<QLineEdit>("EditR");
    editable->selectAll();
    editable->insert(QString(40000, QLatin1Char('7'))); // as typing or pasting it would
    EXPECT_EQ(editable->text().size(), 40000) << "editable fields take any length";
}

TEST_F(WindowState, FocusStartsAtNextAndTabRunsThroughTheTable) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(window->focusWidget(), Get<QWidget>("NextButton"));
    const auto tab = [this](Qt::Key key) {
        QTest::keyClick(window->focusWidget(), key);
        return window->focusWidget()->objectName().toStdString();
    };
    for (const char* name : {"RedrawButton", "EditCX", "EditCY", "EditR", "EditH", "EditMO",
                             "EditE", "EditNH", "EditMH", "EditA", "EditY", "EditX"}) {
        EXPECT_EQ(tab(Qt::Key_Tab), name);
    }
    // At step 5 the slider is shown and comes between Next and Judge.
    CancelDialog([this] { Click("NextButton"); });
    while (Step() < 5) {
        Click("NextButton");
    }
    Get<QWidget>("NextButton")->setFocus();
    EXPECT_EQ(tab(Qt::Key_Tab), "TrackBar");
    EXPECT_EQ(tab(Qt::Key_Tab), "RedrawButton");
    EXPECT_EQ(tab(Qt::Key_Backtab), "TrackBar");
    EXPECT_EQ(tab(Qt::Key_Backtab), "NextButton");
    EXPECT_EQ(tab(Qt::Key_Backtab), "BackButton");
}

struct KeyCase {
    const char* name;
    const char* focus;
    Qt::Key key;
    int step;
};

class KeyOnFocus : public MainWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyOnFocus, PressesOnlyTheFocusedButton) {
    SetText("EditCX", "200");
    SetText("EditCY", "150");
    auto* focus = Get<QWidget>(GetParam().focus);
    focus->setFocus();
    QTest::keyClick(focus, GetParam().key);
    EXPECT_EQ(Step(), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyOnFocus,
    ::testing::Values(KeyCase{"enter_on_judge", "RedrawButton", Qt::Key_Return, 9},
                      KeyCase{"space_on_judge", "RedrawButton", Qt::Key_Space, 9},
                      KeyCase{"enter_in_a_field_presses_no_default_button", "EditCX",
                              Qt::Key_Return, 0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(WindowState, FieldsAreAnnouncedByTheirCaptions) {
    for (const Caption& c : std::initializer_list<Caption>{
             {"EditCX", "cx"}, {"EditMO", "mo"}, {"EditY", "y"}, {"EditX", "x"}}) {
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(Get<QWidget>(c.name));
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(QAccessible::Name).toStdString(), c.text);
    }
    QAccessibleInterface* age = QAccessible::queryAccessibleInterface(Get<QWidget>("LabelAP"));
    ASSERT_NE(age, nullptr);
    EXPECT_EQ(age->text(QAccessible::Description), "推定年齢");
    QAccessibleInterface* judge =
        QAccessible::queryAccessibleInterface(Get<QWidget>("RedrawButton"));
    EXPECT_EQ(judge->text(QAccessible::Name), "判定");
}

TEST_F(WindowState, ResizingKeepsPanelSizesAndGivesTheRestToThePicture) {
    const int panelWidth = Get<QWidget>("Panel2")->width();
    const int panelHeight = Get<QWidget>("Panel1")->height();
    const QSize area = Get<QWidget>("ScrollBox1")->size();
    window->resize(window->width() + 100, window->height() + 60);
    QApplication::processEvents();
    EXPECT_EQ(Get<QWidget>("Panel2")->width(), panelWidth);
    EXPECT_EQ(Get<QWidget>("Panel1")->height(), panelHeight);
    EXPECT_EQ(Get<QWidget>("ScrollBox1")->size(), area + QSize(100, 60));
    EXPECT_EQ(Get<QWidget>("Panel1")->width(), window->centralWidget()->width());
}

void Drag(QWidget* bar, QPoint by, bool escape) {
    const QPoint start(1, 1);
    const auto send = [bar](QEvent::Type type, QPoint at, Qt::MouseButton button,
                            Qt::MouseButtons held) {
        QMouseEvent event(type, at, bar->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(bar, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, start + by, Qt::NoButton, Qt::LeftButton);
    if (escape) {
        QTest::keyClick(bar, Qt::Key_Escape);
    }
    send(QEvent::MouseButtonRelease, start + by, Qt::LeftButton, Qt::NoButton);
}

struct DragCase {
    const char* name;
    const char* bar;
    QPoint by;
    bool escape;
    // Expected size of Panel2's width (Splitter1) or Panel1's height
    // (Splitter2), given the client area's size along that axis and the bar.
    std::function<int(int extent, int bar, int before)> expected;
};

class SplitterDrag : public MainWindowTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(SplitterDrag, StaysWithinThirtyPixelLimits) {
    const bool left = std::string(GetParam().bar) == "Splitter1";
    auto* panel = Get<QWidget>(left ? "Panel2" : "Panel1");
    auto* bar = Get<QWidget>(GetParam().bar);
    const QWidget* client = window->centralWidget();
    const int extent = left ? client->width() : client->height();
    const int thickness = left ? bar->width() : bar->height();
    const int before = left ? panel->width() : panel->height();
    Drag(bar, GetParam().by, GetParam().escape);
    EXPECT_EQ(left ? panel->width() : panel->height(),
              GetParam().expected(extent, thickness, before));
}

INSTANTIATE_TEST_SUITE_P(
    Drags, SplitterDrag,
    ::testing::Values(DragCase{"left_bar_far_right_leaves_thirty", "Splitter1", QPoint(5000, 0),
                               false, [](int extent, int bar, int) { return extent - bar - 30; }},
                      DragCase{"left_bar_far_left_keeps_thirty", "Splitter1", QPoint(-5000, 0),
                               false, [](int, int, int) { return 30; }},
                      DragCase{"left_bar_moves_with_the_mouse", "Splitter1", QPoint(20, 0), false,
                               [](int, int, int before) { return before + 20; }},
                      DragCase{"escape_cancels_left_drag", "Splitter1", QPoint(80, 0), true,
                               [](int, int, int before) { return before; }},
                      DragCase{"bottom_bar_far_up_leaves_thirty", "Splitter2", QPoint(0, -5000),
                               false, [](int extent, int bar, int) { return extent - bar - 30; }},
                      DragCase{"bottom_bar_far_down_keeps_thirty", "Splitter2", QPoint(0, 5000),
                               false, [](int, int, int) { return 30; }},
                      DragCase{"escape_cancels_bottom_drag", "Splitter2", QPoint(0, -40), true,
                               [](int, int, int before) { return before; }}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(WindowState, CloseCommandClosesTheWindow) {
    Trigger("ExitItem");
    EXPECT_FALSE(window->isVisible());
}

struct VersionKeyCase {
    const char* name;
    Qt::Key key;
    bool closes;
};

class VersionDialog : public MainWindowTest,
                      public ::testing::WithParamInterface<VersionKeyCase> {};

TEST_P(VersionDialog, OnlyEnterAndSpaceClose) {
    bool stillUp = false;
    const ModalAnswer answer([&](QWidget* modal) {
        auto* button = Find<QPushButton>(modal, "Button1");
        EXPECT_EQ(modal->focusWidget(), button);
        QTest::keyClick(button, GetParam().key);
        stillUp = modal->isVisible();
        if (stillUp) {
            QTest::keyClick(button, Qt::Key_Space);
        }
    });
    Trigger("VersionItem");
    EXPECT_EQ(stillUp, !GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(Keys, VersionDialog,
                         ::testing::Values(VersionKeyCase{"enter", Qt::Key_Return, true},
                                           VersionKeyCase{"space", Qt::Key_Space, true},
                                           VersionKeyCase{"escape", Qt::Key_Escape, false}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(WindowState, VersionDialogIsFreshFixedCentredAndModal) {
    std::vector<QPointer<QDialog>> shown;
    const auto inspectAndClose = [&](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        shown.emplace_back(dialog);
        EXPECT_EQ(dialog->windowTitle(), "ﾊﾞｰｼﾞｮﾝ情報");
        EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(dialog->parentWidget(), window.get());
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowSystemMenuHint);
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint);
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_EQ(dialog->size(), FormScale(dialog->font()).Rect(0, 0, 386, 88).size());
        const QRect screen = dialog->screen()->geometry();
        EXPECT_LE(std::abs(dialog->frameGeometry().center().x() - screen.center().x()), 1);
        EXPECT_LE(std::abs(dialog->frameGeometry().center().y() - screen.center().y()), 1);
        EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text(), "Quorvella Ver 1.1");
        EXPECT_FALSE(Find<QLabel>(dialog, "Label2")->text().isEmpty());
        EXPECT_EQ(Find<QLabel>(dialog, "Image1")->pixmap().size(), QSize(32, 32));
        QTest::keyClick(Find<QPushButton>(dialog, "Button1"), Qt::Key_Return);
    };
    {
        const ModalAnswer answer(inspectAndClose);
        Trigger("VersionItem");
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].isNull()) << "destroyed when the showing ends";
    {
        const ModalAnswer answer(inspectAndClose);
        Trigger("VersionItem");
    }
    EXPECT_EQ(shown.size(), 2u);
}

} // namespace
} // namespace quorvel::testing
