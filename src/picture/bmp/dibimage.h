#pragma once

#include "picture/core/recordbytes.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <optional>

namespace quorvel {

// The layout of a device-independent bitmap as icons and metafiles embed
// it: an info header of 40 bytes or more, bit masks, a colour table, then
// uncompressed rows (1, 4, 8, 16, 24 or 32 bits a pixel, or bit fields).
struct DibLayout {
    int width;
    int height;
    bool topDown;
    int bitsPerPixel;
    std::array<std::uint32_t, 4> masks; // red, green, blue, alpha
    std::size_t paletteOffset;
    std::size_t paletteCount;
    std::size_t infoSize;  // header, masks and colour table
    std::size_t rowStride; // bytes, a multiple of 4
};

// Nothing for a header this decoder cannot read, a compressed bitmap, or a
// side beyond maxSide. In the icon form the header counts the height twice
// (colour rows, then as many mask rows).
std::optional<DibLayout> ReadDibLayout(RecordBytes info, bool iconForm, int maxSide);

// The colour rows in ARGB, each 32-bit pixel with the alpha stored with it
// and all others opaque; `anyAlpha` tells whether any stored alpha was not 0.
// Null when `rows` holds fewer than all rows.
QImage DecodeDibRows(const DibLayout& dib, RecordBytes info, RecordBytes rows, bool& anyAlpha);

// A bitmap embedded in a metafile, every pixel opaque as the copying
// operations draw it; null when it does not decode or holds more than
// 2^26 pixels.
QImage DecodeOpaqueDib(RecordBytes info, RecordBytes rows);
// The same for a bitmap whose rows follow its colour table directly.
QImage DecodeOpaqueDib(RecordBytes packed);

// Where a source rectangle given in a bitmap's own row order (bottom-up
// unless its header's height is negative) lies in the decoded image.
QRectF SourceInDibRows(RecordBytes info, const QImage& bitmap, QRectF source);

} // namespace quorvel
