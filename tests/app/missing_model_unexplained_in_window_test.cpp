// Without the model file, Ctrl+D says which package provides it and changes
// nothing.
#include "detectwindowtest.h"

namespace quorvel::testing {
namespace {

TEST_F(DetectWindowTest, MissingModelNamesPackage) {
    const ModelFileVariable nowhere("/nonexistent/landmarks.dat");
    Open(SampleFace());
    const WindowSnapshot before = Snapshot();

    Detect();
    WaitForDetection();
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_TRUE(log.reports[0].text.contains(QStringLiteral("libdlib-data")))
        << log.reports[0].text.toStdString();
    EXPECT_TRUE(log.reports[0].text.contains(QStringLiteral("/nonexistent/landmarks.dat")));
    EXPECT_EQ(Snapshot(), before);
}

} // namespace
} // namespace quorvel::testing
