#include "picture/icon/iconfile.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/core/recordbytes.h"
#include "picture/icon/icondecoder.h"
#include "picture/icon/iconpicture.h"

namespace quorvel {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kTypeAt = 2;
// A file of type 0 shows the desktop's generic application icon; one of
// type 1 lists images.
constexpr std::uint16_t kGenericIconType = 0;
constexpr std::uint16_t kImagesType = 1;

} // namespace

// Only the 6-byte header (reserved, type, image count) is judged as the file
// is read. The image of a type 1 file is chosen and decoded here as well,
// not at its first paint: a paint handler has no way to report a failure, so
// a file with no usable image is refused now, while the view can still keep
// its previous picture.
std::unique_ptr<Picture> ReadIconFile(std::span<const std::uint8_t> bytes) {
    const RecordBytes file(bytes);
    if (!file.Has(0, kHeaderSize)) {
        throw Failure(kReadErrorMessage);
    }
    switch (file.U16(kTypeAt)) {
    case kGenericIconType:
        return std::make_unique<IconPicture>(QImage());
    case kImagesType: {
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
