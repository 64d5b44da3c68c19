// The age's range shows under the age, named for screen readers and in the
// age's tool tip, only while the window shows an age.
#include "face/judgementrange.h"
#include "face/memoryfields.h"
#include "guitest.h"

#include <QLabel>
#include <QRegularExpression>

namespace quorvel::testing {
namespace {

class AgeRangeNotShown : public MainWindowTest {
protected:
    void OpenFace() {
        ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    }
    bool RangeShown() { return Get<QLabel>("LabelRange")->isVisible(); }
};

TEST_F(AgeRangeNotShown, ShownWithAgeAtLastStep) {
    OpenFace();
    EXPECT_FALSE(RangeShown());
    Click("RedrawButton");
    ASSERT_EQ(Text("LabelAP"), QStringLiteral("66"));
    ASSERT_TRUE(RangeShown());

    const QString text = Text("LabelRange");
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^範囲 (\\d+)\u2013(\\d+)$")).match(text);
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    EXPECT_LE(match.captured(1).toInt(), 66);
    EXPECT_GE(match.captured(2).toInt(), 66);
    const std::optional<AgeRange> range = JudgeAgeRange(MemoryFields(*window));
    ASSERT_TRUE(range);
    EXPECT_EQ(match.captured(1).toInt(), range->low);
    EXPECT_EQ(match.captured(2).toInt(), range->high);
    EXPECT_EQ(Get<QLabel>("LabelRange")->accessibleName(), QStringLiteral("推定年齢の範囲"));
    EXPECT_EQ(Get<QLabel>("LabelAP")->toolTip(), text);
}

TEST_F(AgeRangeNotShown, HiddenAfterGoingBack) {
    OpenFace();
    Click("RedrawButton");
    Click("BackButton");
    EXPECT_EQ(Step(), 8);
    EXPECT_FALSE(RangeShown());
    EXPECT_TRUE(Get<QLabel>("LabelAP")->toolTip().isEmpty());
}

TEST_F(AgeRangeNotShown, HiddenWhenJudgementGivesError) {
    OpenFace();
    Click("RedrawButton");
    SetText("EditNH", "0");
    Click("RedrawButton");
    EXPECT_EQ(Text("EditX"), QStringLiteral("Error"));
    EXPECT_FALSE(RangeShown());
    EXPECT_TRUE(Get<QLabel>("LabelAP")->toolTip().isEmpty());
}

TEST_F(AgeRangeNotShown, HiddenWhenRedrawFails) {
    OpenFace();
    Click("RedrawButton");
    SetText("EditR", "0");
    Click("RedrawButton");
    EXPECT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(Text("LabelAP"), QStringLiteral("未判定"));
    EXPECT_FALSE(RangeShown());
}

} // namespace
} // namespace quorvel::testing
