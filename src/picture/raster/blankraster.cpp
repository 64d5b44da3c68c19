#include "picture/raster/blankraster.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/raster/raster.h"

#include <cstring>

namespace quorvel {

std::unique_ptr<Picture> MakeBlankRaster(int width, int height) {
    if (width < 0 || height < 0) {
        throw Failure(kNoSystemResourcesMessage);
    }
    const PixelFormat format = DisplayFormat(width, height);
    PixelMemory memory(std::uint64_t{format.stride} * static_cast<std::uint64_t>(height),
                       kNoSystemResourcesMessage);
    if (memory.Size() != 0) {
        std::memset(memory.Data(), 0xFF, memory.Size());
    }
    auto raster = std::make_unique<Raster>(format, std::move(memory));
    raster->JournalDrawing();
    return raster;
}

} // namespace quorvel
