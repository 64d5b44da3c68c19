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

void Picture::NotifyChanged() const {
    if (changeNotice_) {
        changeNotice_();
    }
}

} // namespace quorvel
