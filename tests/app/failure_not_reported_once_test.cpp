// Every failure that escapes a handler is shown exactly once, titled with the
// program title, and the window keeps the state the handler left.
#include "app/errorreport.h"
#include "guitest.h"
#include "numtext/failure.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTextDocument>
#include <cfenv>
#include <functional>

namespace quorvel::testing {
namespace {

// An object whose every event handler fails, outside any guarded handler.
class FailingObject : public QObject {
public:
    bool event(QEvent*) override { throw Failure("event failed"); }
};

TEST(ErrorReport, GuardedHandlerFailureShownOnceWithProgramTitle) {
    ReportLog log;
    SetProgramTitle(QStringLiteral("Quorvel"));
    RunGuarded([] { throw NumberTextError("'abc' は数値ではありません"); });
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].title, "Quorvel");
    EXPECT_EQ(log.reports[0].text, "'abc' は数値ではありません.");
}

TEST(ErrorReport, MessageBoxIsCriticalWithOneOkButton) {
    SetProgramTitle(QStringLiteral("Quorvel"));
    SetFailureReporter({});
    {
        const ModalAnswer answer([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Quorvel");
            EXPECT_EQ(box->text(), "ﾌｧｲﾙ x は開けません.");
            EXPECT_EQ(box->icon(), QMessageBox::Critical);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
            box->button(QMessageBox::Ok)->click();
        });
        RunGuarded([] { throw Failure("ﾌｧｲﾙ x は開けません"); });
    }
    ReportLog restore;
}

struct TypedText {
    const char* name;
    const char* message;
};

class MarkupInMessage : public ::testing::TestWithParam<TypedText> {};

// A refused field text or a file name can look like markup; the box must
// still show it character for character.
TEST_P(MarkupInMessage, ShownAsPlainText) {
    SetProgramTitle(QStringLiteral("Quorvel"));
    SetFailureReporter({});
    const std::string message = GetParam().message;
    {
        const ModalAnswer answer([&message](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text().toStdString(), message + ".");
            const bool rich =
                label->textFormat() == Qt::RichText ||
                (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
            EXPECT_FALSE(rich) << "shown as markup";
            box->button(QMessageBox::Ok)->click();
        });
        RunGuarded([&message] { throw NumberTextError(message); });
    }
    ReportLog restore;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MarkupInMessage,
    ::testing::Values(TypedText{"bold_tag_in_field", "'<b>12</b>' は数値ではありません"},
                      TypedText{"entity_in_field", "'&lt;1' は数値ではありません"},
                      TypedText{"tag_in_file_name", "ﾌｧｲﾙ /tmp/<i>face.bmp は開けません"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ErrorReport, FailureOutsideHandlersCaughtByTheEventLoop) {
    ReportLog log;
    SetProgramTitle(QStringLiteral("Quorvel"));
    FailingObject target;
    QEvent event(QEvent::User);
    QApplication::sendEvent(&target, &event);
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].text, "event failed.");
}

TEST(ErrorReport, OtherStandardExceptionsAreReportedToo) {
    ReportLog log;
    RunGuarded([] { throw std::bad_alloc(); });
    EXPECT_EQ(log.reports.size(), 1u);
}

TEST(ErrorReport, ArithmeticFaultResetsRoundingBeforeTheBoxShows) {
    int roundingWhenShown = -1;
    SetFailureReporter([&](const QString&, const QString&) { roundingWhenShown = fegetround(); });
    std::fesetround(FE_UPWARD);
    RunGuarded([] { throw ArithmeticFault(FaultKind::Overflow); });
    const int roundingAfter = fegetround();
    std::fesetround(FE_TONEAREST);
    ReportLog restore;
    EXPECT_EQ(roundingWhenShown, FE_TONEAREST);
    EXPECT_EQ(roundingAfter, FE_TONEAREST);
}

TEST(ErrorReport, MouseGrabIsReleasedBeforeTheBoxShows) {
    QWidget widget;
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.grabMouse();
    ASSERT_EQ(QWidget::mouseGrabber(), &widget);
    const QWidget* grabberWhenShown = &widget;
    SetFailureReporter(
        [&](const QString&, const QString&) { grabberWhenShown = QWidget::mouseGrabber(); });
    RunGuarded([] { throw Failure("x"); });
    ReportLog restore;
    EXPECT_EQ(grabberWhenShown, nullptr);
}

