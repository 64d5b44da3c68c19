// The whole guided procedure on the sample face, step 0 to 9, with presses that
// keep the default model so that the judgement is the known one.
#include "guitest.h"

#include <QFileDialog>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <cfenv>

namespace quorvel::testing {
namespace {

bool IsRed(QRgb pixel) {
    return qRed(pixel) == 255 && qGreen(pixel) == 0 && qBlue(pixel) == 0;
}
bool IsBlue(QRgb pixel) {
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 255;
}
bool IsWhite(QRgb pixel) {
    return (pixel & 0xFFFFFFu) == 0xFFFFFFu;
}

struct FieldTexts {
    const char* cx;
    const char* cy;
    const char* r;
    const char* h;
    const char* mo;
    const char* e;
    const char* nh;
    const char* mh;
    const char* a;
};

class Procedure : public MainWindowTest {
protected:
    void ExpectButtons(bool back, bool next) {
        EXPECT_EQ(Get<QPushButton>("BackButton")->isEnabled(), back);
        EXPECT_EQ(Get<QPushButton>("NextButton")->isEnabled(), next);
        EXPECT_TRUE(Get<QPushButton>("RedrawButton")->isEnabled());
    }
    void ExpectFields(const FieldTexts& expected) {
        EXPECT_EQ(Text("EditCX").toStdString(), expected.cx);
        EXPECT_EQ(Text("EditCY").toStdString(), expected.cy);
        EXPECT_EQ(Text("EditR").toStdString(), expected.r);
        EXPECT_EQ(Text("EditH").toStdString(), expected.h);
        EXPECT_EQ(Text("EditMO").toStdString(), expected.mo);
        EXPECT_EQ(Text("EditE").toStdString(), expected.e);
        EXPECT_EQ(Text("EditNH").toStdString(), expected.nh);
        EXPECT_EQ(Text("EditMH").toStdString(), expected.mh);
        EXPECT_EQ(Text("EditA").toStdString(), expected.a);
    }
};

TEST_F(Procedure, SampleFaceFromStepZeroToJudgement) {
    const QImage original(SampleFace());
    ASSERT_FALSE(original.isNull());
    auto* slider = Get<QSlider>("TrackBar");

    ConfirmInDialog([this] { Click("NextButton"); }, SampleFace());
    ASSERT_EQ(Step(), 1);
    ExpectButtons(true, true);
    EXPECT_FALSE(slider->isVisible());
    ASSERT_EQ(Picture().size(), QSize(512, 512));
    EXPECT_EQ(Get<QWidget>("Image")->size(), QSize(512, 512));
    // The default centre (0, 0) puts the eye line along the top row.
    EXPECT_TRUE(IsRed(Picture().pixel(40, 0)));

    Press(200, 150);
    ExpectFields({"200", "150", "100", "1.2", "1.2", "0", "0.3", "0.5", "0"});
    EXPECT_TRUE(IsRed(Picture().pixel(140, 150)));
    EXPECT_EQ(Picture().pixel(40, 0), original.pixel(40, 0)) << "the reload wipes the old line";

    Click("NextButton");
    ASSERT_EQ(Step(), 2);
    Press(200, 175); // on the centre's column: r stays
    EXPECT_EQ(Text("EditR"), "100");
    Press(300, 175, Qt::RightButton);
    EXPECT_EQ(Text("EditR"), "100");
    EXPECT_TRUE(IsBlue(Picture().pixel(200, 30))) << "face box top";
    EXPECT_TRUE(IsBlue(Picture().pixel(100, 200))) << "face box left";

    Click("NextButton");
    ASSERT_EQ(Step(), 3);
    Press(10, 30);
    EXPECT_EQ(Text("EditH"), "1.2");

    Click("NextButton");
    ASSERT_EQ(Step(), 4);
    Press(10, 290);
    EXPECT_EQ(Text("EditH"), "1.3");
    EXPECT_EQ(Text("EditA"), "0.0769230769230769");
    EXPECT_TRUE(IsBlue(Picture().pixel(200, 290))) << "box bottom follows the chin";
    Press(10, 270);
    EXPECT_EQ(Text("EditH"), "1.2");
    EXPECT_EQ(Text("EditA"), "0");

    Click("NextButton");
    ASSERT_EQ(Step(), 5);
    ASSERT_TRUE(slider->isVisible());
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 30);
    EXPECT_EQ(slider->value(), 12);
    EXPECT_TRUE(IsBlue(Picture().pixel(286, 85))) << "contour at 60 degrees";
    EXPECT_TRUE(IsRed(Picture().pixel(200, 186))) << "nose mark";
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(Text("EditMO"), "1.3");
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(Text("EditMO"), "1.2");

