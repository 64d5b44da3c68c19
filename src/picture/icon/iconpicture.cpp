#include "picture/icon/iconpicture.h"

#include "picture/icon/genericicon.h"

namespace quorvel {

IconPicture::IconPicture(QImage chosen)
    : Picture(PictureKind::Icon, kStandardIconSize, kStandardIconSize), image_(std::move(chosen)) {}

QImage IconPicture::Image() const {
    // The theme is asked only when the icon is first painted, where a GUI
    // application exists to answer.
    if (image_.isNull()) {
        image_ = GenericApplicationIcon(kStandardIconSize);
    }
    return image_;
}

} // namespace quorvel