void WriteIcon(const QString& path) {
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    ASSERT_TRUE(icon.save(path, "ICO"));
}

// A placeable metafile drawing nothing: key, bounds 0,0-100,50 at 1440 units
// per inch, checksum, then a metafile header and its end record.
void WriteMetafile(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const std::array<quint16, 10> header{0xCDD7, 0x9AC6, 0, 0, 0, 100, 50, 1440, 0, 0};
    quint16 checksum = 0;
    for (quint16 word : header) {
        out << word;
        checksum ^= word;
    }
    out << checksum;
    // type, header words, version, size in words (two 16-bit halves), objects,
    // largest record in words (two halves), unused
    for (quint16 word : {1, 9, 0x300, 12, 0, 0, 3, 0, 0}) {
        out << static_cast<quint16>(word);
    }
    out << quint32{3} << quint16{0}; // end record
}

class FailureRoutes : public MainWindowTest {
public:
    using MainWindowTest::CancelDialog;
    using MainWindowTest::Click;
    using MainWindowTest::ConfirmInDialog;
    using MainWindowTest::Press;
    using MainWindowTest::SetText;
    using MainWindowTest::Trigger;

    void GoTo(int step) {
        if (Step() == 0) {
            CancelDialog([this] { Click("NextButton"); });
        }
        while (Step() < step) {
            Click("NextButton");
        }
    }
};

struct Route {
    const char* name;
    std::function<void(FailureRoutes&)> act;
    std::function<QString()> message; // as shown, full stop included
    int step;                         // where the procedure stands afterwards
};

class FailureRoute : public FailureRoutes, public ::testing::WithParamInterface<Route> {};

TEST_P(FailureRoute, ShownOnceWithTitleAndText) {
    GetParam().act(*this);
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].title, "Quorvel");
    EXPECT_EQ(log.reports[0].text.toStdString(), GetParam().message().toStdString());
    EXPECT_EQ(Step(), GetParam().step);
}

