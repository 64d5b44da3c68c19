#include "referencemetafiles.h"

#include <bit>
#include <cstdint>
#include <initializer_list>

namespace quorvel::test {

namespace {

// Record types as the formats number them, written out here rather than
// taken from the players so that a player's wrong number shows. Windows text
// records come from the builder's Text().
enum EmfType : std::uint32_t {
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

enum WmfFunction : std::uint16_t {
    kWmfSaveDc = 0x001E,
    kWmfCreatePalette = 0x00F7,
    kWmfSetBkMode = 0x0102,
    kWmfSetPolyFillMode = 0x0106,
    kWmfRestoreDc = 0x0127,
    kWmfSelectObject = 0x012D,
    kWmfSetTextAlign = 0x012E,
    kWmfDibCreatePatternBrush = 0x0142,
    kWmfDeleteObject = 0x01F0,
    kWmfCreatePatternBrush = 0x01F9,
    kWmfSetBkColor = 0x0201,
    kWmfSetTextColor = 0x0209,
    kWmfSetWindowOrg = 0x020B,
    kWmfSetWindowExt = 0x020C,
    kWmfLineTo = 0x0213,
    kWmfMoveTo = 0x0214,
    kWmfCreatePenIndirect = 0x02FA,
    kWmfCreateFontIndirect = 0x02FB,
    kWmfCreateBrushIndirect = 0x02FC,
    kWmfPolygon = 0x0324,
    kWmfPolyline = 0x0325,
    kWmfExcludeClipRect = 0x0415,
    kWmfIntersectClipRect = 0x0416,
    kWmfEllipse = 0x0418,
    kWmfRectangle = 0x041B,
    kWmfSetPixel = 0x041F,
    kWmfPolyPolygon = 0x0538,
    kWmfRoundRect = 0x061C,
    kWmfPatBlt = 0x061D,
    kWmfCreateRegion = 0x06FF,
    kWmfArc = 0x0817,
    kWmfPie = 0x081A,
    kWmfChord = 0x0830,
    kWmfDibBitBlt = 0x0940,
    kWmfExtTextOut = 0x0A32,
    kWmfDibStretchBlt = 0x0B41,
    kWmfStretchDib = 0x0F43,
};

// Settings and objects.
constexpr std::int32_t kStock = static_cast<std::int32_t>(0x80000000u);
constexpr std::int32_t kStockWhiteBrush = kStock | 0;
constexpr std::int32_t kStockGreyBrush = kStock | 2;
constexpr std::int32_t kStockBlackPen = kStock | 7;
constexpr std::int32_t kStockNullPen = kStock | 8;
constexpr std::int32_t kOpaque = 2;
constexpr std::int32_t kTransparent = 1;
constexpr std::int32_t kAlternate = 1;
constexpr std::int32_t kWinding = 2;
constexpr std::int32_t kClockwise = 2;
constexpr std::int32_t kBrushSolid = 0;
constexpr std::int32_t kBrushHatched = 2;
constexpr std::int32_t kBrushDibPattern = 5;
constexpr std::int32_t kHatchCross = 4;
constexpr std::int32_t kHatchDiagonalCross = 5;
constexpr std::int32_t kPenDash = 1;
constexpr std::int32_t kPenGeometricFlatMiter = 0x10000 | 0x200 | 0x2000;
constexpr std::int32_t kRegionCopy = 5;
constexpr std::int32_t kRegionAnd = 1;
constexpr std::int32_t kMapText = 1;
constexpr std::int32_t kMapLoMetric = 2;
constexpr std::int32_t kMapIsotropic = 7;
constexpr std::int32_t kMapAnisotropic = 8;
constexpr std::int32_t kWorldIdentity = 1;
constexpr std::int32_t kWorldLeftMultiply = 2;
constexpr std::int32_t kAlignCentreBaseline = 6 | 24;
constexpr std::int32_t kAlignRightBottom = 2 | 8;
constexpr std::int32_t kTextOpaque = 2;
constexpr std::int32_t kTextClipped = 4;
constexpr std::int32_t kTextPdy = 0x2000;
constexpr std::uint32_t kSourceCopy = 0x00CC0020;
constexpr std::uint32_t kPatternCopy = 0x00F00021;
constexpr std::uint32_t kBlackness = 0x00000042;
constexpr std::uint32_t kWhiteness = 0x00FF0062;
constexpr std::int32_t kFontWeightNormal = 400;
constexpr std::int32_t kFontWeightBold = 700;
constexpr const char* kFace = "IPAGothic"; // installed with the program's dependencies

// All drawings are 160 x 160 pixels: enhanced ones at the builder's 100
// pixels an inch with a frame of 40.64 mm, placeable ones at 96 units an
// inch, one unit a pixel.
constexpr std::int32_t kFrame = 4064;
constexpr std::int16_t kBox = 160;

// A colour as records store it, 0x00BBGGRR.
constexpr std::int32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return static_cast<std::int32_t>(r | g << 8 | b << 16);
}

// The two 16-bit halves of a 32-bit field, low first, as Windows records
// carry colours and raster operations.
std::int16_t Low(std::int32_t v) {
    return static_cast<std::int16_t>(v & 0xFFFF);
}
std::int16_t High(std::int32_t v) {
    return static_cast<std::int16_t>((static_cast<std::uint32_t>(v) >> 16) & 0xFFFF);
}

std::int32_t FloatBits(float value) {
    return std::bit_cast<std::int32_t>(value);
}

// A record's fields in order, of mixed widths.
struct Fields {
    Bytes bytes;

