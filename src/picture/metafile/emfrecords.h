#pragma once

#include <cstddef>
#include <cstdint>

// The records of enhanced metafiles: their types, and the offsets of their
// fields in bytes from the record's start. Points and rectangles are 32-bit
// x before y (left, top, right, bottom) unless noted; records named "16"
// store their points in 16 bits.
namespace quorvel::emf {

enum RecordType : std::uint32_t {
    kHeader = 1,
    kPolyBezier = 2,
    kPolygon = 3,
    kPolyline = 4,
    kPolyBezierTo = 5,
    kPolylineTo = 6,
    kPolyPolyline = 7,
    kPolyPolygon = 8,
    kSetWindowExtEx = 9,
    kSetWindowOrgEx = 10,
    kSetViewportExtEx = 11,
    kSetViewportOrgEx = 12,
    kEof = 14,
    kSetPixelV = 15,
    kSetMapMode = 17,
    kSetBkMode = 18,
    kSetPolyFillMode = 19,
    kSetTextAlign = 22,
    kSetTextColor = 24,
    kSetBkColor = 25,
    kMoveToEx = 27,
    kExcludeClipRect = 29,
    kIntersectClipRect = 30,
    kSaveDc = 33,
    kRestoreDc = 34,
    kSetWorldTransform = 35,
    kModifyWorldTransform = 36,
    kSelectObject = 37,
    kCreatePen = 38,
    kCreateBrushIndirect = 39,
    kDeleteObject = 40,
    kEllipse = 42,
    kRectangle = 43,
    kRoundRect = 44,
    kArc = 45,
    kChord = 46,
    kPie = 47,
    kCreatePalette = 49,
    kLineTo = 54,
    kArcTo = 55,
    kSetArcDirection = 57,
    kBeginPath = 59,
    kEndPath = 60,
    kCloseFigure = 61,
    kFillPath = 62,
    kStrokeAndFillPath = 63,
    kStrokePath = 64,
    kSelectClipPath = 67,
    kAbortPath = 68,
    kExtSelectClipRgn = 75,
    kBitBlt = 76,
    kStretchBlt = 77,
    kStretchDiBits = 81,
    kExtCreateFontIndirectW = 82,
    kExtTextOutA = 83,
    kExtTextOutW = 84,
    kPolyBezier16 = 85,
    kPolygon16 = 86,
    kPolyline16 = 87,
    kPolyBezierTo16 = 88,
    kPolylineTo16 = 89,
    kPolyPolyline16 = 90,
    kPolyPolygon16 = 91,
    kCreateMonoBrush = 93,
    kCreateDibPatternBrushPt = 94,
    kExtCreatePen = 95,
};

// Every record: its type and its size in bytes, a multiple of 4. The
// minimum is the size of a record without fields.
struct Record {
    static constexpr std::size_t kType = 0;
    static constexpr std::size_t kSize = 4;
    static constexpr std::size_t kMinimumSize = 8;
};

// The header record, which begins the metafile.
struct Header {
    static constexpr std::size_t kFrame = 24; // hundredths of a millimetre
    static constexpr std::size_t kSignature = 40;
    static constexpr std::size_t kBytes = 48;             // the whole metafile
    static constexpr std::size_t kHandles = 56;           // 16 bits: object slots
    static constexpr std::size_t kDevicePixels = 72;      // reference device, x and y
    static constexpr std::size_t kDeviceMillimetres = 80; // and its size
};

// The records of one field: a value (a setting, a colour, a mode, a save
// level or an object's slot), a point or extent, or a rectangle; and their
// sizes with that field.
struct OneField {
    static constexpr std::size_t kField = 8;
    static constexpr std::size_t kWithValue = kField + 4;
    static constexpr std::size_t kWithPoint = kField + 8;
    static constexpr std::size_t kWithBox = kField + 16;
};

// Polylines, polygons and curves.
struct Poly {
    static constexpr std::size_t kCount = 24; // after the bounds
    static constexpr std::size_t kPoints = 28;
    static constexpr std::size_t kMinimumSize = kPoints;
};

// Several polylines or polygons: their count, all points' count, each one's
// count, then all points.
struct PolyPoly {
    static constexpr std::size_t kFigureCount = 24;
    static constexpr std::size_t kPointCount = 28;
    static constexpr std::size_t kCounts = 32;
    static constexpr std::size_t kCountSize = 4;
    static constexpr std::size_t kMinimumSize = kCounts;
};

// SetPixelV.
struct SetPixel {
    static constexpr std::size_t kPoint = 8;
    static constexpr std::size_t kColour = 16;
    static constexpr std::size_t kMinimumSize = kColour + 4;
};

struct RoundRect {
    static constexpr std::size_t kBox = 8;
    static constexpr std::size_t kCorner = 24; // width and height
    static constexpr std::size_t kMinimumSize = kCorner + 8;
};

// Arcs, chords and pies.
struct ArcRecord {
    static constexpr std::size_t kBox = 8;
    static constexpr std::size_t kStart = 24;
    static constexpr std::size_t kEnd = 32;
    static constexpr std::size_t kMinimumSize = kEnd + 8;
};

// A 2 x 3 matrix of 32-bit floats: m11, m12, m21, m22, dx, dy.
struct WorldTransform {
    static constexpr std::size_t kTransform = 8;
    static constexpr std::size_t kMode = 32; // modification only
    static constexpr std::size_t kSetSize = kMode;
    static constexpr std::size_t kModifySize = kMode + 4;
};

// Object creation: the slot, then the object; the logical pen is 16 bytes,
// the brush 12, the font 92 (its face a fixed array of 32 UTF-16 units).
struct CreateObject {
    static constexpr std::size_t kSlot = 8;
    static constexpr std::size_t kObject = 12;
    static constexpr std::size_t kSlotOnlySize = kObject;
    static constexpr std::size_t kPenSize = kObject + 16;
    static constexpr std::size_t kBrushSize = kObject + 12;
    static constexpr std::size_t kFontSize = kObject + 92;
};

struct ExtCreatePen {
    static constexpr std::size_t kSlot = 8;
    static constexpr std::size_t kStyle = 28;
    static constexpr std::size_t kWidth = 32; // unsigned, logical units
    static constexpr std::size_t kBrushStyle = 36;
    static constexpr std::size_t kColour = 40;
    static constexpr std::size_t kMinimumSize = kColour + 4;
};

struct ExtSelectClipRgn {
    static constexpr std::size_t kRegionSize = 8;
    static constexpr std::size_t kMode = 12;
    static constexpr std::size_t kRegion = 16;
    static constexpr std::size_t kMinimumSize = kRegion;
};

// A region: a header of at least 32 bytes, then rectangles in device units.
struct RegionData {
    static constexpr std::size_t kHeaderSize = 0;
    static constexpr std::size_t kCount = 8;
    static constexpr std::size_t kMinimumHeader = 32;
    static constexpr std::size_t kRectSize = 16;
};

// Bitmap copies; the bitmap's info and rows are given by offset and size
// from the record's start, an info size of 0 meaning no bitmap.
struct BitBlt {
    static constexpr std::size_t kDest = 24; // x, y
    static constexpr std::size_t kDestExtent = 32;
    static constexpr std::size_t kRop = 40;
    static constexpr std::size_t kSource = 44; // x, y
    static constexpr std::size_t kInfoOffset = 84;
    static constexpr std::size_t kInfoSize = 88;
    static constexpr std::size_t kBitsOffset = 92;
    static constexpr std::size_t kBitsSize = 96;
    static constexpr std::size_t kSourceExtent = 100; // StretchBlt only
    static constexpr std::size_t kMinimumSize = kBitsSize + 4;
    static constexpr std::size_t kStretchMinimumSize = kSourceExtent + 8;
};

struct StretchDiBits {
    static constexpr std::size_t kDest = 24;   // x, y
    static constexpr std::size_t kSource = 32; // x, y
    static constexpr std::size_t kSourceExtent = 40;
    static constexpr std::size_t kInfoOffset = 48;
    static constexpr std::size_t kInfoSize = 52;
    static constexpr std::size_t kBitsOffset = 56;
    static constexpr std::size_t kBitsSize = 60;
    static constexpr std::size_t kRop = 68;
    static constexpr std::size_t kDestExtent = 72;
    static constexpr std::size_t kMinimumSize = kDestExtent + 8;
};

// Text output; the string and advances are given by offset from the
// record's start.
struct ExtTextOut {
    static constexpr std::size_t kReference = 36;
    static constexpr std::size_t kCount = 44;
    static constexpr std::size_t kStringOffset = 48;
    static constexpr std::size_t kOptions = 52;
    static constexpr std::size_t kRect = 56;
    static constexpr std::size_t kAdvancesOffset = 72;
    // Advances are 32 bits each, or x, y pairs with the Pdy option.
    static constexpr std::size_t kAdvanceSize = 4;
    static constexpr std::size_t kAdvancePairSize = 8;
    static constexpr std::size_t kMinimumSize = kAdvancesOffset + 4;
};

} // namespace quorvel::emf
