#include "picture/core/picture.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"

#include <cmath>

namespace quorvel {

Picture::Picture(PictureKind kind, int width, int height)
    : kind_(kind), width_(width), height_(height) {}

Picture::~Picture() = default;

DrawingSurface& Picture::GetDrawingSurface() {
    throw Failure(kNotABitmapMessage);
}

QImage Picture::ImageOf(const QRect& area) const {
    const QRect inside = area & QRect(0, 0, width_, height_);
    return inside.isEmpty() ? QImage() : Image().copy(inside);
}

QImage Picture::ScaledImageOf(const QRect& target, double scale) const {
    const QSize size(static_cast<int>(std::ceil(width_ * scale)),
                     static_cast<int>(std::ceil(height_ * scale)));
    const QRect inside = target & QRect(QPoint(0, 0), size);
    if (inside.isEmpty()) {
        return {};
    }
    // Icons and metafiles are small: scaling them whole costs little.
    const auto mode = scale < 1 ? Qt::SmoothTransformation : Qt::FastTransformation;
    return Image().scaled(size, Qt::IgnoreAspectRatio, mode).copy(inside);
}

const std::vector<OverlayStroke>& Picture::Strokes() const {
    static const std::vector<OverlayStroke> none;
    return none;
}

void Picture::NotifyChanged(const QRect& area) const {
    if (changeNotice_) {
        changeNotice_();
    }
    if (areaNotice_) {
        areaNotice_(area);
    }
}

} // namespace quorvel
