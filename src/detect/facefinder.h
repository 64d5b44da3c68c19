#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <array>
#include <memory>
#include <optional>
#include <string>

namespace quorvel {

// The 68 points of the face landmark model (jaw 0-16, brows 17-26, nose
// 27-35, eyes 36-47, lips 48-67) and the detector's box, in picture pixels
// with pixel centres at whole numbers.
struct FaceShape {
    QRectF box;
    std::array<QPointF, 68> points;
};

// dlib's frontal face detector with the 68-point landmark model.
class FaceFinder {
public:
    // Loads the model file; throws Failure when it is missing or unreadable.
    explicit FaceFinder(const std::string& modelFile);
    ~FaceFinder();
    FaceFinder(const FaceFinder&) = delete;
    FaceFinder& operator=(const FaceFinder&) = delete;

    // The largest face of an upright picture, or nothing. Safe to call from
    // several threads at once.
    std::optional<FaceShape> Find(const QImage& picture) const;

private:
    struct Models;
    std::unique_ptr<const Models> models_;
};

} // namespace quorvel
