// Ctrl+D on the sample face places the proposed landmarks as their presses
// would, stands at the upper contour and lets Next and 判定 judge without a
// press; the window's thread never stalls while the model loads.
#include "app/landmarkmodels.h"
#include "detect/landmarkproposal.h"
#include "detectwindowtest.h"
#include "face/memoryfields.h"
#include "picture/pictureloader.h"

#include <QElapsedTimer>

namespace quorvel::testing {
namespace {

constexpr qint64 kLongestStallMilliseconds = 50;

TEST_F(DetectWindowTest, ProposalPlacedAtUpperContourAndJudgedWithoutPress) {
    Open(SampleFace());
    const MemoryFields before(*window);

    const StallMeter stalls;
    QElapsedTimer command;
    command.start();
    Detect();
    const qint64 commandMilliseconds = command.elapsed();
    WaitForDetection();
    std::cout << "Ctrl+D handler " << commandMilliseconds << " ms, longest stall while running "
              << stalls.LongestMilliseconds() << " ms\n";
    EXPECT_LT(commandMilliseconds, kLongestStallMilliseconds);
    EXPECT_LT(stalls.LongestMilliseconds(), kLongestStallMilliseconds);

    const std::optional<FaceLandmarks> landmarks = ProposeLandmarks(
        SharedLandmarkModel().Wait(), LoadPictureFile(SampleFace().toStdString())->Image());
    ASSERT_TRUE(landmarks);
    MemoryFields expected(before);
    PlaceLandmarks(*landmarks, expected);
    EXPECT_EQ(Step(), 5);
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        EXPECT_EQ(window->ReadText(field), expected.ReadText(field)) << "field " << i;
    }
    EXPECT_NE(window->ReadText(Field::EditCX), before.ReadText(Field::EditCX));
    EXPECT_EQ(window->ReadText(Field::EditMO), before.ReadText(Field::EditMO));
    EXPECT_EQ(window->ReadText(Field::EditE), before.ReadText(Field::EditE));

    Click("NextButton");
    Click("NextButton");
    Click("NextButton");
    Click("RedrawButton");
    EXPECT_EQ(Step(), 9);
    bool isAge = false;
    const int age = Text("LabelAP").toInt(&isAge);
    EXPECT_TRUE(isAge) << Text("LabelAP").toStdString();
    EXPECT_GE(age, 0);
    EXPECT_LE(age, 80);
    EXPECT_TRUE(log.reports.empty());
}

} // namespace
} // namespace quorvel::testing
