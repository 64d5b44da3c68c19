#include "picture/raster/imageraster.h"

#include <cstring>

namespace quorvel {

std::unique_ptr<Raster> MakeImageRaster(const QImage& image) {
    // The display format is QImage::Format_RGB32's layout: 32-bit 0x00RRGGBB
    // words, top row first, rows of whole words.
    const QImage rgb32 = image.convertToFormat(QImage::Format_RGB32);
    const PixelFormat format = DisplayFormat(rgb32.width(), rgb32.height());
    PixelMemory memory(format.MemorySize());
    const auto rowBytes = static_cast<std::size_t>(rgb32.width()) * 4;
    for (int y = 0; y < rgb32.height(); ++y) {
        std::memcpy(memory.Data() + format.RowOffset(y), rgb32.constScanLine(y), rowBytes);
    }
    return std::make_unique<Raster>(format, std::move(memory));
}

} // namespace quorvel
