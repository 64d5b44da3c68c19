#pragma once

#include <cstddef>
#include <cstdint>

// The records of Windows metafiles: their functions, and the offsets of
// their fields in bytes from the record's start. Fields are 16-bit words;
// most records store coordinates backwards: a point y before x, a box
// bottom, right, top, left, a sized box height, width, y, x.
namespace quorvel::wmf {

enum RecordFunction : std::uint16_t {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kSetBkMode = 0x0102,
    kSetPolyFillMode = 0x0106,
    kRestoreDc = 0x0127,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDeleteObject = 0x01F0,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kSetPixel = 0x041F,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kExtTextOut = 0x0A32,
    kDibBitBlt = 0x0940,
    kDibStretchBlt = 0x0B41,
    kStretchDib = 0x0F43,
    // Objects that take a slot but draw nothing here.
    kCreatePalette = 0x00F7,
    kDibCreatePatternBrush = 0x0142,
    kCreatePatternBrush = 0x01F9,
    kCreateRegion = 0x06FF,
};

// The header that begins a placeable metafile, before the Windows metafile.
struct PlaceableHeader {
    static constexpr std::size_t kKey = 0;
    static constexpr std::size_t kBox = 6; // left, top, right, bottom, in logical units
    static constexpr std::size_t kUnitsPerInch = 14;
    static constexpr std::size_t kChecksum = 20; // of the 10 words before it
    static constexpr std::size_t kSize = 22;
};

// The Windows metafile's own header.
struct Header {
    static constexpr std::size_t kType = 0; // in memory or on disk
    static constexpr std::size_t kHeaderWords = 2;
    static constexpr std::size_t kVersion = 4;
    static constexpr std::size_t kObjects = 10; // object slots
    static constexpr std::size_t kSize = 18;
};

// Every record: its size in words (32 bits), its function, its parameters;
// a record without parameters is kParams bytes.
struct Record {
    static constexpr std::size_t kSizeWords = 0;
    static constexpr std::size_t kFunction = 4;
    static constexpr std::size_t kParams = 6;
};

// The records of one field: a value (a setting, a mode, a save level or an
// object's slot), a colour, an object created, a point or extent (y before
// x), or a box (backwards); and their sizes with that field. The logical pen
// is 10 bytes, the brush 8, the font 18 before its face, a string of up to
// 32 bytes that ends at its zero.
struct OneField {
    static constexpr std::size_t kField = 6;
    static constexpr std::size_t kWithValue = kField + 2;
    static constexpr std::size_t kWithColour = kField + 4;
    static constexpr std::size_t kWithPoint = kField + 4;
    static constexpr std::size_t kWithBox = kField + 8;
    static constexpr std::size_t kWithPen = kField + 10;
    static constexpr std::size_t kWithBrush = kField + 8;
    static constexpr std::size_t kWithFont = kField + 18;
};

// Polylines and polygons: the count, then points x before y.
struct Poly {
    static constexpr std::size_t kCount = 6;
    static constexpr std::size_t kPoints = 8;
    static constexpr std::size_t kMinimumSize = kPoints;
};

// Several polygons: their count, each one's count, then all points.
struct PolyPolygon {
    static constexpr std::size_t kFigureCount = 6;
    static constexpr std::size_t kCounts = 8;
    static constexpr std::size_t kMinimumSize = kCounts;
};

struct RoundRect {
    static constexpr std::size_t kCorner = 6; // height, width
    static constexpr std::size_t kBox = 10;
    static constexpr std::size_t kMinimumSize = kBox + 8;
};

struct SetPixel {
    static constexpr std::size_t kColour = 6;
    static constexpr std::size_t kPoint = 10;
    static constexpr std::size_t kMinimumSize = kPoint + 4;
};

// Arcs, chords and pies.
struct ArcRecord {
    static constexpr std::size_t kEnd = 6;
    static constexpr std::size_t kStart = 10;
    static constexpr std::size_t kBox = 14;
    static constexpr std::size_t kMinimumSize = kBox + 8;
};

// The count, the string, then the reference point at an even offset.
struct TextOut {
    static constexpr std::size_t kCount = 6;
    static constexpr std::size_t kString = 8;
    static constexpr std::size_t kPointSize = 4;
    static constexpr std::size_t kMinimumSize = kString;
};

// The rectangle (x before y) is there only with the opaque or clipped
// option; the string follows, then one advance a byte at an even offset.
struct ExtTextOut {
    static constexpr std::size_t kReference = 6;
    static constexpr std::size_t kCount = 10;
    static constexpr std::size_t kOptions = 12;
    static constexpr std::size_t kRect = 14;
    static constexpr std::size_t kRectSize = 8;
    static constexpr std::size_t kAdvanceSize = 2;
    static constexpr std::size_t kMinimumSize = kRect;
};

struct PatBlt {
    static constexpr std::size_t kRop = 6;   // 32 bits
    static constexpr std::size_t kDest = 10; // sized box
    static constexpr std::size_t kMinimumSize = kDest + 8;
};

// Bitmap copies, with a packed bitmap at the end or without one; without,
// one more (reserved) word comes before the destination, and the record
// fills by the raster operation. The form with a bitmap is the shorter
// before its bitmap.
struct DibBitBlt {
    static constexpr std::size_t kRop = 6;
    static constexpr std::size_t kSource = 10; // point; the extent is the destination's
    static constexpr std::size_t kDest = 14;   // sized box
    static constexpr std::size_t kBitmap = 22;
    static constexpr std::size_t kMinimumSize = kBitmap;
    static constexpr std::size_t kSizeWithoutBitmap = 24;
    static constexpr std::size_t kDestWithoutBitmap = 16;
};

struct DibStretchBlt {
    static constexpr std::size_t kRop = 6;
    static constexpr std::size_t kSource = 10; // sized box
    static constexpr std::size_t kDest = 18;   // sized box
    static constexpr std::size_t kBitmap = 26;
    static constexpr std::size_t kMinimumSize = kBitmap;
    static constexpr std::size_t kSizeWithoutBitmap = 28;
    static constexpr std::size_t kDestWithoutBitmap = 20;
};

struct StretchDib {
    static constexpr std::size_t kRop = 6;
    static constexpr std::size_t kSource = 12; // sized box, in the bitmap's row order
    static constexpr std::size_t kDest = 20;   // sized box
    static constexpr std::size_t kBitmap = 28;
    static constexpr std::size_t kMinimumSize = kBitmap;
};

} // namespace quorvel::wmf
