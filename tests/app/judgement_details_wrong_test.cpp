// 判定の詳細 shows what the judgement on screen rests on, and says so when
// nothing is judged.
#include "app/errorreport.h"
#include "app/minformtexts.h"
#include "guitest.h"

#include <QDialog>
#include <QLabel>

namespace quorvel::testing {
namespace {

struct ShownDetail {
    const char* name;
    const char* text;
};

TEST_F(MainWindowTest, DetailsOfDefaultFaceShown) {
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    Click("RedrawButton");
    ASSERT_EQ(Text("LabelAP"), QStringLiteral("66"));
    const QString y = Text("EditY");
    const QString x = Text("EditX");
    // The default fields: the chin 120 pixels below the eyes, the nose at
    // 0.3 of that, the widest row where y = 0.0909... puts it.
    const ShownDetail expected[] = {
        {"ValueChinHeight", "120 px"},
        {"ValueNoseHeight", "36 px"},
        {"ValueWidestRow", "-10.9 px"},
    };
    const ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Find<QLabel>(dialog, "ValueY")->text(), y);
        EXPECT_EQ(Find<QLabel>(dialog, "ValueX")->text(), x);
        for (const ShownDetail& detail : expected) {
            EXPECT_EQ(Find<QLabel>(dialog, detail.name)->text(), QString::fromUtf8(detail.text))
                << detail.name;
        }
        for (const char* name : {"ValueCentreYears", "ValueEarYears", "ValueTopYears",
                                 "ValueChinYears", "ValueNoseYears", "ValueMouthYears"}) {
            const QString years = Find<QLabel>(dialog, name)->text();
            bool number = false;
            years.chopped(2).toDouble(&number);
            EXPECT_TRUE(number && years.endsWith(QStringLiteral(" 歳"))) << years.toStdString();
        }
        dialog->accept();
    });
    Trigger("JudgementDetailsItem");
    EXPECT_TRUE(log.reports.empty());
}

TEST_F(MainWindowTest, DetailsBeforeJudgementSayNothingJudged) {
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    Trigger("JudgementDetailsItem");
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].text, QString::fromStdString(WithFullStop(kNothingJudgedMessage)));
}

TEST_F(MainWindowTest, DetectWithoutPictureChangesNothing) {
    Trigger("DetectFaceItem");
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].text, QString::fromStdString(WithFullStop(kNothingToDetectMessage)));
    EXPECT_EQ(Step(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace quorvel::testing
