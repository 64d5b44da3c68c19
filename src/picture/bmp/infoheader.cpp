#include "picture/bmp/infoheader.h"

namespace quorvel {
namespace {

// Field offsets of the 12-byte core form, whose sides are 16 bits wide.
constexpr std::size_t kCoreWidthAt = 4;
constexpr std::size_t kCoreHeightAt = 6;
constexpr std::size_t kCorePlanesAt = 8;
constexpr std::size_t kCoreBitCountAt = 10;

} // namespace

InfoHeader ParseInfoHeader(RecordBytes bytes) {
    InfoHeader header;
    header.size = bytes.U32(kInfoSizeAt);
    if (header.size == kCoreHeaderSize) {
        // The rest stays 0, as in a 40-byte header with no compression, no
        // image size and no colour count.
        header.width = bytes.U16(kCoreWidthAt);
        header.height = bytes.U16(kCoreHeightAt);
        header.planes = bytes.U16(kCorePlanesAt);
        header.bitsPerPixel = bytes.U16(kCoreBitCountAt);
        return header;
    }
    header.width = bytes.I32(kInfoWidthAt);
    header.height = bytes.I32(kInfoHeightAt);
    header.planes = bytes.U16(kInfoPlanesAt);
    header.bitsPerPixel = bytes.U16(kInfoBitCountAt);
    header.compression = bytes.U32(kInfoCompressionAt);
    header.imageSize = bytes.U32(kInfoImageSizeAt);
    header.colourCount = bytes.U32(kInfoColoursUsedAt);
    header.masks = {bytes.U32(kInfoRedMaskAt), bytes.U32(kInfoGreenMaskAt),
                    bytes.U32(kInfoBlueMaskAt),
                    header.size >= kAlphaMaskInsideFrom ? bytes.U32(kInfoAlphaMaskAt) : 0};
    return header;
}

} // namespace quorvel
