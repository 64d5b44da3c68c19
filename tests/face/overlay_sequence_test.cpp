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
using Calls = std::vector<std::string>;

class Overlay : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator('.');
        fields.Set(Field::EditCX, "200");
        fields.Set(Field::EditCY, "150");
    }

    // The calls from first to last-1 of the recorded surface.
    Calls Slice(std::size_t first, std::size_t last) const {
        const Calls& calls = view.surface.calls;
        return Calls(calls.begin() + static_cast<std::ptrdiff_t>(first),
                     calls.begin() + static_cast<std::ptrdiff_t>(last));
    }

    RecordingFields fields;
    RecordingView view;
};

// Positions in the call list at step 9: pen (2), eye line (2), box colour and
// box (6), contour start and 180 segments, nose and mouth (5), circles (4).
constexpr std::size_t contourStart = 10;
constexpr std::size_t marksStart = contourStart + 181;
constexpr std::size_t circlesStart = marksStart + 5;

std::string ContourPoint(const Calls& calls, int degrees) {
    return calls.at(contourStart + static_cast<std::size_t>(degrees / 2));
}

TEST_F(Overlay, DefaultFaceAtStepNineDrawsEveryLayerInOrder) {
    RedrawOverlay(9, fields, "face.bmp", view);
    const Calls& calls = view.surface.calls;
    ASSERT_EQ(calls.size(), circlesStart + 4);
    EXPECT_EQ(view.loads, std::vector<std::string>{"face.bmp"});

    EXPECT_EQ(Slice(0, contourStart),
              (Calls{"PenWidth 2", "PenColor 0000FF", "MoveTo 130 150", "LineTo 270 150",
                     "PenColor FF0000", "MoveTo 100 30", "LineTo 300 30", "LineTo 300 270",
                     "LineTo 100 270", "LineTo 100 30"}));

    EXPECT_EQ(calls[contourStart], "MoveTo 200 30");
    for (std::size_t i = contourStart + 1; i < marksStart; ++i) {
        EXPECT_EQ(calls[i].rfind("LineTo ", 0), 0u) << i;
    }
    EXPECT_EQ(ContourPoint(calls, 60), "LineTo 286 85");
    EXPECT_EQ(ContourPoint(calls, 90), "LineTo 300 139");
    EXPECT_EQ(ContourPoint(calls, 120), "LineTo 286 203");
    EXPECT_EQ(ContourPoint(calls, 180), "LineTo 200 269");
    EXPECT_EQ(ContourPoint(calls, 240), "LineTo 114 203");
    EXPECT_EQ(ContourPoint(calls, 270), "LineTo 100 139");
    EXPECT_EQ(ContourPoint(calls, 300), "LineTo 114 85");
    EXPECT_EQ(ContourPoint(calls, 360), "LineTo 200 30");

    EXPECT_EQ(Slice(marksStart, circlesStart),
              (Calls{"PenColor 0000FF", "MoveTo 201 186", "LineTo 199 186", "MoveTo 205 210",
                     "LineTo 195 210"}));
    EXPECT_EQ(Slice(circlesStart, calls.size()),
              (Calls{"Ellipse 195 181 205 191", "Ellipse 195 145 205 155",
                     "Ellipse 295 134 305 144", "Ellipse 195 135 205 145"}));

    using W = std::pair<Field, std::string>;
    EXPECT_EQ(fields.writes, (std::vector<W>{{Field::LabelAP, "未判定"},
                                             {Field::EditY, "0.0909090909090909"},
                                             {Field::EditX, "0.303030303030303"},
                                             {Field::LabelAP, "66"}}));
}

