#include "picture/icon/icondecoder.h"

#include "picture/core/recordbytes.h"
#include "picture/icon/iconimage.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace quorvel {

namespace {

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kDirectoryEntrySize = 16;

struct Candidate {
    IconImageInfo info;
    RecordBytes data;
};

int DistanceFromSize(const IconImageInfo& info, int size) {
    return std::abs(info.width - size) + std::abs(info.height - size);
}

// Entries whose image data lies wholly inside the file and whose own header
// describes an image this decoder can read.
std::vector<Candidate> Candidates(RecordBytes file) {
    std::vector<Candidate> candidates;
    const std::size_t count = file.U16(4);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kDirectoryHeaderSize + i * kDirectoryEntrySize;
        if (!file.Has(entry, kDirectoryEntrySize)) {
            break;
        }
        const std::size_t length = file.U32(entry + 8);
        const std::size_t offset = file.U32(entry + 12);
        if (!file.Has(offset, length)) {
            continue;
        }
        RecordBytes data = file.Sub(offset, length);
        if (auto info = InspectIconImage(data)) {
            candidates.push_back({*info, data});
        }
    }
    return candidates;
}

} // namespace

QImage DecodeBestIconImage(std::span<const std::uint8_t> file, int size) {
    std::vector<Candidate> candidates = Candidates(RecordBytes(file));
    std::stable_sort(candidates.begin(), candidates.end(),
                     [size](const Candidate& a, const Candidate& b) {
                         if (a.info.colourBits != b.info.colourBits) {
                             return a.info.colourBits > b.info.colourBits;
                         }
                         return DistanceFromSize(a.info, size) < DistanceFromSize(b.info, size);
                     });
    for (const Candidate& candidate : candidates) {
        QImage image = DecodeIconImage(candidate.data, candidate.info);
        if (image.isNull()) {
            continue;
        }
        if (image.width() != size || image.height() != size) {
            // The desktop draws every icon at its standard size.
            image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    return {};
}

} // namespace quorvel
