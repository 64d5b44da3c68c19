// Sampling the pixels under the overlay swaps the journaled bytes out and
// back in. When sampling fails part way (memory refused), the overlay's
// bytes must be back all the same: a raster left without them would be
// believed to hold the drawing it no longer shows.
#include "picture/core/picture.h"
#include "picture/raster/blankraster.h"

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {

// While set, the next allocation through operator new fails, as when memory
// runs out; this program's own operator new stands for that.
bool failNextAllocation = false;

} // namespace

void* operator new(std::size_t size) {
    if (failNextAllocation) {
        failNextAllocation = false;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace quorvel {
namespace {

constexpr Rgb kRed{255, 0, 0};

TEST(SamplingFailureLosesOverlay, OverlayBytesBackAfterAFailedSample) {
    const auto picture = MakeBlankRaster(32, 24);
    DrawingSurface& surface = picture->GetDrawingSurface();
    surface.SetPenColor(kRed);
    surface.SetPenWidth(3);
    surface.MoveTo(0, 12);
    surface.LineTo(32, 12);
    const QImage drawn = picture->Image();
    ASSERT_EQ(drawn.pixelColor(16, 12).red(), 255);

    failNextAllocation = true;
    EXPECT_THROW(picture->ScaledImageOf(QRect(0, 0, 64, 48), 2), std::bad_alloc);
    failNextAllocation = false;
    EXPECT_EQ(picture->Image(), drawn);
}

} // namespace
} // namespace quorvel
