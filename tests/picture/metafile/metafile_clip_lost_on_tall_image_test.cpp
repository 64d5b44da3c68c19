// A clipping path on a tall metafile image: Qt makes no region of a polygon
// over 100,000 rows tall, which would clip away all drawing after it.
#include "picture/metafile/gdiclip.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct TallImage {
    const char* name;
    int height;
};

class ClipOnTallImage : public ::testing::TestWithParam<TallImage> {};

// A column with a notch cut into its left side at mid-height: not a
// rectangle, which Qt would take by another path.
TEST_P(ClipOnTallImage, KeepsTheWholeShape) {
    const int height = GetParam().height;
    const GdiClip clip(QSize(10, height));
    QPainterPath notched;
    notched.addPolygon(QPolygonF({QPointF(0, 0), QPointF(10, 0), QPointF(10, height),
                                  QPointF(0, height), QPointF(5, height / 2.0)}));
    notched.closeSubpath();
    const QRegion region = clip.FromLogical(notched, QTransform(), Qt::OddEvenFill);
    EXPECT_TRUE(region.contains(QPoint(8, 1)));
    EXPECT_TRUE(region.contains(QPoint(8, height / 2)));
    EXPECT_TRUE(region.contains(QPoint(8, height - 2)));
    EXPECT_FALSE(region.contains(QPoint(1, height / 2))) << "the notch";
    EXPECT_FALSE(region.contains(QPoint(8, height + 5))) << "beyond the image";
}

INSTANTIATE_TEST_SUITE_P(Heights, ClipOnTallImage,
                         ::testing::Values(TallImage{"short", 1000},
                                           TallImage{"just_over_qts_polygon_limit", 100'010},
                                           TallImage{"several_bands", 300'000}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace quorvel
