#pragma once

#include "picture/core/picture.h"
#include "picture/metafile/metafilelayout.h"
#include "picture/metafile/playbacktally.h"

#include <cstdint>
#include <span>

namespace quorvel {

// A metafile played once, as it is loaded, into a transparent image of its
// size: a paint can report nothing, so an image that cannot be had must fail
// the load, while the view still has its previous picture.
class MetafilePicture : public Picture {
public:
    // Throws "ｼｽﾃﾑ ﾘｿｰｽが足りません" when the image cannot be had. Unusable
    // records draw nothing.
    MetafilePicture(std::span<const std::uint8_t> bytes, const MetafileLayout& layout);

    QImage Image() const override { return image_; }
    const PlaybackTally& Tally() const { return tally_; }

private:
    QImage image_;
    PlaybackTally tally_;
};

} // namespace quorvel
