#include "picture/core/picture.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"

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

void Picture::NotifyChanged(const QRect& area) const {
    if (changeNotice_) {
        changeNotice_();
    }
    if (areaNotice_) {
        areaNotice_(area);
    }
}

} // namespace quorvel
