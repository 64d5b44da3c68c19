#include "referencerendering.h"

#include "picture/metafile/metafilelayout.h"
#include "picture/metafile/metafilepicture.h"

#include <fstream>
#include <iterator>

namespace quorvel::test {

Rendering RenderMetafile(const Bytes& content) {
    const MetafilePicture picture(content, ReadMetafileLayout(content));
    return {picture.Image().convertToFormat(QImage::Format_ARGB32), picture.Tally()};
}

Bytes ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::filesystem::path ReferencePath(const std::filesystem::path& metafile) {
    return std::filesystem::path(metafile).replace_extension(".png");
}

} // namespace quorvel::test
