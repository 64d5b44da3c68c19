#include "numtext/failure.h"
#include "picture/bmp/bitmaprefusal.h"
#include "picture/picture.h"
#include "picture/raster/raster.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

// Reads the bytes as a bitmap file, draws on it as the overlay would,
// converts it for painting at 1:1 and at a zoom, then puts the pixels back
// from the drawing journal: they must be exactly those of a fresh read, or
// the run stops. Only pictures up to 65536 pixels are drawn and converted, to
// keep runs fast; the reading itself is bounded for any size. Bytes in memory
// have no device to fail, so every refusal must carry its reason: any other
// failure escapes and stops the run.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr long long kMaxDrawnPixels = 1 << 16;
    std::unique_ptr<quorvel::Picture> picture;
    try {
        picture = quorvel::ReadBitmapFile({data, size});
    } catch (const quorvel::BitmapRefused&) {
        return 0;
    }
    try {
        const int w = picture->Width();
        const int h = picture->Height();
        if (static_cast<long long>(w) * h > kMaxDrawnPixels) {
            return 0;
        }
        auto& raster = dynamic_cast<quorvel::Raster&>(*picture);
        raster.TrackSource(quorvel::FileIdentity{}, true);
        quorvel::DrawingSurface& surface = picture->GetDrawingSurface();
        surface.SetPenColor(quorvel::Rgb{255, 0, 0});
        surface.MoveTo(-3, -3);
        surface.LineTo(w + 3, h / 2);
        surface.SetPenWidth(2);
        surface.SetPenColor(quorvel::Rgb{0, 0, 255});
        surface.LineTo(w / 2, h + 3);
        surface.Ellipse(1, 1, w, h);
        picture->Image();
        picture->ScaledImageOf(QRect(0, 0, 64, 64), 0.37);
        if (!raster.CanRestore(quorvel::FileIdentity{})) {
            return 0; // the journal gave up: a reload would read the file
        }
        raster.RestoreSource();
        const auto fresh = quorvel::ReadBitmapFile({data, size});
        const auto& original = dynamic_cast<const quorvel::Raster&>(*fresh);
        const std::size_t bytes = raster.Format().MemorySize();
        if (bytes != 0 && std::memcmp(raster.Pixels(), original.Pixels(), bytes) != 0) {
            std::abort(); // the journal did not give the file's pixels back
        }
    } catch (const quorvel::Failure&) {
        // Drawing may fail too, with a message: a valid outcome.
    }
    return 0;
}
