#pragma once

#include <QRectF>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quorvel {

enum class MetafileForm { Enhanced, Placeable };

// What the reader learns from a metafile file's headers: its form, its size
// in pixels and where its records lie.
struct MetafileLayout {
    MetafileForm form;
    int width;
    int height;
    // Enhanced: the whole metafile, header record first, as long as the total
    // size its header gives. Placeable: the drawing after the 22-byte header.
    std::size_t recordsOffset;
    std::size_t recordsLength;
    // Enhanced: the frame in the reference device's pixels, and that device's
    // pixels per millimetre. Placeable: the bounding box in logical units.
    QRectF frame;
    double pixelsPerMmX;
    double pixelsPerMmY;
};

// The display's density for placeable metafiles: the picture library has no
// screen to ask, and 96 pixels per inch is the desktop's logical density.
inline constexpr int kDisplayPixelsPerInch = 96;

// Recognises the form, computes the size and checks that the records are
// well formed. Throws Failure with the reader's messages.
MetafileLayout ReadMetafileLayout(std::span<const std::uint8_t> bytes);

} // namespace quorvel
