#include "detect/headtop.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace quorvel {
namespace {

// Indices of the 68 points.
constexpr int kJawFirst = 0;
constexpr int kJawLast = 16;
constexpr int kBrowFirst = 17;
constexpr int kBrowLast = 26;
constexpr int kEyeFirst = 36;
constexpr int kEyeLast = 47;

// The segmentation works on a copy in which the eye-to-chin distance is this
// many pixels: one pixel of it is then 2.5 % of that distance, far finer
// than the accuracy asked of the top of the head, and GrabCut on such a copy
// takes milliseconds whatever the photo's size.
constexpr double kEyeChinInCopy = 40.0;
// The part of the picture searched, in eye-to-chin distances: upwards from
// the eyes (crowns lie about one such distance above the eyes, big hair up to
// about 1.6) and sideways from the centre.
constexpr double kSearchAbove = 2.2;
constexpr double kSearchSide = 1.6;
// The head as the segmentation is told to expect it, in eye-to-chin
// distances: an ellipse around the face and the crown, probably head.
constexpr double kHeadHalfHeight = 1.5;
constexpr double kHeadHalfWidth = 0.95;
// The forehead between the brows, up to this far above them, is head for sure.
constexpr double kForeheadAboveBrows = 0.2;
constexpr int kGrabCutIterations = 4;
// GrabCut learns the background's colours from at least this many pixels.
constexpr int kFewestBackground = 64;
// The crown is read from the columns this near the centre (eye-to-chin distances).
constexpr double kCrownBand = 0.15;
// Without a usable segmentation the crown is put where it lies on an average
// head: about as far above the eyes as the chin lies below them.
constexpr double kAverageCrownAboveEyes = 1.05;

struct Frame {
    QRect area;   // the part of the picture searched, picture pixels
    double scale; // copy pixels per picture pixel
    cv::Point2f ToCopy(const QPointF& p) const {
        return {static_cast<float>((p.x() - area.left() + 0.5) * scale - 0.5),
                static_cast<float>((p.y() - area.top() + 0.5) * scale - 0.5)};
    }
    double RowToPicture(double row) const { return (row + 0.5) / scale - 0.5 + area.top(); }
};

QPointF Mean(const FaceShape& face, int first, int last) {
    QPointF sum;
    for (int i = first; i <= last; ++i) {
        sum += face.points[static_cast<std::size_t>(i)];
    }
    return sum / (last - first + 1);
}

void FillPolygon(cv::Mat& mask, const std::vector<cv::Point>& polygon, int label) {
    std::vector<cv::Point> hull;
    cv::convexHull(polygon, hull);
    cv::fillConvexPoly(mask, hull, cv::Scalar(label));
}

cv::Point Rounded(const cv::Point2f& p) {
    return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

// What GrabCut starts from: background outside the head's ellipse along the
// copy's edges that lie inside the picture, the face and forehead for sure,
// the ellipse around them probably head.
cv::Mat SeedMask(const Frame& frame, const cv::Size& size, const QRect& picture,
                 const FaceShape& face, double eyeChin) {
    cv::Mat mask(size, CV_8UC1, cv::Scalar(cv::GC_PR_BGD));
    const QPointF eyes = Mean(face, kEyeFirst, kEyeLast);
    const double unit = eyeChin * frame.scale;
    const cv::Point2f centre = frame.ToCopy(eyes);
    cv::ellipse(
        mask, Rounded(centre),
        cv::Size(static_cast<int>(kHeadHalfWidth * unit), static_cast<int>(kHeadHalfHeight * unit)),
        0, 0, 360, cv::Scalar(cv::GC_PR_FGD), cv::FILLED);
    // An edge of the copy that is an edge of the picture may cut through hair.
    const int last = size.width - 1;
    if (frame.area.left() > picture.left()) {
        mask.col(0).setTo(cv::GC_BGD);
    }
    if (frame.area.right() < picture.right()) {
        mask.col(last).setTo(cv::GC_BGD);
    }
    if (frame.area.top() > picture.top()) {
        mask.row(0).setTo(cv::GC_BGD);
    }
    std::vector<cv::Point> skin;
    for (int i = kJawFirst; i <= kBrowLast; ++i) {
        skin.push_back(Rounded(frame.ToCopy(face.points[static_cast<std::size_t>(i)])));
    }
    FillPolygon(mask, skin, cv::GC_FGD);
    std::vector<cv::Point> forehead;
    const auto lift = static_cast<float>(kForeheadAboveBrows * unit);
    for (int i = kBrowFirst + 2; i <= kBrowLast - 2; ++i) {
        const cv::Point2f brow = frame.ToCopy(face.points[static_cast<std::size_t>(i)]);
        forehead.push_back(Rounded(brow));
        forehead.push_back(Rounded({brow.x, brow.y - lift}));
    }
    FillPolygon(mask, forehead, cv::GC_FGD);
    return mask;
}

// The topmost row of the head near the centre column: the median over the
// band's columns of each column's first head pixel, or -1 when none.
double CrownRow(const cv::Mat& head, int centreColumn, int halfBand) {
    std::vector<int> tops;
    for (int x = std::max(0, centreColumn - halfBand);
         x <= std::min(head.cols - 1, centreColumn + halfBand); ++x) {
        for (int y = 0; y < head.rows; ++y) {
            if (head.at<uchar>(y, x) != 0) {
                tops.push_back(y);
                break;
            }
        }
    }
    if (tops.empty()) {
        return -1;
    }
    std::nth_element(tops.begin(), tops.begin() + static_cast<long>(tops.size() / 2), tops.end());
    return tops[tops.size() / 2];
}

} // namespace

double EstimateHeadTop(const QImage& picture, const FaceShape& face) {
    const QPointF eyes = Mean(face, kEyeFirst, kEyeLast);
    double chinY = eyes.y();
    for (int i = kJawFirst; i <= kJawLast; ++i) {
        chinY = std::max(chinY, face.points[static_cast<std::size_t>(i)].y());
    }
    const double eyeChin = std::max(1.0, chinY - eyes.y());
    const double fallback = eyes.y() - kAverageCrownAboveEyes * eyeChin;

    const QRect searched =
        QRectF(QPointF(eyes.x() - kSearchSide * eyeChin, eyes.y() - kSearchAbove * eyeChin),
               QPointF(eyes.x() + kSearchSide * eyeChin, chinY))
            .toAlignedRect()
            .intersected(picture.rect());
    if (searched.width() < 2 || searched.height() < 2) {
        return fallback;
    }
    const Frame frame{searched, kEyeChinInCopy / eyeChin};
    const QImage copy = picture.copy(searched)
                            .scaled(std::max(2, static_cast<int>(searched.width() * frame.scale)),
                                    std::max(2, static_cast<int>(searched.height() * frame.scale)),
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB888);
    // GrabCut only reads the pixels; the cast lets cv::Mat wrap them uncopied.
    const cv::Mat pixels(copy.height(), copy.width(), CV_8UC3, const_cast<uchar*>(copy.constBits()),
                         static_cast<std::size_t>(copy.bytesPerLine()));
    cv::Mat mask = SeedMask(frame, pixels.size(), picture.rect(), face, eyeChin);
    // A picture cropped to the face leaves no background to learn from.
    if (cv::countNonZero((mask == cv::GC_BGD) | (mask == cv::GC_PR_BGD)) < kFewestBackground) {
        return fallback;
    }
    cv::Mat background;
    cv::Mat foreground;
    cv::grabCut(pixels, mask, cv::Rect(), background, foreground, kGrabCutIterations,
                cv::GC_INIT_WITH_MASK);

    // The head is the part of the foreground joined to the face.
    cv::Mat head = (mask == cv::GC_FGD) | (mask == cv::GC_PR_FGD);
    const cv::Point seed = Rounded(frame.ToCopy(eyes));
    cv::Mat labels;
    cv::connectedComponents(head, labels, 4);
    const int faceLabel = labels.at<int>(seed.y, seed.x);
    head = labels == faceLabel;

    const double row =
        CrownRow(head, seed.x, std::max(1, static_cast<int>(kCrownBand * eyeChin * frame.scale)));
    return row < 0 ? fallback : frame.RowToPicture(row);
}

} // namespace quorvel
