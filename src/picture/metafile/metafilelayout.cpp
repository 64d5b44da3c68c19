#include "picture/metafile/metafilelayout.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/core/recordbytes.h"
#include "picture/metafile/emfrecords.h"
#include "picture/metafile/wmfrecords.h"

#include <limits>

namespace quorvel {

namespace {

constexpr std::uint32_t kEnhancedSignature = 0x464D4520; // " EMF"
constexpr std::size_t kEnhancedHeaderRead = 100;
constexpr std::size_t kEnhancedHeaderMinimum = 88; // the oldest header form ends here
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
// A Windows metafile's header: its type (in memory, on disk), its length in
// words and the versions that exist.
constexpr std::uint16_t kWindowsMemoryMetafile = 1;
constexpr std::uint16_t kWindowsDiskMetafile = 2;
constexpr std::uint16_t kWindowsHeaderWords = 9;
constexpr std::uint16_t kWindowsVersion1 = 0x0100;
constexpr std::uint16_t kWindowsVersion3 = 0x0300;
constexpr std::size_t kPlaceableChecksumWords = 10;
// Placeable metafiles that give no units per inch are taken as 96.
constexpr std::int64_t kDefaultUnitsPerInch = 96;
constexpr std::int64_t kMicrometresPerInch = 25400;
// The rendering's pixel memory (4 bytes a pixel) stays below this.
constexpr std::uint64_t kMaxPixelBytes = std::uint64_t{1} << 30;

[[noreturn]] void Invalid() {
    throw Failure(kInvalidMetafileMessage);
}

// numerator / denominator rounded half up; a negative extent draws nothing
// and gives 0. An answer too large for any raster gives the maximum.
std::uint64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    if (numerator <= 0) {
        return 0;
    }
    return (static_cast<std::uint64_t>(numerator) + static_cast<std::uint64_t>(denominator) / 2) /
           static_cast<std::uint64_t>(denominator);
}

std::uint64_t ScaledExtent(std::int64_t extent, std::int64_t multiplier, std::int64_t divisor) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(extent, multiplier, &product)) {
        return extent > 0 ? std::numeric_limits<std::uint64_t>::max() : 0;
    }
    return RoundedQuotient(product, divisor);
}

void CheckPixelMemory(MetafileLayout& layout, std::uint64_t width, std::uint64_t height) {
    const std::uint64_t limit = kMaxPixelBytes / 4;
    if (width > limit || height > limit || (width != 0 && height > limit / width)) {
        throw Failure(kOutOfMemoryMessage);
    }
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
}

bool IsEnhanced(const RecordBytes& file) {
    return file.Size() > kEnhancedHeaderRead && file.U32(emf::Record::kType) == emf::kHeader &&
           file.U32(emf::Header::kSignature) == kEnhancedSignature;
}

// The records from the header's end must follow one another inside the
// total size and reach the end-of-file record.
void CheckEnhancedRecords(const RecordBytes& metafile, std::size_t headerSize) {
    std::size_t at = headerSize;
    while (metafile.Has(at, emf::Record::kMinimumSize)) {
        const std::uint32_t type = metafile.U32(at + emf::Record::kType);
        const std::uint32_t size = metafile.U32(at + emf::Record::kSize);
        if (size < emf::Record::kMinimumSize || size % 4 != 0 || !metafile.Has(at, size)) {
            Invalid();
        }
        if (type == emf::kEof) {
            return;
        }
        at += size;
    }
    Invalid();
}

MetafileLayout ReadEnhanced(const RecordBytes& file) {
    const std::uint32_t total = file.U32(emf::Header::kBytes);
    if (total < kEnhancedHeaderRead) {
        Invalid();
    }
    if (total > file.Size()) {
        throw Failure(kReadErrorMessage);
    }
    const RecordBytes metafile = file.Sub(0, total);
    const std::uint32_t headerSize = metafile.U32(emf::Record::kSize);
    if (headerSize < kEnhancedHeaderMinimum || headerSize % 4 != 0 || headerSize > total) {
        Invalid();
    }
    const std::int64_t deviceX = metafile.I32(emf::Header::kDevicePixels);
    const std::int64_t deviceY = metafile.I32(emf::Header::kDevicePixels + 4);
    const std::int64_t millimetresX = metafile.I32(emf::Header::kDeviceMillimetres);
    const std::int64_t millimetresY = metafile.I32(emf::Header::kDeviceMillimetres + 4);
    if (deviceX <= 0 || deviceY <= 0 || millimetresX <= 0 || millimetresY <= 0) {
        Invalid();
    }
    CheckEnhancedRecords(metafile, headerSize);

    MetafileLayout layout{};
    layout.form = MetafileForm::Enhanced;
    layout.recordsOffset = 0;
    layout.recordsLength = total;
    // The frame is in hundredths of a millimetre.
    const std::int64_t left = metafile.I32(emf::Header::kFrame);
    const std::int64_t top = metafile.I32(emf::Header::kFrame + 4);
    const std::int64_t right = metafile.I32(emf::Header::kFrame + 8);
    const std::int64_t bottom = metafile.I32(emf::Header::kFrame + 12);
    CheckPixelMemory(layout, ScaledExtent(right - left, deviceX, millimetresX * 100),
                     ScaledExtent(bottom - top, deviceY, millimetresY * 100));
    layout.pixelsPerMmX = static_cast<double>(deviceX) / static_cast<double>(millimetresX);
    layout.pixelsPerMmY = static_cast<double>(deviceY) / static_cast<double>(millimetresY);
    layout.frame = QRectF(QPointF(static_cast<double>(left) / 100 * layout.pixelsPerMmX,
                                  static_cast<double>(top) / 100 * layout.pixelsPerMmY),
                          QPointF(static_cast<double>(right) / 100 * layout.pixelsPerMmX,
                                  static_cast<double>(bottom) / 100 * layout.pixelsPerMmY));
    return layout;
}