    Click("NextButton");
    ASSERT_EQ(Step(), 6);
    EXPECT_EQ(slider->maximum(), 20);
    EXPECT_EQ(slider->value(), 10);

    Click("NextButton");
    ASSERT_EQ(Step(), 7);
    EXPECT_FALSE(slider->isVisible());
    Press(10, 150); // on the eye line: nothing
    Press(10, 186);
    EXPECT_EQ(Text("EditNH"), "0.3");

    Click("NextButton");
    ASSERT_EQ(Step(), 8);
    Press(10, 210);
    EXPECT_EQ(Text("EditMH"), "0.5");
    EXPECT_EQ(Text("LabelAP"), "未判定");

    Click("NextButton");
    ASSERT_EQ(Step(), 9);
    ExpectButtons(true, false);
    ExpectFields({"200", "150", "100", "1.2", "1.2", "0", "0.3", "0.5", "0"});
    EXPECT_EQ(Text("EditY"), "0.0909090909090909");
    EXPECT_EQ(Text("EditX"), "0.303030303030303");
    EXPECT_EQ(Text("LabelAP"), "66");
    const QImage judged = Picture();
    EXPECT_TRUE(IsWhite(judged.pixel(200, 150))) << "eye-line marker filled white";
    EXPECT_TRUE(IsWhite(judged.pixel(200, 139))) << "widest-line marker filled white";
    EXPECT_TRUE(IsRed(judged.pixel(150, 150))) << "eye line beside the marker";

    Click("BackButton");
    ASSERT_EQ(Step(), 8);
    EXPECT_EQ(Text("LabelAP"), "未判定");
    EXPECT_EQ(Text("EditY"), "0.0909090909090909") << "results stay after leaving step 9";
    EXPECT_EQ(Picture().pixel(200, 139), original.pixel(200, 139)) << "markers gone";

