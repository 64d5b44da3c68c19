#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvel {

// The codes both metafile forms use for the device context's settings and
// objects. Records carry them as plain numbers; a number outside the ones
// named here leaves the setting as it was unless noted.

// Mapping modes: logical units per device pixel, or a window mapped onto a
// viewport. The metric modes count y upwards.
enum MapMode : std::uint32_t {
    kMapText = 1,      // one unit a device pixel
    kMapLoMetric = 2,  // 0.1 mm
    kMapHiMetric = 3,  // 0.01 mm
    kMapLoEnglish = 4, // 0.01 inch
    kMapHiEnglish = 5, // 0.001 inch
    kMapTwips = 6,     // 1/1440 inch
    kMapIsotropic = 7, // window onto viewport, one scale for both axes
    kMapAnisotropic = 8,
};

// How a world-transform record combines its matrix with the current one.
enum WorldTransformMode : std::uint32_t {
    kWorldIdentity = 1,
    kWorldLeftMultiply = 2,
    kWorldRightMultiply = 3,
    kWorldSet = 4,
};

// A pen's style word: line style, end cap and join in separate fields, and
// whether the width is geometric (logical units) or cosmetic.
enum PenStyle : std::uint32_t {
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenNull = 5,
    kPenAlternate = 8, // every other pixel, drawn as dots
    kPenStyleMask = 0xF,

    kPenEndCapRound = 0x000,
    kPenEndCapSquare = 0x100,
    kPenEndCapFlat = 0x200,
    kPenEndCapMask = 0xF00,

    kPenJoinRound = 0x0000,
    kPenJoinBevel = 0x1000,
    kPenJoinMiter = 0x2000,
    kPenJoinMask = 0xF000,

    kPenGeometric = 0x10000,
    kPenTypeMask = 0xF0000,
};

enum BrushStyle : std::uint32_t {
    kBrushSolid = 0,
    kBrushNull = 1, // hollow
    kBrushHatched = 2,
};

// Hatch patterns of hatched brushes; others draw as horizontal lines.
enum HatchStyle : std::uint32_t {
    kHatchHorizontal = 0,
    kHatchVertical = 1,
    kHatchForwardDiagonal = 2,
    kHatchBackwardDiagonal = 3,
    kHatchCross = 4,
    kHatchDiagonalCross = 5,
    kHatchCount = 6,
};

// The stock objects enhanced metafiles select by number with the top bit set.
enum StockObjectNumber : std::uint32_t {
    kStockWhiteBrush = 0,
    kStockLightGreyBrush = 1,
    kStockGreyBrush = 2,
    kStockDarkGreyBrush = 3,
    kStockBlackBrush = 4,
    kStockNullBrush = 5,
    kStockWhitePen = 6,
    kStockBlackPen = 7,
    kStockNullPen = 8,
    kStockOemFixedFont = 10,
    kStockAnsiFixedFont = 11,
    kStockAnsiVariableFont = 12,
    kStockSystemFont = 13,
    kStockDeviceDefaultFont = 14,
    kStockSystemFixedFont = 16,
    kStockDefaultGuiFont = 17,
    kStockDcBrush = 18,
    kStockDcPen = 19,
    kStockObjectFlag = 0x80000000,
};

enum BackgroundMode : std::uint32_t {
    kBackgroundTransparent = 1,
    kBackgroundOpaque = 2,
};

enum PolyFillMode : std::uint32_t {
    kFillAlternate = 1,
    kFillWinding = 2,
};

enum ArcDirection : std::uint32_t {
    kArcCounterClockwise = 1,
    kArcClockwise = 2,
};

// Text alignment: the reference point's place on the text, horizontally and
// vertically, and whether the current position is used and moved instead.
enum TextAlign : std::uint32_t {
    kAlignUpdateCp = 1,
    kAlignLeft = 0,
    kAlignRight = 2,
    kAlignCentre = 6,
    kAlignHorizontalMask = 6,
    kAlignTop = 0,
    kAlignBottom = 8,
    kAlignBaseline = 24,
    kAlignVerticalMask = 24,
};

// Options of the extended text output records.
enum TextOption : std::uint32_t {
    kTextOpaque = 2,   // fill the rectangle with the background colour
    kTextClipped = 4,  // clip the text to the rectangle
    kTextPdy = 0x2000, // advances come as x, y pairs
};

// How a region combines with the clip.
enum RegionMode : std::uint32_t {
    kRegionAnd = 1,
    kRegionOr = 2,
    kRegionXor = 3,
    kRegionDiff = 4,
    kRegionCopy = 5,
};

// Raster operations by their index, the third byte of the 32-bit code.
enum RasterOperation : std::uint32_t {
    kRopBlackness = 0x00,
    kRopSourceCopy = 0xCC,
    kRopPatternCopy = 0xF0,
    kRopWhiteness = 0xFF,
};

inline std::uint32_t RasterOperationIndex(std::uint32_t code) {
    return (code >> 16) & 0xFF;
}

// A plain copy of a bitmap, the only operation with a source that is drawn.
inline bool IsSourceCopy(std::uint32_t code) {
    return RasterOperationIndex(code) == kRopSourceCopy;
}

// What a code stands for, as one row of a table of codes.
template <typename Meaning> struct CodeMeaning {
    std::uint32_t code;
    Meaning meaning;
};

// The meaning of `code` in the table, or `otherwise` for a code not in it.
template <typename Meaning, std::size_t N>
constexpr Meaning MeaningOf(const CodeMeaning<Meaning> (&table)[N], std::uint32_t code,
                            Meaning otherwise) {
    for (const CodeMeaning<Meaning>& row : table) {
        if (row.code == code) {
            return row.meaning;
        }
    }
    return otherwise;
}

} // namespace quorvel
