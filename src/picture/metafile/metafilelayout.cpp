#include "picture/metafile/metafilelayout.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/core/recordbytes.h"

#include <limits>

namespace quorvel {

namespace {

constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrEof = 14;
constexpr std::uint32_t kEnhancedSignature = 0x464D4520; // " EMF"
constexpr std::size_t kEnhancedHeaderRead = 100;
constexpr std::size_t kEnhancedHeaderMinimum = 88; // the oldest header form ends here
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeaderSize = 22;
constexpr std::size_t kWindowsHeaderSize = 18;
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
    return file.Size() > kEnhancedHeaderRead && file.U32(0) == kEmrHeader &&
           file.U32(40) == kEnhancedSignature;
}

// The records from the header's end must follow one another inside the
// total size and reach the end-of-file record.
void CheckEnhancedRecords(const RecordBytes& metafile, std::size_t headerSize) {
    std::size_t at = headerSize;
    while (metafile.Has(at, 8)) {
        const std::uint32_t type = metafile.U32(at);
        const std::uint32_t size = metafile.U32(at + 4);
        if (size < 8 || size % 4 != 0 || !metafile.Has(at, size)) {
            Invalid();
        }
        if (type == kEmrEof) {
            return;
        }
        at += size;
    }
    Invalid();
}

MetafileLayout ReadEnhanced(const RecordBytes& file) {
    const std::uint32_t total = file.U32(48);
    if (total < kEnhancedHeaderRead) {
        Invalid();
    }
    if (total > file.Size()) {
        throw Failure(kReadErrorMessage);
    }
    const RecordBytes metafile = file.Sub(0, total);
    const std::uint32_t headerSize = metafile.U32(4);
    if (headerSize < kEnhancedHeaderMinimum || headerSize % 4 != 0 || headerSize > total) {
        Invalid();
    }
    const std::int64_t deviceX = metafile.I32(72);
    const std::int64_t deviceY = metafile.I32(76);
    const std::int64_t millimetresX = metafile.I32(80);
    const std::int64_t millimetresY = metafile.I32(84);
    if (deviceX <= 0 || deviceY <= 0 || millimetresX <= 0 || millimetresY <= 0) {
        Invalid();
    }
    CheckEnhancedRecords(metafile, headerSize);

    MetafileLayout layout{};
    layout.form = MetafileForm::Enhanced;
    layout.recordsOffset = 0;
    layout.recordsLength = total;
    // The frame is in hundredths of a millimetre.
    const std::int64_t left = metafile.I32(24);
    const std::int64_t top = metafile.I32(28);
    const std::int64_t right = metafile.I32(32);
    const std::int64_t bottom = metafile.I32(36);
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
    const std::uint16_t type = records.U16(0);
    const std::uint16_t headerWords = records.U16(2);
    const std::uint16_t version = records.U16(4);
    if (!records.Has(0, kWindowsHeaderSize) || (type != 1 && type != 2) || headerWords != 9 ||
        (version != 0x0100 && version != 0x0300)) {
        Invalid();
    }
    std::size_t at = kWindowsHeaderSize;
    while (records.Has(at, 6)) {
        const std::uint64_t bytes = std::uint64_t{records.U32(at)} * 2;
        if (bytes < 6 || !records.Has(at, bytes)) {
            Invalid();
        }
        if (records.U16(at + 4) == 0) {
            return;
        }
        at += bytes;
    }
}

MetafileLayout ReadPlaceable(const RecordBytes& file) {
    if (!file.Has(0, kPlaceableHeaderSize) || file.U32(0) != kPlaceableKey) {
        Invalid();
    }
    std::uint16_t checksum = 0;
    for (std::size_t word = 0; word < 10; ++word) {
        checksum ^= file.U16(2 * word);
    }
    if (checksum != file.U16(20)) {
        Invalid();
    }
    const RecordBytes records = file.Sub(kPlaceableHeaderSize, file.Size());
    CheckWindowsRecords(records);

    MetafileLayout layout{};
    layout.form = MetafileForm::Placeable;
    layout.recordsOffset = kPlaceableHeaderSize;
    layout.recordsLength = records.Size();
    const std::int64_t left = file.I16(6);
    const std::int64_t top = file.I16(8);
    const std::int64_t right = file.I16(10);
    const std::int64_t bottom = file.I16(12);
    const std::int64_t unitsPerInch = file.U16(14) == 0 ? 96 : file.U16(14);
    // The extent in thousandths of a millimetre (25400 to the inch), truncated,
    // then in pixels at the display's density.
    const std::int64_t micrometresX = (right - left) * 25400 / unitsPerInch;
    const std::int64_t micrometresY = (bottom - top) * 25400 / unitsPerInch;
    CheckPixelMemory(layout, ScaledExtent(micrometresX, kDisplayPixelsPerInch, 25400),
                     ScaledExtent(micrometresY, kDisplayPixelsPerInch, 25400));
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