    Click("RedrawButton");
    EXPECT_EQ(Step(), 9);
    EXPECT_EQ(Text("LabelAP"), "66");
}

TEST_F(Procedure, JudgeFromStepZeroThenBackGoesToEight) {
    SetText("EditCX", "200");
    SetText("EditCY", "150");
    Click("RedrawButton");
    ASSERT_EQ(Step(), 9);
    EXPECT_EQ(Text("LabelAP"), "66");
    // No picture was ever chosen: the view's blank raster carries the drawing.
    ASSERT_FALSE(Picture().isNull());
    EXPECT_EQ(Picture().size(), Get<QWidget>("Image")->size());
    Click("BackButton");
    EXPECT_EQ(Step(), 8);
    ExpectButtons(true, true);
}

TEST_F(Procedure, NextAtEightAndJudgeAtEightAgree) {
    ConfirmInDialog([this] { Click("NextButton"); }, SampleFace());
    for (int step = 1; step < 8; ++step) {
        Click("NextButton");
    }
    ASSERT_EQ(Step(), 8);
    Click("NextButton");
    const QImage byNext = Picture();
    const QString ageByNext = Text("LabelAP");
    Click("BackButton");
    Click("RedrawButton");
    EXPECT_EQ(Text("LabelAP"), ageByNext);
    EXPECT_EQ(Picture(), byNext);
}

TEST_F(Procedure, BackToStepZeroRemovesOverlayAndNextOpensDialogAgain) {
    const QImage original(SampleFace());
    ConfirmInDialog([this] { Click("NextButton"); }, SampleFace());
    SetText("EditCX", "200");
    SetText("EditCY", "150");
    Click("BackButton");
    ASSERT_EQ(Step(), 0);
    EXPECT_FALSE(Get<QPushButton>("BackButton")->isEnabled());
    EXPECT_EQ(Picture().convertToFormat(QImage::Format_RGB32),
              original.convertToFormat(QImage::Format_RGB32));
    CancelDialog([this] { Click("NextButton"); });
    EXPECT_EQ(Step(), 1);
}

TEST_F(Procedure, OpenCommandAtStepSevenKeepsFieldsAndGoesToStepOne) {
    ConfirmInDialog([this] { Click("NextButton"); }, SampleFace());
    for (int step = 1; step < 7; ++step) {
        Click("NextButton");
    }
    SetText("EditCX", "123");
    SetText("EditNH", "0.25");
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    EXPECT_EQ(Step(), 1);
    EXPECT_EQ(Text("EditCX"), "123");
    EXPECT_EQ(Text("EditNH"), "0.25");
    EXPECT_EQ(Text("LabelAP"), "未判定");
}

TEST_F(Procedure, CancelledOpenCommandChangesNothing) {
    ConfirmInDialog([this] { Click("NextButton"); }, SampleFace());
    Click("NextButton");
    const QImage before = Picture();
    SetText("EditCX", "not read");
    CancelDialog([this] { Trigger("OpenBitmapItem"); });
    EXPECT_EQ(Step(), 2);
    EXPECT_EQ(Picture(), before) << "no redraw";
    EXPECT_TRUE(log.reports.empty()) << "the bad field was not read";
}

TEST_F(Procedure, FileDialogReopensAtLastConfirmedPathAndFilter) {
    const QString allFiles = QStringLiteral("全てのﾌｧｲﾙ (*.*)");
    QStringList firstFilters;
    {
        const ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            firstFilters = dialog->nameFilters();
            EXPECT_EQ(dialog->selectedNameFilter(), firstFilters.value(0));
            dialog->selectNameFilter(allFiles);
            dialog->selectFile(SampleFace());
            std::fesetround(FE_DOWNWARD); // as a library loaded by the dialog might
            QMetaObject::invokeMethod(dialog, "accept");
        });
        Click("NextButton");
    }
    EXPECT_EQ(fegetround(), FE_TONEAREST) << "arithmetic settings restored after the dialog";
    EXPECT_EQ(firstFilters, (QStringList{QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ (*.bmp)"), allFiles}));
    CancelDialog([this] { Trigger("OpenBitmapItem"); });
    const ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->selectedFiles().value(0), SampleFace()) << "a cancel keeps the name";
        EXPECT_EQ(dialog->selectedNameFilter(), allFiles);
        dialog->reject();
    });
    Trigger("OpenBitmapItem");
}

// The dialog must not remember folders in a settings file across sessions.
TEST_F(Procedure, FileDialogKeepsNoSettings) {
    const ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(SampleFace());
        QMetaObject::invokeMethod(dialog, "accept");
    });
    Click("NextButton");
    const QSettings settings(QSettings::UserScope, QStringLiteral("QtProject"));
    EXPECT_FALSE(settings.childGroups().contains(QStringLiteral("FileDialog")))
        << settings.fileName().toStdString();
}

TEST_F(Procedure, BlankRasterRedrawsAccumulate) {
    CancelDialog([this] { Click("NextButton"); });
    ASSERT_EQ(Step(), 1);
    Press(150, 100);
    Press(150, 200);
    const QImage drawn = Picture();
    EXPECT_TRUE(IsRed(drawn.pixel(150 - 50, 100)));
    EXPECT_TRUE(IsRed(drawn.pixel(150 - 50, 200)));
}

} // namespace
} // namespace quorvel::testing
