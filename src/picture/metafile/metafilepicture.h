#pragma once

#include "picture/core/picture.h"
#include "picture/metafile/metafilelayout.h"

#include <vector>

namespace quorvel {

class MetafilePicture : public Picture {
public:
    MetafilePicture(std::vector<std::uint8_t> bytes, const MetafileLayout& layout);

    // The recorded drawing played into a transparent image of the picture's
    // size, made at the first call and kept. Never fails: a raster that
    // cannot be had gives a null image, and unusable records draw nothing.
    QImage Image() const override;

private:
    std::vector<std::uint8_t> bytes_;
    MetafileLayout layout_;
    mutable QImage image_;
    mutable bool played_ = false;
};

} // namespace quorvel
