// Landmarks placed all at once write what the presses of steps 1 to 4, 7 and
// 8 on the same points would, and leave the contour the user shapes alone.
#include "recorders.h"

#include <gtest/gtest.h>

namespace quorvel::testing {
namespace {

// The sample face's proposal: centre, ear level, top, chin, nose, mouth.
constexpr FaceLandmarks kSample{{225, 103}, {270, 119}, {225, 17},
                                {220, 178}, {224, 134}, {223, 148}};

TEST(PlacedLandmarks, WriteTheTextsTheSixPressesWrite) {
    RecordingFields fields;
    PlaceLandmarks(kSample, fields);
    // By the press rules: r = 270 - 225; the top makes h = 86 / 45; the chin
    // keeps the box's top edge, h = (178 - 17) / 45 / 2 and a = 75 / (45 h) - 1,
    // so the span below the eyes is 75 and nh, mh are 31 / 75 and 45 / 75.
    EXPECT_EQ(fields.Text(Field::EditCX), "225");
    EXPECT_EQ(fields.Text(Field::EditCY), "103");
    EXPECT_EQ(fields.Text(Field::EditR), "45");
    EXPECT_EQ(fields.Text(Field::EditH), "1.78888888888889");
    EXPECT_EQ(fields.Text(Field::EditA), "-0.0683229813664593");
    EXPECT_EQ(fields.Text(Field::EditNH), "0.413333333333333");
    EXPECT_EQ(fields.Text(Field::EditMH), "0.599999999999999");
}

TEST(PlacedLandmarks, FollowThePressOrderExactly) {
    RecordingFields placed;
    RecordingFields pressed;
    placed.Set(Field::EditA, "0.25");
    pressed.Set(Field::EditA, "0.25");
    PlaceLandmarks(kSample, placed);
    const std::pair<int, PixelPoint> presses[] = {
        {wizstep::kCentre, kSample.centre}, {wizstep::kWidth, kSample.ear},
        {wizstep::kTop, kSample.top},       {wizstep::kChin, kSample.chin},
        {wizstep::kNose, kSample.nose},     {wizstep::kMouth, kSample.mouth}};
    for (const auto& [step, point] : presses) {
        PlaceLandmark(step, point.x, point.y, pressed);
    }
    EXPECT_EQ(placed.reads, pressed.reads);
    EXPECT_EQ(placed.writes, pressed.writes);
}

TEST(PlacedLandmarks, LeaveTheContourAndTheResults) {
    RecordingFields fields;
    fields.Set(Field::EditMO, "1.45");
    fields.Set(Field::EditE, "0.3");
    PlaceLandmarks(kSample, fields);
    for (const auto& [field, text] : fields.writes) {
        EXPECT_NE(field, Field::EditMO);
        EXPECT_NE(field, Field::EditE);
        EXPECT_NE(field, Field::EditY);
        EXPECT_NE(field, Field::EditX);
        EXPECT_NE(field, Field::LabelAP);
    }
    EXPECT_EQ(fields.Text(Field::EditMO), "1.45");
    EXPECT_EQ(fields.Text(Field::EditE), "0.3");
}

} // namespace
} // namespace quorvel::testing