TEST_F(Overlay, NarrowFaceWorkedExample) {
    fields.Set(Field::EditR, "80");
    fields.Set(Field::EditH, "1.3");
    fields.Set(Field::EditMO, "1.3");
    fields.Set(Field::EditE, "0.4");
    fields.Set(Field::EditNH, "0.35");
    fields.Set(Field::EditMH, "0.6");
    fields.Set(Field::EditA, "-0.1");
    RedrawOverlay(9, fields, "", view);
    const Calls& calls = view.surface.calls;
    ASSERT_EQ(calls.size(), circlesStart + 4);
    EXPECT_EQ(Slice(5, contourStart), (Calls{"MoveTo 120 35", "LineTo 280 35", "LineTo 280 243",
                                             "LineTo 120 243", "LineTo 120 35"}));
    EXPECT_EQ(calls[contourStart], "MoveTo 200 36");
    EXPECT_EQ(ContourPoint(calls, 90), "LineTo 280 126");
    EXPECT_EQ(ContourPoint(calls, 120), "LineTo 284 197");
    EXPECT_EQ(ContourPoint(calls, 180), "LineTo 200 243");
    EXPECT_EQ(ContourPoint(calls, 240), "LineTo 116 197");
    EXPECT_EQ(ContourPoint(calls, 270), "LineTo 120 126");
    EXPECT_EQ(Slice(marksStart + 1, circlesStart),
              (Calls{"MoveTo 200 182", "LineTo 199 182", "MoveTo 204 206", "LineTo 196 206"}));
    EXPECT_EQ(Slice(circlesStart, calls.size()),
              (Calls{"Ellipse 195 177 205 187", "Ellipse 195 145 205 155",
                     "Ellipse 275 121 285 131", "Ellipse 195 122 205 132"}));
    EXPECT_EQ(fields.Text(Field::EditY), "0.256038647342995");
    EXPECT_EQ(fields.Text(Field::EditX), "0.731538992408558");
    EXPECT_EQ(fields.Text(Field::LabelAP), "27");
}

TEST_F(Overlay, SquareJawMovesLowerContourOutwards) {
    fields.Set(Field::EditE, "1");
    RedrawOverlay(5, fields, "", view);
    EXPECT_EQ(ContourPoint(view.surface.calls, 120), "LineTo 325 233");
    EXPECT_EQ(ContourPoint(view.surface.calls, 240), "LineTo 75 233");
}

// trunc(-119.9...) is -119: the contour starts one pixel inside the box.
TEST_F(Overlay, CentreAtOriginTruncatesTowardZero) {
    fields.Set(Field::EditCX, "0");
    fields.Set(Field::EditCY, "0");
    RedrawOverlay(5, fields, "", view);
    const Calls& calls = view.surface.calls;
    EXPECT_EQ(calls[5], "MoveTo -100 -120");
    EXPECT_EQ(calls[contourStart], "MoveTo 0 -119");
    EXPECT_EQ(ContourPoint(calls, 180), "LineTo 0 119");
    EXPECT_EQ(calls[7], "LineTo 100 120");
    EXPECT_EQ(ContourPoint(calls, 90), "LineTo 100 -10");
    EXPECT_EQ(ContourPoint(calls, 270), "LineTo -100 -10");
}

struct StepLayers {
    int step;
    std::size_t calls;
    bool judged;
};

class LayersByStep : public Overlay, public ::testing::WithParamInterface<StepLayers> {};

TEST_P(LayersByStep, DrawsOnlyWhatTheStepAllows) {
    RedrawOverlay(GetParam().step, fields, "face.bmp", view);
    EXPECT_EQ(view.surface.calls.size(), GetParam().calls);
    EXPECT_EQ(view.loads.size(), 1u);
    EXPECT_EQ(fields.Text(Field::LabelAP), GetParam().judged ? "66" : "未判定");
    EXPECT_EQ(fields.reads.size(), 9u);
}

INSTANTIATE_TEST_SUITE_P(Steps, LayersByStep,
                         ::testing::Values(StepLayers{-1, 2, false}, StepLayers{0, 2, false},
                                           StepLayers{1, 4, false}, StepLayers{2, 10, false},
                                           StepLayers{4, 10, false}, StepLayers{5, 196, false},
                                           StepLayers{8, 196, false}, StepLayers{9, 200, true},
                                           StepLayers{10, 200, true}));

TEST_F(Overlay, WithoutFileNameNothingIsReloaded) {
    RedrawOverlay(1, fields, "", view);
    EXPECT_TRUE(view.loads.empty());
    EXPECT_EQ(view.surface.calls.size(), 4u);
}

TEST_F(Overlay, TinyNoseDepthDrawsCirclesThenWritesError) {
    fields.Set(Field::EditNH, "0.0008"); // 120 * 0.0008 = 0.096
    RedrawOverlay(9, fields, "", view);
    EXPECT_EQ(view.surface.calls.size(), circlesStart + 4);
    EXPECT_EQ(fields.Text(Field::EditX), "Error");
    EXPECT_EQ(fields.Text(Field::LabelAP), "未判定");
}

} // namespace
} // namespace quorvel
