#include "picture/icon/icondecoder.h"

#include "picture/core/recordbytes.h"
#include "picture/icon/decodeallowance.h"
#include "picture/icon/icondirectory.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>
#include <vector>

namespace quorvel {

namespace {

struct Candidate {
    IconImageInfo info;
    RecordBytes data;
};

int DistanceFromSize(const IconImageInfo& info, int size) {
    return std::abs(info.width - size) + std::abs(info.height - size);
}

// Entries whose image data lies wholly inside the file and whose own header
// describes an image this decoder can read, each image once: an entry that
// points at the same bytes as one before it adds nothing.
std::vector<Candidate> Candidates(RecordBytes file) {
    std::vector<Candidate> candidates;
    const std::size_t count = file.U16(kIconImageCountAt);
    std::unordered_set<std::uint64_t> seen(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kIconHeaderSize + i * kIconEntrySize;
        if (!file.Has(entry, kIconEntrySize)) {
            break;
        }
        const std::uint32_t length = file.U32(entry + kIconEntryLengthAt);
        const std::uint32_t offset = file.U32(entry + kIconEntryOffsetAt);
        if (!file.Has(offset, length) ||
            !seen.insert(std::uint64_t{offset} << 32 | length).second) {
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

QImage DecodeBestIconImage(std::span<const std::uint8_t> file, int size,
                           const IconImageDecoder& decode) {
    std::vector<Candidate> candidates = Candidates(RecordBytes(file));
    std::stable_sort(candidates.begin(), candidates.end(),
                     [size](const Candidate& a, const Candidate& b) {
                         if (a.info.colourBits != b.info.colourBits) {
                             return a.info.colourBits > b.info.colourBits;
                         }
                         return DistanceFromSize(a.info, size) < DistanceFromSize(b.info, size);
                     });
    DecodeAllowance allowance(file.size());
    for (const Candidate& candidate : candidates) {
        const auto pixels = static_cast<std::uint64_t>(candidate.info.width) *
                            static_cast<std::uint64_t>(candidate.info.height);
        if (!allowance.Take(pixels, candidate.data.Size())) {
            // Stop rather than pass over it: a cheaper image further on would
            // stand in for one that might have decoded, a choice the
            // allowance should not make.
            return {};
        }
        QImage image = decode(candidate.data, candidate.info);
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