QString Fixed(const char* text) {
    return QString::fromUtf8(text);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, FailureRoute,
    ::testing::Values(
        Route{"bad_cx_on_a_press_at_step_zero",
              [](FailureRoutes& w) {
                  w.SetText("EditCX", "abc");
                  w.Press(10, 10);
              },
              [] { return Fixed("'abc' は数値ではありません."); }, 0},
        Route{"bad_cy_after_cancelled_dialog",
              [](FailureRoutes& w) {
                  w.SetText("EditCY", "?");
                  w.CancelDialog([&w] { w.Click("NextButton"); });
              },
              [] { return Fixed("'?' は数値ではありません."); }, 1},
        Route{"bad_h_at_next_from_step_one",
              [](FailureRoutes& w) {
                  w.GoTo(1);
                  w.SetText("EditH", "x");
                  w.Click("NextButton");
              },
              [] { return Fixed("'x' は浮動小数点数ではありません."); }, 2},
        Route{"bad_cx_on_a_press_at_step_two",
              [](FailureRoutes& w) {
                  w.GoTo(2);
                  w.SetText("EditCX", "1e3");
                  w.Press(50, 50);
              },
              [] { return Fixed("'1e3' は数値ではありません."); }, 2},
        Route{"bad_r_when_judging",
              [](FailureRoutes& w) {
                  w.SetText("EditR", "1.5");
                  w.Click("RedrawButton");
              },
              [] { return Fixed("'1.5' は数値ではありません."); }, 9},
        Route{"mo_minus_one_divides_by_zero",
              [](FailureRoutes& w) {
                  w.SetText("EditMO", "-1");
                  w.Click("RedrawButton");
              },
              [] { return Fixed("0 による浮動小数点数除算."); }, 9},
        Route{"mo_minus_one_with_h_zero_is_invalid",
              [](FailureRoutes& w) {
                  w.SetText("EditMO", "-1");
                  w.SetText("EditH", "0");
                  w.Click("RedrawButton");
              },
              [] { return Fixed("不正な浮動小数点数演算命令."); }, 9},
        Route{"r_zero_fails_the_judgement",
              [](FailureRoutes& w) {
                  w.SetText("EditR", "0");
                  w.Click("RedrawButton");
              },
              [] { return Fixed("不正な浮動小数点数演算命令."); }, 9},
        Route{
            "missing_file_at_step_zero_keeps_step",
            [](FailureRoutes& w) {
                w.ConfirmInDialog([&w] { w.Click("NextButton"); }, ScratchPath("missing.bmp"));
            },
            [] { return QStringLiteral("ﾌｧｲﾙ %1 は開けません.").arg(ScratchPath("missing.bmp")); },
            0},
        Route{
            "missing_file_by_open_command_keeps_step",
            [](FailureRoutes& w) {
                w.GoTo(3);
                w.ConfirmInDialog([&w] { w.Trigger("OpenBitmapItem"); },
                                  ScratchPath("missing.bmp"));
            },
            [] { return QStringLiteral("ﾌｧｲﾙ %1 は開けません.").arg(ScratchPath("missing.bmp")); },
            3},
        Route{"unknown_extension_keeps_its_case",
              [](FailureRoutes& w) {
                  w.ConfirmInDialog([&w] { w.Trigger("OpenBitmapItem"); }, ScratchPath("face.JPG"));
              },
              [] { return Fixed("拡張子 .JPG の画像形式は処理できません."); }, 0},
        Route{"icon_loads_then_its_redraw_fails",
              [](FailureRoutes& w) {
                  WriteIcon(ScratchPath("face.ico"));
                  w.ConfirmInDialog([&w] { w.Trigger("OpenBitmapItem"); }, ScratchPath("face.ico"));
              },
              [] { return Fixed("ﾋﾞｯﾄﾏｯﾌﾟを持っている時のみｲﾒｰｼﾞの変更が可能です."); }, 1},
        Route{"metafile_loads_then_its_redraw_fails",
              [](FailureRoutes& w) {
                  WriteMetafile(ScratchPath("face.wmf"));
                  w.ConfirmInDialog([&w] { w.Trigger("OpenBitmapItem"); }, ScratchPath("face.wmf"));
              },
              [] { return Fixed("ﾋﾞｯﾄﾏｯﾌﾟを持っている時のみｲﾒｰｼﾞの変更が可能です."); }, 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(FailureRoutes, FailedNewFileKeepsOldPictureAndFailsEveryRedraw) {
    ConfirmInDialog([this] { Click("NextButton"); }, SampleFace());
    const QImage shown = Picture();
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, ScratchPath("missing.bmp"));
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(Picture(), shown);
    Click("RedrawButton");
    Click("BackButton");
    ASSERT_EQ(log.reports.size(), 3u) << "the name stays and every redraw tries it";
    EXPECT_EQ(log.reports[2].text, log.reports[0].text);
    EXPECT_EQ(Picture(), shown);
}

TEST_F(FailureRoutes, BadMoAtNextFromStepFourLeavesSliderHiddenAndDoesNotRedraw) {
    ConfirmInDialog([this] { Click("NextButton"); }, SampleFace());
    GoTo(4);
    const QImage drawn = Picture();
    SetText("EditMO", "abc");
    Click("NextButton");
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].text, "'abc' は浮動小数点数ではありません.");
    EXPECT_EQ(Step(), 5);
    EXPECT_TRUE(Get<QPushButton>("BackButton")->isEnabled());
    auto* slider = Get<QSlider>("TrackBar");
    EXPECT_FALSE(slider->isVisible());
    EXPECT_EQ(slider->maximum(), 30) << "the range was set before the failure";
    EXPECT_EQ(Picture(), drawn) << "no redraw";

    SetText("EditMO", "1.2");
    Click("BackButton");
    Click("NextButton");
    EXPECT_TRUE(slider->isVisible());
    EXPECT_EQ(slider->value(), 12);
    EXPECT_EQ(log.reports.size(), 1u);
}

TEST_F(FailureRoutes, WindowStaysUsableAfterAFailure) {
    SetText("EditCX", "abc");
    Click("RedrawButton");
    ASSERT_EQ(log.reports.size(), 1u);
    SetText("EditCX", "200");
    SetText("EditCY", "150");
    Click("RedrawButton");
    EXPECT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(Text("LabelAP"), "66");
}

} // namespace
} // namespace quorvel::testing