    Fields& Longs(std::initializer_list<std::int32_t> values) {
        for (std::int32_t v : values) {
            Put32(bytes, static_cast<std::uint32_t>(v));
        }
        return *this;
    }
    Fields& Words(std::initializer_list<std::int32_t> values) {
        for (std::int32_t v : values) {
            Put16(bytes, static_cast<std::uint32_t>(v) & 0xFFFF);
        }
        return *this;
    }
    Fields& Append(const Bytes& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
    Fields& PadTo(std::size_t multiple) {
        while (bytes.size() % multiple != 0) {
            bytes.push_back(0);
        }
        return *this;
    }
};

// A 16 x 16 bitmap: four coloured quarters crossed by a white diagonal, so
// that a turned, mirrored or shifted copy shows.
constexpr int kBitmapSide = 16;
Bytes BitmapInfo() {
    return DibInfo24(kBitmapSide, kBitmapSide);
}
Bytes BitmapRows() {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < kBitmapSide; ++y) {
        for (int x = 0; x < kBitmapSide; ++x) {
            const bool right = x >= kBitmapSide / 2;
            const bool bottom = y >= kBitmapSide / 2;
            const std::uint32_t quarter =
                bottom ? (right ? 0x0000C0 : 0xE0C000) : (right ? 0x00A000 : 0xD00000);
            pixels.push_back(x == y ? 0xFFFFFF : quarter);
        }
    }
    return DibRows24(kBitmapSide, kBitmapSide, pixels);
}

// The bounds every enhanced drawing record begins with; the players ignore
// them.
Fields EmfBounds() {
    return Fields().Longs({0, 0, kFrame, kFrame});
}

EmfBuilder Emf() {
    EmfBuilder emf;
    emf.frame[2] = kFrame;
    emf.frame[3] = kFrame;
    emf.handles = 16;
    return emf;
}

// Points as x, y pairs of 32 or 16 bits.
Fields EmfPoly(std::initializer_list<std::int32_t> xy, bool narrow) {
    Fields f = EmfBounds();
    f.Longs({static_cast<std::int32_t>(xy.size() / 2)});
    for (std::int32_t v : xy) {
        if (narrow) {
            f.Words({v});
        } else {
            f.Longs({v});
        }
    }
    return f.PadTo(4);
}

// Figures of `counts` points each.
Fields EmfPolyPoly(std::initializer_list<std::int32_t> counts,
                   std::initializer_list<std::int32_t> xy, bool narrow) {
    Fields f = EmfBounds();
    f.Longs({static_cast<std::int32_t>(counts.size()), static_cast<std::int32_t>(xy.size() / 2)});
    for (std::int32_t c : counts) {
        f.Longs({c});
    }
    for (std::int32_t v : xy) {
        if (narrow) {
            f.Words({v});
        } else {
            f.Longs({v});
        }
    }
    return f.PadTo(4);
}

// The slot, then a logical font: height, width, escapement, orientation,
// weight, then italic, underline, strike-out and character set bytes, four
// bytes of precision and pitch, and the face in 32 UTF-16 units.
Fields EmfFont(std::int32_t slot, std::int32_t height, std::int32_t escapement, std::int32_t weight,
               bool italic, bool underline) {
    Fields f;
    f.Longs({slot, height, 0, escapement, escapement, weight});
    f.bytes.insert(f.bytes.end(), {static_cast<std::uint8_t>(italic),
                                   static_cast<std::uint8_t>(underline), 0, 0, 0, 0, 0, 0});
    const std::string face = kFace;
    for (std::size_t i = 0; i < 32; ++i) {
        f.Words({i < face.size() ? face[i] : 0});
    }
    return f;
}

// Extended text at a reference point: the bounds, graphics mode and scales,
// then the text's reference point, length, string offset, options,
// rectangle and advances offset (76 bytes in all), the string (UTF-16 or
// bytes) and the advances (one a character, or x, y pairs with kTextPdy).
Fields EmfText(bool wide, std::int32_t x, std::int32_t y, const std::string& text,
               std::int32_t options, std::initializer_list<std::int32_t> rect,
               const std::vector<std::int32_t>& advances) {
    constexpr std::int32_t kStringAt = 76;
    const std::size_t stringBytes = (text.size() * (wide ? 2 : 1) + 3) / 4 * 4;
    const std::int32_t advancesAt =
        advances.empty() ? 0 : kStringAt + static_cast<std::int32_t>(stringBytes);
    Fields f = EmfBounds();
    f.Longs({1, FloatBits(1.0F), FloatBits(1.0F), x, y, static_cast<std::int32_t>(text.size()),
             kStringAt, options});
    f.Longs(rect);
    f.Longs({advancesAt});
    for (char c : text) {
        if (wide) {
            f.Words({static_cast<std::uint8_t>(c)});
        } else {
            f.bytes.push_back(static_cast<std::uint8_t>(c));
        }
    }
    f.PadTo(4);
    for (std::int32_t a : advances) {
        f.Longs({a});
    }
    return f;
}

// A bitmap copy: the destination, the raster operation, the source point,
// the source's transform, background colour and colour usage, then the
// bitmap's info and rows by offset and size (none without a bitmap); a
// stretched copy adds the source's extent.
Fields EmfBlit(std::initializer_list<std::int32_t> dest, std::uint32_t rop, bool withBitmap,
               std::initializer_list<std::int32_t> sourceExtent) {
    const std::int32_t fixedSize = sourceExtent.size() == 0 ? 100 : 108;
    const Bytes info = BitmapInfo();
    const Bytes rows = BitmapRows();
    Fields f = EmfBounds();
    f.Longs(dest).Longs({static_cast<std::int32_t>(rop), 0, 0});
    f.Longs({FloatBits(1.0F), 0, 0, FloatBits(1.0F), 0, 0, 0, 0});
    if (withBitmap) {
        const auto infoSize = static_cast<std::int32_t>(info.size());
        f.Longs(
            {fixedSize, infoSize, fixedSize + infoSize, static_cast<std::int32_t>(rows.size())});
    } else {
        f.Longs({0, 0, 0, 0});
    }
    f.Longs(sourceExtent);
    if (withBitmap) {
        f.Append(info).Append(rows);
    }
    return f;
}

// A copy of part of the bitmap: destination point, source rectangle, the
// bitmap by offset and size, usage, raster operation, destination extent.
Fields EmfStretchDiBits(std::int32_t x, std::int32_t y, std::initializer_list<std::int32_t> source,
                        std::int32_t width, std::int32_t height) {
    constexpr std::int32_t kFixedSize = 80;
    const Bytes info = BitmapInfo();
    const Bytes rows = BitmapRows();
    const auto infoSize = static_cast<std::int32_t>(info.size());
    Fields f = EmfBounds();
    f.Longs({x, y}).Longs(source);
    f.Longs({kFixedSize, infoSize, kFixedSize + infoSize, static_cast<std::int32_t>(rows.size()), 0,
             static_cast<std::int32_t>(kSourceCopy), width, height});
    return f.Append(info).Append(rows);
}

// A brush made from a bitmap: slot, usage, then the bitmap by offset and
// size.
Fields EmfBitmapBrush(std::int32_t slot) {
    constexpr std::int32_t kFixedSize = 32;
    const Bytes info = BitmapInfo();
    const Bytes rows = BitmapRows();
    const auto infoSize = static_cast<std::int32_t>(info.size());
    return Fields()
        .Longs({slot, 0, kFixedSize, infoSize, kFixedSize + infoSize,
                static_cast<std::int32_t>(rows.size())})
        .Append(info)
        .Append(rows);
}

// A clip region: its size, the mode, then the region's 32-byte header and
// rectangles in device pixels.
Fields EmfClipRegion(std::int32_t mode, const std::vector<std::int32_t>& rects) {
    const auto count = static_cast<std::int32_t>(rects.size() / 4);
    Fields f;
    f.Longs({32 + 16 * count, mode, 32, 1, count, 16 * count, 0, 0, kFrame, kFrame});
    for (std::int32_t v : rects) {
        f.Longs({v});
    }
    return f;
}

Bytes EmfLinesAndCurves() {
    EmfBuilder emf = Emf();
    emf.Add(kCreatePen, {1, 0, 2, 0, Rgb(0, 0, 160)}).Add(kSelectObject, {1});
    emf.Add(kMoveToEx, {10, 8}).Add(kLineTo, {150, 8});
    emf.AddBytes(kPolyline, EmfPoly({10, 20, 30, 35, 50, 20, 70, 35}, false).bytes);
    emf.AddBytes(kPolyline16, EmfPoly({90, 20, 110, 35, 130, 20, 150, 35}, true).bytes);
    emf.Add(kCreatePen, {2, 0, 1, 0, Rgb(200, 0, 0)}).Add(kSelectObject, {2});
    emf.AddBytes(kPolyBezier, EmfPoly({10, 70, 30, 40, 50, 100, 70, 50}, false).bytes);
    emf.AddBytes(kPolyBezier16, EmfPoly({90, 70, 110, 40, 130, 100, 150, 50}, true).bytes);
    emf.Add(kCreatePen, {3, 0, 1, 0, Rgb(0, 140, 0)}).Add(kSelectObject, {3});
    emf.Add(kMoveToEx, {10, 110});
    emf.AddBytes(kPolylineTo, EmfPoly({20, 90, 30, 110}, false).bytes);
    emf.AddBytes(kPolylineTo16, EmfPoly({40, 90, 50, 110}, true).bytes);
    emf.AddBytes(kPolyBezierTo, EmfPoly({55, 80, 65, 120, 70, 100}, false).bytes);
    emf.AddBytes(kPolyBezierTo16, EmfPoly({75, 80, 80, 120, 85, 100}, true).bytes);
    emf.Add(kSetArcDirection, {kClockwise});
    emf.Add(kArcTo, {95, 80, 155, 120, 155, 100, 95, 100});
    emf.Add(kLineTo, {155, 125});
    emf.Add(kSelectObject, {1});
    emf.AddBytes(kPolyPolyline,
                 EmfPolyPoly({2, 3}, {10, 130, 40, 130, 10, 140, 25, 150, 40, 140}, false).bytes);
    emf.AddBytes(kPolyPolyline16,
                 EmfPolyPoly({2, 3}, {50, 130, 80, 130, 50, 140, 65, 150, 80, 140}, true).bytes);
    for (std::int32_t x = 95; x <= 155; x += 4) {
        emf.Add(kSetPixelV, {x, 140, Rgb(255, 0, 255)});
    }
    return emf.Build();
}

Bytes EmfShapes() {
    EmfBuilder emf = Emf();
    emf.Add(kCreatePen, {1, 0, 1, 0, Rgb(0, 0, 0)}).Add(kSelectObject, {1});
    emf.Add(kCreateBrushIndirect, {2, kBrushSolid, Rgb(255, 160, 0), 0}).Add(kSelectObject, {2});
    emf.Add(kRectangle, {10, 10, 50, 40});
    emf.Add(kRoundRect, {60, 10, 100, 40, 16, 10});
    emf.Add(kEllipse, {110, 10, 150, 40});
    emf.Add(kArc, {10, 50, 50, 90, 50, 70, 30, 50});
    emf.Add(kPie, {60, 50, 100, 90, 100, 70, 80, 50});
    emf.Add(kChord, {110, 50, 150, 90, 150, 70, 130, 50});
    emf.AddBytes(kPolygon, EmfPoly({10, 130, 30, 100, 50, 130}, false).bytes);
    emf.AddBytes(kPolygon16, EmfPoly({60, 100, 100, 100, 80, 130}, true).bytes);
    // Two overlapping squares: the overlap is filled only with winding fill.
    emf.Add(kSetPolyFillMode, {kWinding});
    emf.AddBytes(kPolyPolygon, EmfPolyPoly({4, 4},
                                           {110, 100, 135, 100, 135, 125, 110, 125, 125, 115, 150,
                                            115, 150, 140, 125, 140},
                                           false)
                                   .bytes);
    emf.Add(kSetPolyFillMode, {kAlternate});
    emf.AddBytes(
        kPolyPolygon16,
        EmfPolyPoly({4, 4},
                    {10, 135, 35, 135, 35, 155, 10, 155, 25, 140, 50, 140, 50, 158, 25, 158}, true)
            .bytes);
    return emf.Build();
}

Bytes EmfObjects() {
    EmfBuilder emf = Emf();
    emf.Add(kCreatePen, {1, 0, 1, 0, Rgb(0, 0, 0)});
    emf.Add(kCreateBrushIndirect, {2, kBrushSolid, Rgb(220, 0, 0), 0});
    emf.Add(kSelectObject, {1}).Add(kSelectObject, {2}).Add(kRectangle, {10, 10, 50, 50});
    // A wide geometric pen with flat ends, and a dashed cosmetic one: slot,
    // bitmap offsets and sizes, style, width, brush style, colour, hatch,
    // style entries.
    emf.Add(kExtCreatePen,
            {3, 0, 0, 0, 0, kPenGeometricFlatMiter, 6, kBrushSolid, Rgb(0, 0, 200), 0, 0});
    emf.Add(kSelectObject, {3}).Add(kMoveToEx, {60, 15}).Add(kLineTo, {150, 15});
    emf.Add(kExtCreatePen, {4, 0, 0, 0, 0, kPenDash, 1, kBrushSolid, Rgb(0, 120, 0), 0, 0});
    emf.Add(kSelectObject, {4}).Add(kMoveToEx, {60, 30}).Add(kLineTo, {150, 30});
    // Hatches over an opaque and a transparent background.
    emf.Add(kSelectObject, {1});
    emf.Add(kCreateBrushIndirect, {5, kBrushHatched, Rgb(0, 128, 0), kHatchCross});
    emf.Add(kSelectObject, {5}).Add(kSetBkMode, {kOpaque}).Add(kSetBkColor, {Rgb(255, 255, 0)});
    emf.Add(kRectangle, {60, 40, 100, 80});
    emf.Add(kCreateBrushIndirect, {6, kBrushHatched, Rgb(0, 0, 160), kHatchDiagonalCross});
    emf.Add(kSelectObject, {6}).Add(kSetBkMode, {kTransparent});
    emf.Add(kRectangle, {110, 40, 150, 80});
    // Stock objects.
    emf.Add(kSelectObject, {kStockGreyBrush}).Add(kSelectObject, {kStockNullPen});
    emf.Add(kRectangle, {10, 60, 50, 100});
    // A slot freed and taken again.
    emf.Add(kDeleteObject, {2});
    emf.Add(kCreateBrushIndirect, {2, kBrushSolid, Rgb(200, 0, 200), 0});
    emf.Add(kSelectObject, {2}).Add(kSelectObject, {kStockBlackPen});
    emf.Add(kEllipse, {10, 110, 50, 150});
    // Objects that take a slot and draw nothing: selecting them keeps the
    // brush.
    emf.Add(kCreatePalette, {7, 0x00020300, Rgb(255, 0, 0), Rgb(0, 0, 255)});
    emf.AddBytes(kCreateMonoBrush, EmfBitmapBrush(8).bytes);
    emf.AddBytes(kCreateDibPatternBrushPt, EmfBitmapBrush(9).bytes);
    emf.Add(kSelectObject, {8}).Add(kSelectObject, {9}).Add(kSelectObject, {7});
    emf.Add(kRectangle, {60, 100, 100, 140});
    // A brush selected after a save is gone after the restore.
    emf.Add(kSaveDc, {}).Add(kSelectObject, {kStockWhiteBrush}).Add(kRestoreDc, {-1});
    emf.Add(kRectangle, {110, 100, 150, 140});
    return emf.Build();
}

Bytes EmfMapping() {
    EmfBuilder emf = Emf();
    emf.Add(kCreatePen, {1, 0, 1, 0, Rgb(0, 0, 0)}).Add(kSelectObject, {1});
    emf.Add(kCreateBrushIndirect, {2, kBrushSolid, Rgb(0, 160, 220), 0}).Add(kSelectObject, {2});
    // A 1000-unit window onto a 60-pixel viewport at (10, 10).
    emf.Add(kSaveDc, {}).Add(kSetMapMode, {kMapAnisotropic});
    emf.Add(kSetWindowOrgEx, {0, 0}).Add(kSetWindowExtEx, {1000, 1000});
    emf.Add(kSetViewportOrgEx, {10, 10}).Add(kSetViewportExtEx, {60, 60});
    emf.Add(kRectangle, {0, 0, 1000, 1000}).Add(kEllipse, {250, 250, 750, 750});
    emf.Add(kRestoreDc, {-1});
    // Isotropic: a wide window keeps its proportions in a square viewport.
    emf.Add(kSaveDc, {}).Add(kSetMapMode, {kMapIsotropic});
    emf.Add(kSetWindowOrgEx, {100, 0}).Add(kSetWindowExtEx, {100, 50});
    emf.Add(kSetViewportOrgEx, {90, 10}).Add(kSetViewportExtEx, {60, 60});
    emf.Add(kRectangle, {100, 0, 200, 50});
    emf.Add(kRestoreDc, {-1});
    // Tenths of a millimetre, y upwards.
    emf.Add(kSaveDc, {}).Add(kSetMapMode, {kMapLoMetric});
    emf.Add(kRectangle, {25, -250, 175, -380});
    emf.Add(kRestoreDc, {-1});
    // A rotation by 30 degrees about (115, 115), then a scale by 0.5 before it.
    emf.Add(kSetMapMode, {kMapText});
    emf.Add(kSetWorldTransform, {FloatBits(0.8660254F), FloatBits(0.5F), FloatBits(-0.5F),
                                 FloatBits(0.8660254F), FloatBits(115.0F), FloatBits(115.0F)});
    emf.Add(kRectangle, {-30, -15, 30, 15});
    emf.Add(kCreateBrushIndirect, {3, kBrushSolid, Rgb(240, 200, 0), 0}).Add(kSelectObject, {3});
    emf.Add(kModifyWorldTransform,
            {FloatBits(0.5F), 0, 0, FloatBits(0.5F), 0, 0, kWorldLeftMultiply});
    emf.Add(kRectangle, {-30, -15, 30, 15});
    emf.Add(kModifyWorldTransform, {0, 0, 0, 0, 0, 0, kWorldIdentity});
    emf.Add(kRectangle, {140, 145, 155, 155});
    return emf.Build();
}

Bytes EmfText() {
    EmfBuilder emf = Emf();
    emf.AddBytes(kExtCreateFontIndirectW,
                 EmfFont(1, -18, 0, kFontWeightNormal, false, false).bytes);
    emf.Add(kSelectObject, {1});
    emf.Add(kSetTextColor, {Rgb(0, 0, 180)});
    emf.AddBytes(kExtTextOutW, EmfText(true, 8, 6, "Wide text", 0, {0, 0, 0, 0}, {}).bytes);
    emf.Add(kSetTextColor, {Rgb(160, 0, 0)});
    emf.AddBytes(kExtTextOutA,
                 EmfText(false, 8, 30, "Narrow", 0, {0, 0, 0, 0}, {14, 14, 14, 14, 14, 14}).bytes);
    // Opaque background behind text with x, y advance pairs.
    emf.Add(kSetBkColor, {Rgb(255, 240, 0)}).Add(kSetBkMode, {kOpaque});
    emf.Add(kSetTextColor, {Rgb(0, 0, 0)});
    emf.AddBytes(kExtTextOutW, EmfText(true, 10, 58, "Stairs", kTextOpaque | kTextPdy,
                                       {6, 54, 150, 90}, {16, 4, 16, 4, 16, 4, 16, 4, 16, 4, 16, 4})
                                   .bytes);
    emf.Add(kSetBkMode, {kTransparent});
    // Bold, italic and underlined, right and bottom aligned.
    emf.AddBytes(kExtCreateFontIndirectW, EmfFont(2, -16, 0, kFontWeightBold, true, true).bytes);
    emf.Add(kSelectObject, {2}).Add(kSetTextAlign, {kAlignRightBottom});
    emf.Add(kSetTextColor, {Rgb(0, 130, 0)});
    emf.AddBytes(kExtTextOutW, EmfText(true, 152, 118, "Right", 0, {0, 0, 0, 0}, {}).bytes);
    // Turned by 90 degrees, centred on the baseline, clipped to a rectangle.
    emf.AddBytes(kExtCreateFontIndirectW,
                 EmfFont(3, -16, 900, kFontWeightNormal, false, false).bytes);
    emf.Add(kSelectObject, {3}).Add(kSetTextAlign, {kAlignCentreBaseline});
    emf.AddBytes(kExtTextOutW, EmfText(true, 20, 130, "Up", 0, {0, 0, 0, 0}, {}).bytes);
    emf.Add(kSelectObject, {1}).Add(kSetTextAlign, {0});
    emf.AddBytes(
        kExtTextOutW,
        EmfText(true, 40, 130, "Clipped text", kTextClipped, {40, 130, 110, 142}, {}).bytes);
    return emf.Build();
}

Bytes EmfClipping() {
    EmfBuilder emf = Emf();
    emf.Add(kSelectObject, {kStockNullPen});
    emf.Add(kCreateBrushIndirect, {1, kBrushSolid, Rgb(0, 150, 80), 0}).Add(kSelectObject, {1});
    // A square with a hole: intersected, then excluded.
    emf.Add(kSaveDc, {});
    emf.Add(kIntersectClipRect, {10, 10, 70, 70}).Add(kExcludeClipRect, {30, 30, 50, 50});
    emf.Add(kRectangle, {0, 0, 80, 80});
    emf.Add(kRestoreDc, {-1});
    // Two bands of a region, then a third band and'ed away.
    emf.AddBytes(kExtSelectClipRgn,
                 EmfClipRegion(kRegionCopy, {90, 10, 150, 30, 90, 50, 150, 70}).bytes);
    emf.AddBytes(kExtSelectClipRgn, EmfClipRegion(kRegionAnd, {90, 0, 130, 80}).bytes);
    emf.Add(kRectangle, {85, 5, 155, 75});
    emf.AddBytes(kExtSelectClipRgn, Fields().Longs({0, kRegionCopy}).bytes);
    // Stripes inside a circle clip path.
    emf.Add(kBeginPath, {}).Add(kEllipse, {10, 90, 70, 150}).Add(kEndPath, {});
    emf.Add(kSelectClipPath, {kRegionCopy});
    for (std::int32_t y = 90; y < 150; y += 8) {
        emf.Add(kRectangle, {0, y, 80, y + 4});
    }
    emf.AddBytes(kExtSelectClipRgn, Fields().Longs({0, kRegionCopy}).bytes);
    emf.Add(kRectangle, {90, 90, 150, 150});
    return emf.Build();
}

Bytes EmfPaths() {
    EmfBuilder emf = Emf();
    emf.Add(kCreatePen, {1, 0x10000, 4, 0, Rgb(120, 0, 160)}).Add(kSelectObject, {1});
    emf.Add(kCreateBrushIndirect, {2, kBrushSolid, Rgb(255, 200, 120), 0}).Add(kSelectObject, {2});
    const std::vector<std::int32_t> bounds = {0, 0, kFrame, kFrame};
    // A closed triangle, filled only.
    emf.Add(kBeginPath, {}).Add(kMoveToEx, {10, 10}).Add(kLineTo, {70, 10}).Add(kLineTo, {40, 60});
    emf.Add(kCloseFigure, {}).Add(kEndPath, {}).Add(kFillPath, bounds);
    // An ellipse, outlined only.
    emf.Add(kBeginPath, {}).Add(kEllipse, {90, 10, 150, 60}).Add(kEndPath, {});
    emf.Add(kStrokePath, bounds);
    // An open figure closed by the fill, outlined and filled.
    emf.Add(kBeginPath, {}).Add(kMoveToEx, {10, 80}).Add(kLineTo, {70, 80});
    emf.Add(kLineTo, {70, 140}).Add(kLineTo, {10, 140}).Add(kEndPath, {});
    emf.Add(kStrokeAndFillPath, bounds);
    // An abandoned path: the rectangle after it is drawn at once.
    emf.Add(kBeginPath, {}).Add(kRectangle, {90, 80, 150, 140}).Add(kAbortPath, {});
    emf.Add(kRectangle, {100, 100, 140, 120});
    return emf.Build();
}

Bytes EmfBitmaps() {
    EmfBuilder emf = Emf();
    emf.Add(kCreateBrushIndirect, {1, kBrushSolid, Rgb(0, 120, 255), 0}).Add(kSelectObject, {1});
    emf.AddBytes(kBitBlt, EmfBlit({10, 10, 16, 16}, kSourceCopy, true, {}).bytes);
    emf.AddBytes(kBitBlt, EmfBlit({40, 10, 30, 30}, kPatternCopy, false, {}).bytes);
    emf.AddBytes(kBitBlt, EmfBlit({80, 10, 20, 20}, kBlackness, false, {}).bytes);
    emf.AddBytes(kBitBlt, EmfBlit({110, 10, 20, 20}, kWhiteness, false, {}).bytes);
    emf.AddBytes(kStretchBlt, EmfBlit({10, 60, 64, 48}, kSourceCopy, true, {16, 16}).bytes);
    emf.AddBytes(kStretchDiBits, EmfStretchDiBits(90, 60, {0, 0, 16, 16}, 60, 40).bytes);
    // The top left quarter of the bitmap: source rows count from the top.
    emf.AddBytes(kStretchDiBits, EmfStretchDiBits(90, 110, {0, 0, 8, 8}, 40, 40).bytes);
    return emf.Build();
}

WmfBuilder Wmf() {
    WmfBuilder wmf;
    wmf.box[2] = kBox;
    wmf.box[3] = kBox;
    wmf.objects = 16;
    return wmf;
}

// A box as most Windows records store it: bottom, right, top, left.
std::vector<std::int16_t> Box(std::int16_t left, std::int16_t top, std::int16_t right,
                              std::int16_t bottom) {
    return {bottom, right, top, left};
}

std::vector<std::int16_t> Join(std::initializer_list<std::vector<std::int16_t>> parts) {
    std::vector<std::int16_t> joined;
    for (const std::vector<std::int16_t>& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

// Pen: style, width (x, y), colour. Brush: style, colour, hatch.
std::vector<std::int16_t> WmfPen(std::int16_t width, std::int32_t colour) {
    return {0, width, 0, Low(colour), High(colour)};
}
std::vector<std::int16_t> WmfBrush(std::int16_t style, std::int32_t colour, std::int16_t hatch) {
    return {style, Low(colour), High(colour), hatch};
}
std::vector<std::int16_t> WmfColour(std::int32_t colour) {
    return {Low(colour), High(colour)};
}

// A logical font: height, width, escapement, orientation, weight, then
// italic, underline, strike-out, character set, precision and pitch bytes,
// and the face ending at its zero.
Bytes WmfFont(std::int16_t height, std::int16_t escapement, bool italic, bool underline) {
    Fields f;
    f.Words({height, 0, escapement, escapement, kFontWeightNormal});
    f.bytes.insert(f.bytes.end(), {static_cast<std::uint8_t>(italic),
                                   static_cast<std::uint8_t>(underline), 0, 0, 0, 0, 0, 0});
    const std::string face = kFace;
    f.bytes.insert(f.bytes.end(), face.begin(), face.end());
    f.bytes.push_back(0);
    return f.PadTo(2).bytes;
}

// Extended text: reference point (y, x), length, options, the rectangle
// (left, top, right, bottom) with the opaque or clipped option, the string
// and one advance a character.
Bytes WmfExtText(std::int16_t x, std::int16_t y, const std::string& text, std::int16_t options,
                 std::initializer_list<std::int32_t> rect, std::int16_t advance) {
    Fields f;
    f.Words({y, x, static_cast<std::int16_t>(text.size()), options});
    f.Words(rect);
    f.bytes.insert(f.bytes.end(), text.begin(), text.end());
    f.PadTo(2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        f.Words({advance});
    }
    return f.bytes;
}

// A record's 16-bit fields followed by the packed bitmap.
Bytes WithBitmap(std::initializer_list<std::int32_t> words) {
    return Fields().Words(words).Append(BitmapInfo()).Append(BitmapRows()).bytes;
}

Bytes WmfShapes() {
    WmfBuilder wmf = Wmf();
    wmf.Add(kWmfCreatePenIndirect, WmfPen(2, Rgb(0, 0, 120))).Add(kWmfSelectObject, {0});
    wmf.Add(kWmfCreateBrushIndirect, WmfBrush(kBrushSolid, Rgb(255, 150, 0), 0));
    wmf.Add(kWmfSelectObject, {1});
    wmf.Add(kWmfRectangle, Box(10, 10, 50, 40));
    wmf.Add(kWmfRoundRect, Join({{10, 16}, Box(60, 10, 100, 40)}));
    wmf.Add(kWmfEllipse, Box(110, 10, 150, 40));
    // End point, start point (each y, x), then the box.
    wmf.Add(kWmfArc, Join({{50, 30, 70, 50}, Box(10, 50, 50, 90)}));
    wmf.Add(kWmfPie, Join({{50, 80, 70, 100}, Box(60, 50, 100, 90)}));
    wmf.Add(kWmfChord, Join({{50, 130, 70, 150}, Box(110, 50, 150, 90)}));
    wmf.Add(kWmfPolygon, {3, 10, 130, 30, 100, 50, 130});
    wmf.Add(kWmfPolyline, {4, 60, 130, 70, 100, 80, 130, 90, 100});
    wmf.Add(kWmfSetPolyFillMode, {kWinding});
    wmf.Add(kWmfPolyPolygon, {2, 4, 4, 110, 100, 135, 100, 135, 125, 110, 125, 125, 115, 150, 115,
                              150, 140, 125, 140});
    wmf.Add(kWmfSetPolyFillMode, {kAlternate});
    wmf.Add(kWmfPolyPolygon,
            {2, 4, 4, 10, 135, 35, 135, 35, 155, 10, 155, 25, 140, 50, 140, 50, 158, 25, 158});
    wmf.Add(kWmfMoveTo, {150, 60}).Add(kWmfLineTo, {150, 100});
    for (std::int16_t x = 60; x <= 100; x += 4) {
        wmf.Add(kWmfSetPixel, Join({WmfColour(Rgb(255, 0, 255)), {155, x}}));
    }
    return wmf.Build();
}

Bytes WmfObjects() {
    WmfBuilder wmf = Wmf();
    // Slots are taken lowest first: pen 0, brush 1, hatch 2.
    wmf.Add(kWmfCreatePenIndirect, WmfPen(1, Rgb(0, 0, 0)));
    wmf.Add(kWmfCreateBrushIndirect, WmfBrush(kBrushSolid, Rgb(220, 0, 0), 0));
    wmf.Add(kWmfSelectObject, {0}).Add(kWmfSelectObject, {1});
    wmf.Add(kWmfRectangle, Box(10, 10, 50, 50));
    wmf.Add(kWmfCreateBrushIndirect, WmfBrush(kBrushHatched, Rgb(0, 128, 0), kHatchCross));
    wmf.Add(kWmfSelectObject, {2});
    wmf.Add(kWmfSetBkMode, {kOpaque}).Add(kWmfSetBkColor, WmfColour(Rgb(255, 255, 0)));
    wmf.Add(kWmfRectangle, Box(60, 10, 100, 50));
    wmf.Add(kWmfSetBkMode, {kTransparent}).Add(kWmfRectangle, Box(110, 10, 150, 50));
    // Objects that take slots 3 to 6 and draw nothing.
    wmf.Add(kWmfCreatePalette, {0x0300, 2, Low(Rgb(255, 0, 0)), High(Rgb(255, 0, 0)),
                                Low(Rgb(0, 0, 255)), High(Rgb(0, 0, 255))});
    wmf.AddBytes(kWmfDibCreatePatternBrush, WithBitmap({kBrushDibPattern, 0}));
    // A 16-bit bitmap object: type, width, height, bytes a row, planes and
    // bits a pixel, a pointer, 18 reserved bytes, then 8 rows of 1 bit.
    wmf.AddBytes(kWmfCreatePatternBrush,
                 Fields()
                     .Words({0, 8, 8, 2, 0x0101, 0, 0})
                     .Append(Bytes(18, 0))
                     .Words({0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA})
                     .bytes);
    // A region: next in chain, type, count, size, scans, longest scan and
    // the bounding box, without scans.
    wmf.Add(kWmfCreateRegion, {0, 6, 0, 0, 22, 0, 0, 10, 60, 50, 100});
    // A freed slot is the next one taken.
    wmf.Add(kWmfDeleteObject, {1});
    wmf.Add(kWmfCreateBrushIndirect, WmfBrush(kBrushSolid, Rgb(0, 0, 220), 0));
    wmf.Add(kWmfSelectObject, {1}).Add(kWmfEllipse, Box(10, 60, 50, 100));
    wmf.Add(kWmfSelectObject, {4})
        .Add(kWmfSelectObject, {3})
        .Add(kWmfRectangle, Box(60, 60, 100, 100));
    wmf.Add(kWmfSaveDc, {}).Add(kWmfSelectObject, {2}).Add(kWmfRestoreDc, {-1});
    wmf.Add(kWmfRectangle, Box(110, 60, 150, 100));
    return wmf.Build();
}

Bytes WmfMappingAndClipping() {
    WmfBuilder wmf = Wmf();
    wmf.Add(kWmfCreatePenIndirect, WmfPen(1, Rgb(0, 0, 0))).Add(kWmfSelectObject, {0});
    wmf.Add(kWmfCreateBrushIndirect, WmfBrush(kBrushSolid, Rgb(0, 160, 220), 0));
    wmf.Add(kWmfSelectObject, {1});
    // Twice the units: half the size (extents and origins are y, x).
    wmf.Add(kWmfSaveDc, {}).Add(kWmfSetWindowExt, {320, 320});
    wmf.Add(kWmfRectangle, Box(20, 20, 140, 140));
    wmf.Add(kWmfRestoreDc, {-1});
    // The window moved left by 70 units: the drawing moves right.
    wmf.Add(kWmfSaveDc, {}).Add(kWmfSetWindowOrg, {0, -70});
    wmf.Add(kWmfEllipse, Box(10, 10, 70, 70));
    wmf.Add(kWmfRestoreDc, {-1});
    // A frame: the clip intersected, then a hole excluded.
    wmf.Add(kWmfIntersectClipRect, Box(10, 90, 150, 150));
    wmf.Add(kWmfExcludeClipRect, Box(40, 100, 120, 140));
    wmf.Add(kWmfRectangle, Box(0, 80, 160, 160));
    return wmf.Build();
}

Bytes WmfText() {
    WmfBuilder wmf = Wmf();
    wmf.AddBytes(kWmfCreateFontIndirect, WmfFont(-18, 0, false, false));
    wmf.Add(kWmfSelectObject, {0});
    wmf.Add(kWmfSetTextColor, WmfColour(Rgb(0, 0, 180)));
    wmf.Text(8, 6, "TextOut");
    wmf.Add(kWmfSetBkMode, {kOpaque}).Add(kWmfSetBkColor, WmfColour(Rgb(255, 240, 0)));
    wmf.Add(kWmfSetTextColor, WmfColour(Rgb(0, 0, 0)));
    wmf.AddBytes(kWmfExtTextOut, WmfExtText(10, 40, "Opaque", kTextOpaque, {6, 36, 150, 64}, 18));
    wmf.Add(kWmfSetBkMode, {kTransparent});
    wmf.AddBytes(kWmfCreateFontIndirect, WmfFont(-16, 0, true, true));
    wmf.Add(kWmfSelectObject, {1}).Add(kWmfSetTextAlign, {kAlignCentreBaseline});
    wmf.Add(kWmfSetTextColor, WmfColour(Rgb(170, 0, 0)));
    wmf.Text(80, 95, "Centred");
    wmf.AddBytes(kWmfCreateFontIndirect, WmfFont(-16, 900, false, false));
    wmf.Add(kWmfSelectObject, {2}).Add(kWmfSetTextAlign, {0});
    wmf.Text(10, 150, "Up");
    wmf.Add(kWmfSelectObject, {0});
    wmf.AddBytes(kWmfExtTextOut,
                 WmfExtText(40, 120, "Clipped text", kTextClipped, {40, 120, 110, 135}, 10));
    return wmf.Build();
}

Bytes WmfBitmaps() {
    WmfBuilder wmf = Wmf();
    wmf.Add(kWmfCreateBrushIndirect, WmfBrush(kBrushSolid, Rgb(0, 120, 255), 0));
    wmf.Add(kWmfSelectObject, {0});
    // Raster operation (low, high), then the destination as height, width, y, x.
    wmf.Add(kWmfPatBlt, {Low(kPatternCopy), High(kPatternCopy), 30, 30, 10, 10});
    wmf.Add(kWmfPatBlt, {Low(kBlackness), High(kBlackness), 20, 20, 10, 45});
    // At its size from (0, 0): operation, source y, x, height, width, y, x.
    wmf.AddBytes(kWmfDibBitBlt,
                 WithBitmap({Low(kSourceCopy), High(kSourceCopy), 0, 0, 16, 16, 10, 80}));
    // Without a bitmap a reserved word comes before the destination.
    wmf.Add(kWmfDibBitBlt, {Low(kPatternCopy), High(kPatternCopy), 0, 0, 0, 30, 30, 10, 110});
    // Stretched: operation, source height, width, y, x, destination.
    wmf.AddBytes(kWmfDibStretchBlt,
                 WithBitmap({Low(kSourceCopy), High(kSourceCopy), 16, 16, 0, 0, 40, 60, 60, 10}));
    // Operation, colour usage, source, destination.
    wmf.AddBytes(kWmfStretchDib,
                 WithBitmap({Low(kSourceCopy), High(kSourceCopy), 0, 8, 8, 8, 0, 70, 70, 60, 80}));
    return wmf.Build();
}

} // namespace

std::vector<ReferenceMetafile> ReferenceMetafiles() {
    return {
        {"emf_lines_curves.emf", EmfLinesAndCurves()},
        {"emf_shapes.emf", EmfShapes()},
        {"emf_objects.emf", EmfObjects()},
        {"emf_mapping.emf", EmfMapping()},
        {"emf_text.emf", EmfText()},
        {"emf_clipping.emf", EmfClipping()},
        {"emf_paths.emf", EmfPaths()},
        {"emf_bitmaps.emf", EmfBitmaps()},
        {"wmf_shapes.wmf", WmfShapes()},
        {"wmf_objects.wmf", WmfObjects()},
        {"wmf_mapping_clipping.wmf", WmfMappingAndClipping()},
        {"wmf_text.wmf", WmfText()},
        {"wmf_bitmaps.wmf", WmfBitmaps()},
    };
}

} // namespace quorvel::test
