#include "picture/icon/iconfile.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/core/recordbytes.h"
#include "picture/icon/icondecoder.h"
#include "picture/icon/icondirectory.h"
#include "picture/icon/iconpicture.h"

namespace quorvel {

// Only the 6-byte header (reserved, type, image count) is judged as the file
// is read. The image of a type 1 file is chosen and decoded here as well,
// not at its first paint: a paint handler has no way to report a failure, so
// a file with no usable image is refused now, while the view can still keep
// its previous picture.
std::unique_ptr<Picture> ReadIconFile(std::span<const std::uint8_t> bytes) {
    const RecordBytes file(bytes);
    if (!file.Has(0, kIconHeaderSize)) {
        throw Failure(kReadErrorMessage);
    }
    switch (file.U16(kIconTypeAt)) {
    case kGenericIconType:
        return std::make_unique<IconPicture>(QImage());
    case kImagesIconType: {
        QImage chosen = DecodeBestIconImage(bytes, kStandardIconSize);
        if (chosen.isNull()) {
            throw Failure(kNoSystemResourcesMessage);
        }
        return std::make_unique<IconPicture>(std::move(chosen));
    }
    default:
        throw Failure(kInvalidIconMessage);
    }
}

} // namespace quorvel
