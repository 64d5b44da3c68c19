// A screen reader must be able to say what the contour slider adjusts at
// steps 5 and 6 and read its position.
#include "guitest.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QSlider>
#include <QTest>

namespace quorvel::testing {
namespace {

struct SliderCase {
    const char* name;
    int step;
    const char* accessibleName;
    int position;      // from the default field text
    int afterKeyRight; // after one Right key
};

class SliderForScreenReaders : public MainWindowTest,
                               public ::testing::WithParamInterface<SliderCase> {};

TEST_P(SliderForScreenReaders, SaysWhatItAdjustsAndItsPosition) {
    CancelDialog([this] { Click("NextButton"); });
    while (Step() < GetParam().step) {
        Click("NextButton");
    }
    auto* slider = Get<QSlider>("TrackBar");
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(slider);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->text(QAccessible::Name).toStdString(), GetParam().accessibleName);
    QAccessibleValueInterface* value = access->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), GetParam().position);
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(value->currentValue().toInt(), GetParam().afterKeyRight);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SliderForScreenReaders,
    ::testing::Values(SliderCase{"upper_contour", 5, "顔の輪郭形（上半分）", 12, 13},
                      SliderCase{"lower_contour", 6, "顔の輪郭形（下半分）", 10, 11}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace quorvel::testing
