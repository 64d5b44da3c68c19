// After start-up the program starts loading the landmark model by itself,
// once the window is up and without the window waiting for it. A missing
// file stands in for the model: its load ends at once and proves it started.
#include "app/landmarkmodels.h"
#include "detectwindowtest.h"

#include <QTest>

namespace quorvel::testing {
namespace {

constexpr int kLoadStartedWithinMilliseconds = 5000;

TEST_F(DetectWindowTest, IdleWindowStartsModelLoad) {
    const ModelFileVariable nowhere("/nonexistent/idle-landmarks.dat");
    LandmarkModel& model = SharedLandmarkModel();
    window->LoadLandmarkModelWhenIdle();
    EXPECT_FALSE(model.Ready()) << "the window waited for the load";
    EXPECT_TRUE(QTest::qWaitFor([&] { return model.Ready(); }, kLoadStartedWithinMilliseconds));
    EXPECT_TRUE(log.reports.empty()) << "a missing model is reported at Ctrl+D, not at start-up";
}

} // namespace
} // namespace quorvel::testing
