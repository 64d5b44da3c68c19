// A picture without a face proposes nothing rather than landmarks on
// whatever the detector half-saw.
#include "detect/landmarkproposal.h"
#include "handmarks.h"
#include "samplemodel.h"

#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace quorvel::testing {
namespace {

QImage Flat() {
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    return image;
}

QImage Noise() {
    QImage image(640, 480, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, random.generate() | 0xFF000000U);
        }
    }
    return image;
}

// The sample picture with the head painted over: the suit, the flag and the
// shuttle remain.
QImage HeadPaintedOver() {
    QImage image = SampleFace();
    QPainter(&image).fillRect(140, 0, 180, 200, QColor(200, 200, 205));
    return image;
}

struct NoFaceCase {
    const char* name;
    QImage (*make)();
};

class NoFaceProposesLandmarks : public ::testing::TestWithParam<NoFaceCase> {};

TEST_P(NoFaceProposesLandmarks, NothingIsProposed) {
    EXPECT_FALSE(ProposeLandmarks(SampleFinder(), GetParam().make()).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, NoFaceProposesLandmarks,
    ::testing::Values(NoFaceCase{"Flat", Flat}, NoFaceCase{"Noise", Noise},
                      NoFaceCase{"HeadPaintedOver", HeadPaintedOver},
                      NoFaceCase{"OnePixel", [] { return Flat().copy(0, 0, 1, 1); }},
                      NoFaceCase{"Null", [] { return QImage(); }}),
    [](const ::testing::TestParamInfo<NoFaceCase>& param) { return param.param.name; });

} // namespace
} // namespace quorvel::testing
