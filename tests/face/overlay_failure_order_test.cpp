#include "face/face.h"
#include "numtext/numtext.h"
#include "recorders.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using testing::RecordingFields;
using testing::RecordingView;

class OverlayFailure : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator('.');
        fields.Set(Field::EditCX, "200");
        fields.Set(Field::EditCY, "150");
        fields.Set(Field::EditY, "old y");
        fields.Set(Field::EditX, "old x");
        fields.Set(Field::LabelAP, "40");
    }

    template <typename Error> std::string Redraw(int step) {
        try {
            RedrawOverlay(step, fields, "face.bmp", view);
        } catch (const Error& error) {
            return error.what();
        }
        ADD_FAILURE() << "redraw at step " << step << " did not fail";
        return {};
    }

    RecordingFields fields;
    RecordingView view;
};

TEST_F(OverlayFailure, BadFieldAtStepZeroStopsBeforeReload) {
    fields.Set(Field::EditMH, "half");
    EXPECT_EQ(Redraw<NumberTextError>(0), "'half' は浮動小数点数ではありません");
    EXPECT_TRUE(view.loads.empty());
    EXPECT_TRUE(view.surface.calls.empty());
    EXPECT_EQ(fields.Text(Field::LabelAP), "未判定");
}

TEST_F(OverlayFailure, MoMinusOneIsReportedEvenWithBadEyeLinePlacement) {
    fields.Set(Field::EditMO, "-1");
    fields.Set(Field::EditA, "?");
    EXPECT_EQ(Redraw<ArithmeticFault>(9), "0 による浮動小数点数除算");
    EXPECT_TRUE(view.loads.empty());
}

TEST_F(OverlayFailure, PictureThatFailsToLoadDrawsNothing) {
    view.loadFailure = "ﾌｧｲﾙ face.bmp は開けません";
    EXPECT_EQ(Redraw<Failure>(9), "ﾌｧｲﾙ face.bmp は開けません");
    EXPECT_TRUE(view.surface.calls.empty());
}

TEST_F(OverlayFailure, PictureWithoutBitmapDrawsNothing) {
    view.surfaceFailure = "ﾋﾞｯﾄﾏｯﾌﾟを持っている時のみｲﾒｰｼﾞの変更が可能です";
    EXPECT_EQ(Redraw<Failure>(9), view.surfaceFailure);
    EXPECT_EQ(view.loads.size(), 1u);
    EXPECT_TRUE(view.surface.calls.empty());
}

// r = 0 gives BottomSpan 0 and WidestOffset 0: every layer is drawn, then
// y = -0 / 0 is invalid and the earlier results stay.
TEST_F(OverlayFailure, ZeroWidthFailsAtJudgementAfterAllLayers) {
    fields.Set(Field::EditR, "0");
    EXPECT_EQ(Redraw<ArithmeticFault>(9), "不正な浮動小数点数演算命令");
    EXPECT_EQ(view.surface.calls.size(), 200u);
    EXPECT_EQ(fields.Text(Field::EditY), "old y");
    EXPECT_EQ(fields.Text(Field::EditX), "old x");
    EXPECT_EQ(fields.Text(Field::LabelAP), "未判定");
}

TEST_F(OverlayFailure, ZeroHeightDividesByZeroAtJudgement) {
    fields.Set(Field::EditA, "-1");
    EXPECT_EQ(Redraw<ArithmeticFault>(9), "0 による浮動小数点数除算");
    EXPECT_EQ(view.surface.calls.size(), 200u);
}

// A huge jaw bulge is fine until the first lower-half point: rad is 4.5e301
// there, beyond any 64-bit pixel. What was drawn before stays drawn.
TEST_F(OverlayFailure, HugeJawBulgeFaultsAtFirstLowerContourPoint) {
    fields.Set(Field::EditE, "1e300");
    EXPECT_EQ(Redraw<ArithmeticFault>(5), "不正な浮動小数点数演算命令");
    const std::vector<std::string>& calls = view.surface.calls;
    ASSERT_EQ(calls.size(), 10u + 1u + 45u); // pen, eye line, box, start, i = 2..90
    EXPECT_EQ(calls.back(), "LineTo 300 139");
}

TEST_F(OverlayFailure, WrappedPixelsAreNoFault) {
    fields.Set(Field::EditCX, "2147483647");
    fields.Set(Field::EditR, "2000000000");
    EXPECT_NO_THROW(RedrawOverlay(9, fields, "", view));
    EXPECT_EQ(view.surface.calls[5], "MoveTo 147483647 1894967446");
}

} // namespace
} // namespace quorvel
