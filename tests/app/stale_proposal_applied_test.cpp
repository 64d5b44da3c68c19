// A detection still running when another picture is opened must not place
// the old picture's landmarks on the new one.
#include "detectwindowtest.h"

namespace quorvel::testing {
namespace {

// Large enough that its detection outlasts opening another picture.
constexpr int kEnlargement = 3;

TEST_F(DetectWindowTest, ResultForPictureNoLongerShownDropped) {
    QImage large(SampleFace());
    large = large.scaled(large.size() * kEnlargement);
    const QString largeFace = Scratch(QStringLiteral("large.bmp"));
    ASSERT_TRUE(large.save(largeFace, "BMP"));
    Open(largeFace);
    Detect();
    Open(SolidBitmap("other.bmp", QSize(200, 200), Qt::white));
    const WindowSnapshot opened = Snapshot();

    WaitForDetection();
    EXPECT_EQ(Snapshot(), opened);
    EXPECT_EQ(Step(), 1);
    EXPECT_TRUE(log.reports.empty());
}

} // namespace
} // namespace quorvel::testing
