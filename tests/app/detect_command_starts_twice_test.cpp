// Ctrl+D pressed again while a detection runs starts no second one: a
// picture without a face gives one message and changes nothing, and once the
// detection has ended Ctrl+D works again.
#include "app/errorreport.h"
#include "detect/detectmessages.h"
#include "detectwindowtest.h"

#include <QTest>

namespace quorvel::testing {
namespace {

// Long enough for a second detection's result to have come.
constexpr int kSettleMilliseconds = 300;

TEST_F(DetectWindowTest, SecondPressWhileRunningGivesNoSecondMessage) {
    Open(SolidBitmap("flat.bmp", QSize(320, 240), Qt::gray));
    const WindowSnapshot before = Snapshot();

    Detect();
    Detect();
    WaitForDetection();
    QTest::qWait(kSettleMilliseconds);
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].text, QString::fromStdString(WithFullStop(kNoFaceMessage)));
    EXPECT_EQ(Snapshot(), before);

    Detect();
    WaitForDetection();
    EXPECT_EQ(log.reports.size(), 2u);
    EXPECT_EQ(Snapshot(), before);
}

} // namespace
} // namespace quorvel::testing
