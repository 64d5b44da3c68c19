#include "picture/metafile/metafile.h"

#include "picture/metafile/metafilelayout.h"
#include "picture/metafile/metafilepicture.h"

namespace quorvel {

// Both metafile extensions take either form. The form, the size and the
// soundness of the record chain are judged first; then the records are played.
std::unique_ptr<Picture> ReadMetafileFile(std::span<const std::uint8_t> bytes) {
    const MetafileLayout layout = ReadMetafileLayout(bytes);
    return std::make_unique<MetafilePicture>(bytes, layout);
}

} // namespace quorvel
