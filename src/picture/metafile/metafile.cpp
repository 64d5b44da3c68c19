#include "picture/metafile/metafile.h"

#include "picture/metafile/metafilelayout.h"
#include "picture/metafile/metafilepicture.h"

namespace quorvel {

// Both metafile extensions take either form. The form, the size and the
// soundness of the record chain are judged here; the records are played
// when the picture is first painted.
std::unique_ptr<Picture> ReadMetafileFile(std::span<const std::uint8_t> bytes) {
    const MetafileLayout layout = ReadMetafileLayout(bytes);
    return std::make_unique<MetafilePicture>(std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
                                             layout);
}

} // namespace quorvel
