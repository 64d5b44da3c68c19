#pragma once

#include "picture/core/picture.h"

namespace quorvel {

// Icons always show at the desktop's standard icon size.
inline constexpr int kStandardIconSize = 32;

class IconPicture : public Picture {
public:
    // `chosen` is the decoded image of a type 1 file, already at the standard
    // size; a null image stands for a type 0 file, shown as the desktop's
    // generic application icon.
    explicit IconPicture(QImage chosen);

    // Never fails: the only decoding that can fail happened in the reader.
    QImage Image() const override;

private:
    mutable QImage image_;
};

} // namespace quorvel
