#include "detect/facefinder.h"

#include "detect/detectmessages.h"
#include "numtext/failure.h"
#include "picture/core/picturemessages.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <dlib/image_processing.h>
#include <dlib/image_processing/frontal_face_detector.h>
#include <fstream>

namespace quorvel {
namespace {

// The detector scans a copy whose longer side is this long: large enough for
// the face of a portrait (the detector's smallest face is 80 pixels), small
// enough that a 12-megapixel photo costs little. Small pictures are enlarged
// to it, so a face of 40 pixels is still found.
constexpr double kDetectionSide = 640.0;

// A 32-bit QImage as dlib's generic image: rows of B, G, R, A bytes.
struct Rgb32View {
    const QImage* image;
};

long num_rows(const Rgb32View& view) {
    return view.image->height();
}
long num_columns(const Rgb32View& view) {
    return view.image->width();
}
long width_step(const Rgb32View& view) {
    return view.image->bytesPerLine();
}
const void* image_data(const Rgb32View& view) {
    return view.image->constBits();
}

} // namespace
} // namespace quorvel

namespace dlib {
template <> struct image_traits<quorvel::Rgb32View> { using pixel_type = bgr_alpha_pixel; };
} // namespace dlib

namespace quorvel {
namespace {

dlib::array2d<dlib::rgb_pixel> DetectionCopy(const QImage& picture, double scale) {
    const int width = std::max(1, static_cast<int>(std::lround(picture.width() * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(picture.height() * scale)));
    const QImage reduced =
        picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB888);
    dlib::array2d<dlib::rgb_pixel> copy(height, width);
    for (int y = 0; y < height; ++y) {
        const uchar* row = reduced.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            copy[y][x] = dlib::rgb_pixel(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
        }
    }
    return copy;
}

// From the detection copy's pixels to the picture's: pixel centres map to
// pixel centres.
double ToPicture(double copy, double scale) {
    return (copy + 0.5) / scale - 0.5;
}

} // namespace

struct FaceFinder::Models {
    dlib::frontal_face_detector detector;
    dlib::shape_predictor landmarks;
};

FaceFinder::FaceFinder(const std::string& modelFile) {
    if (!QFileInfo(QString::fromStdString(modelFile)).isFile()) {
        throw Failure(WithText(kModelMissingMessage, modelFile));
    }
    auto models = std::make_unique<Models>();
    models->detector = dlib::get_frontal_face_detector();
    try {
        std::ifstream in(modelFile, std::ios::binary);
        dlib::deserialize(models->landmarks, in);
    } catch (const dlib::serialization_error&) {
        throw Failure(WithText(kModelUnreadableMessage, modelFile));
    }
    if (models->landmarks.num_parts() != std::tuple_size_v<decltype(FaceShape::points)>) {
        throw Failure(WithText(kModelUnreadableMessage, modelFile));
    }
    models_ = std::move(models);
}

FaceFinder::~FaceFinder() = default;

std::optional<FaceShape> FaceFinder::Find(const QImage& picture) const {
    if (picture.isNull()) {
        return std::nullopt;
    }
    const QImage rgb32 = picture.format() == QImage::Format_RGB32
                             ? picture
                             : picture.convertToFormat(QImage::Format_RGB32);
    const double scale = kDetectionSide / std::max(rgb32.width(), rgb32.height());
    // The detector keeps scratch state while it scans: each call scans with its own copy.
    dlib::frontal_face_detector detector = models_->detector;
    const std::vector<dlib::rectangle> faces = detector(DetectionCopy(rgb32, scale));
    if (faces.empty()) {
        return std::nullopt;
    }
    const dlib::rectangle found = *std::max_element(
        faces.begin(), faces.end(),
        [](const dlib::rectangle& a, const dlib::rectangle& b) { return a.area() < b.area(); });

    FaceShape shape;
    shape.box = QRectF(QPointF(ToPicture(found.left(), scale), ToPicture(found.top(), scale)),
                       QPointF(ToPicture(found.right(), scale), ToPicture(found.bottom(), scale)));
    const dlib::rectangle box(std::lround(shape.box.left()), std::lround(shape.box.top()),
                              std::lround(shape.box.right()), std::lround(shape.box.bottom()));
    // The landmarks are placed on the picture itself, at full resolution.
    const dlib::full_object_detection parts = models_->landmarks(Rgb32View{&rgb32}, box);
    for (std::size_t i = 0; i < shape.points.size(); ++i) {
        shape.points[i] = QPointF(parts.part(static_cast<unsigned long>(i)).x(),
                                  parts.part(static_cast<unsigned long>(i)).y());
    }
    return shape;
}

} // namespace quorvel
