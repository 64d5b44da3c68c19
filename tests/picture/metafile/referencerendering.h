#pragma once

#include "picture/metafile/playbacktally.h"
#include "support/metafilebuilder.h"

#include <QImage>
#include <filesystem>

namespace quorvel::test {

// A metafile played once as the program loads it, with the image as PNG
// keeps it (not premultiplied), so that a reference read back compares
// pixel for pixel.
struct Rendering {
    QImage image;
    PlaybackTally tally;
};

Rendering RenderMetafile(const Bytes& content);

Bytes ReadFileBytes(const std::filesystem::path& path);

// The reference rendering of a metafile: the PNG beside it.
std::filesystem::path ReferencePath(const std::filesystem::path& metafile);

} // namespace quorvel::test
