#include "detect/landmarkproposal.h"

#include "detect/facefinder.h"
#include "detect/headtop.h"

#include <cmath>

namespace quorvel {
namespace {

// Indices of the 68 points.
constexpr int kJawFirst = 0;
constexpr int kJawLast = 16;
// The outline's points beside the ears, level with the tragus.
constexpr std::size_t kLeftEarLevel = 1;
constexpr std::size_t kRightEarLevel = 15;
constexpr int kRightEyeFirst = 36; // the eye on the picture's left
constexpr int kLeftEyeFirst = 42;
constexpr int kEyePoints = 6;
constexpr std::size_t kNoseBottom = 33;
constexpr std::size_t kUpperInnerLip = 62;
constexpr std::size_t kLowerInnerLip = 66;

QPointF EyeCentre(const FaceShape& face, int first) {
    QPointF sum;
    for (int i = first; i < first + kEyePoints; ++i) {
        sum += face.points[static_cast<std::size_t>(i)];
    }
    return sum / kEyePoints;
}

// The pixel a press on this point would report.
std::int32_t PixelOf(double v) {
    return static_cast<std::int32_t>(std::floor(v + 0.5));
}

PixelPoint PixelOf(const QPointF& p) {
    return {PixelOf(p.x()), PixelOf(p.y())};
}

} // namespace

std::optional<FaceLandmarks> ProposeLandmarks(const FaceFinder& finder, const QImage& picture) {
    const QImage rgb32 = picture.format() == QImage::Format_RGB32
                             ? picture
                             : picture.convertToFormat(QImage::Format_RGB32);
    const std::optional<FaceShape> face = finder.Find(rgb32);
    if (!face) {
        return std::nullopt;
    }
    const auto& points = face->points;
    const QPointF centre =
        (EyeCentre(*face, kRightEyeFirst) + EyeCentre(*face, kLeftEyeFirst)) / 2.0;
    const QPointF left = points[kLeftEarLevel];
    const QPointF right = points[kRightEarLevel];
    // The width press counts only its distance from the centre: half the
    // outline's width at ear level, to the right of the centre.
    const double halfWidth = std::hypot(right.x() - left.x(), right.y() - left.y()) / 2.0;
    const QPointF ear(centre.x() + halfWidth, (left.y() + right.y()) / 2.0);
    QPointF chin = points[kJawFirst];
    for (int i = kJawFirst; i <= kJawLast; ++i) {
        if (points[static_cast<std::size_t>(i)].y() > chin.y()) {
            chin = points[static_cast<std::size_t>(i)];
        }
    }
    FaceLandmarks landmarks;
    landmarks.centre = PixelOf(centre);
    // The width press's distance is whole pixels from the centre's pixel.
    landmarks.ear = {landmarks.centre.x + PixelOf(halfWidth), PixelOf(ear.y())};
    landmarks.top = {landmarks.centre.x, PixelOf(EstimateHeadTop(rgb32, *face))};
    landmarks.chin = PixelOf(chin);
    landmarks.nose = PixelOf(points[kNoseBottom]);
    landmarks.mouth = PixelOf((points[kUpperInnerLip] + points[kLowerInnerLip]) / 2.0);
    return landmarks;
}

} // namespace quorvel