// After the placeable header comes a standard Windows metafile: its own
// header, then records of at least 3 words that must fit the file. A file
// may end without an end-of-file record, after any whole record and a few
// bytes too short to begin another.
void CheckWindowsRecords(const RecordBytes& records) {
    const std::uint16_t type = records.U16(wmf::Header::kType);
    const std::uint16_t headerWords = records.U16(wmf::Header::kHeaderWords);
    const std::uint16_t version = records.U16(wmf::Header::kVersion);
    if (!records.Has(0, wmf::Header::kSize) ||
        (type != kWindowsMemoryMetafile && type != kWindowsDiskMetafile) ||
        headerWords != kWindowsHeaderWords ||
        (version != kWindowsVersion1 && version != kWindowsVersion3)) {
        Invalid();
    }
    std::size_t at = wmf::Header::kSize;
    while (records.Has(at, wmf::Record::kParams)) {
        const std::uint64_t bytes = std::uint64_t{records.U32(at + wmf::Record::kSizeWords)} * 2;
        if (bytes < wmf::Record::kParams || !records.Has(at, bytes)) {
            Invalid();
        }
        if (records.U16(at + wmf::Record::kFunction) == wmf::kEof) {
            return;
        }
        at += bytes;
    }
}

MetafileLayout ReadPlaceable(const RecordBytes& file) {
    using Placeable = wmf::PlaceableHeader;
    if (!file.Has(0, Placeable::kSize) || file.U32(Placeable::kKey) != kPlaceableKey) {
        Invalid();
    }
    std::uint16_t checksum = 0;
    for (std::size_t word = 0; word < kPlaceableChecksumWords; ++word) {
        checksum ^= file.U16(2 * word);
    }
    if (checksum != file.U16(Placeable::kChecksum)) {
        Invalid();
    }
    const RecordBytes records = file.Sub(Placeable::kSize, file.Size());
    CheckWindowsRecords(records);

    MetafileLayout layout{};
    layout.form = MetafileForm::Placeable;
    layout.recordsOffset = Placeable::kSize;
    layout.recordsLength = records.Size();
    const std::int64_t left = file.I16(Placeable::kBox);
    const std::int64_t top = file.I16(Placeable::kBox + 2);
    const std::int64_t right = file.I16(Placeable::kBox + 4);
    const std::int64_t bottom = file.I16(Placeable::kBox + 6);
    const std::uint16_t givenUnits = file.U16(Placeable::kUnitsPerInch);
    const std::int64_t unitsPerInch = givenUnits == 0 ? kDefaultUnitsPerInch : givenUnits;
    // The extent in thousandths of a millimetre, truncated, then in pixels at
    // the display's density.
    const std::int64_t micrometresX = (right - left) * kMicrometresPerInch / unitsPerInch;
    const std::int64_t micrometresY = (bottom - top) * kMicrometresPerInch / unitsPerInch;
    CheckPixelMemory(layout, ScaledExtent(micrometresX, kDisplayPixelsPerInch, kMicrometresPerInch),
                     ScaledExtent(micrometresY, kDisplayPixelsPerInch, kMicrometresPerInch));
    layout.frame = QRectF(QPointF(static_cast<double>(left), static_cast<double>(top)),
                          QPointF(static_cast<double>(right), static_cast<double>(bottom)));
    layout.pixelsPerMmX = 0;
    layout.pixelsPerMmY = 0;
    return layout;
}

} // namespace

MetafileLayout ReadMetafileLayout(std::span<const std::uint8_t> bytes) {
    const RecordBytes file(bytes);
    return IsEnhanced(file) ? ReadEnhanced(file) : ReadPlaceable(file);
}

} // namespace quorvel
