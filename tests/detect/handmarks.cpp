#include "handmarks.h"

#include "picture/pictureloader.h"

#include <cmath>

namespace quorvel::testing {

void ExpectNearHandMarks(const FaceLandmarks& proposed, double scale) {
    const HandMarks hand;
    const auto at = [scale](double v) { return (v + 0.5) * scale - 0.5; };
    const double eyeChin = (hand.chinY - hand.centreY) * scale;
    const double feature = kFeatureTolerance * eyeChin;
    EXPECT_LE(
        std::hypot(proposed.centre.x - at(hand.centreX), proposed.centre.y - at(hand.centreY)),
        feature)
        << "centre";
    EXPECT_NEAR(std::abs(proposed.ear.x - proposed.centre.x),
                (hand.rightEarX - hand.leftEarX) / 2 * scale, feature)
        << "half the face width";
    EXPECT_NEAR(proposed.top.y, at(hand.topY), kTopTolerance * eyeChin) << "top of the head";
    EXPECT_NEAR(proposed.chin.y, at(hand.chinY), feature) << "chin";
    EXPECT_NEAR(proposed.nose.y, at(hand.noseY), feature) << "nose";
    EXPECT_NEAR(proposed.mouth.y, at(hand.mouthY), feature) << "mouth";
}

QImage SampleFace() {
    return LoadPictureFile(QUORVEL_SAMPLE_FACE)->Image();
}

} // namespace quorvel::testing
