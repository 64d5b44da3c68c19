#include "picture/bmp/dibimage.h"
#include "picture/metafile/gdicontext.h"
#include "picture/metafile/metafileplayers.h"

#include <optional>
#include <vector>

namespace quorvel {

namespace {

// Record types of enhanced metafiles.
enum : std::uint32_t {
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

constexpr std::uint32_t kStockObjectFlag = 0x80000000;
constexpr std::uint32_t kRopSourceCopy = 0xCC; // the only copy of a bitmap drawn
constexpr std::uint32_t kTextPdy = 0x2000;     // advances come as x, y pairs
constexpr std::size_t kHeaderHandles = 56;

QPointF PointAt(const RecordBytes& r, std::size_t offset, bool small) {
    if (small) {
        return QPointF(r.I16(offset), r.I16(offset + 2));
    }
    return QPointF(r.I32(offset), r.I32(offset + 4));
}

QRectF BoxAt(const RecordBytes& r, std::size_t offset) {
    return QRectF(PointAt(r, offset, false), PointAt(r, offset + 8, false));
}

QTransform TransformAt(const RecordBytes& r, std::size_t offset) {
    return QTransform(r.F32(offset), r.F32(offset + 4), r.F32(offset + 8), r.F32(offset + 12),
                      r.F32(offset + 16), r.F32(offset + 20));
}

class EnhancedPlayer {
public:
    EnhancedPlayer(RecordBytes metafile, GdiContext& dc)
        : metafile_(metafile), dc_(dc), objects_(metafile.U16(kHeaderHandles)) {}

    void Play() {
        std::size_t at = metafile_.U32(4);
        while (metafile_.Has(at, 8)) {
            const std::uint32_t type = metafile_.U32(at);
            const std::uint32_t size = metafile_.U32(at + 4);
            if (type == kEof || size < 8 || !metafile_.Has(at, size)) {
                return;
            }
            Record(type, metafile_.Sub(at, size));
            at += size;
        }
    }

private:
    // Points counted at `countAt`, from `pointsAt`; none when the record is
    // too short to hold them all.
    static std::vector<QPointF> Points(const RecordBytes& r, std::size_t countAt,
                                       std::size_t pointsAt, bool small) {
        const std::size_t count = r.U32(countAt);
        const std::size_t each = small ? 4 : 8;
        if (count > r.Size() / each || !r.Has(pointsAt, count * each)) {
            return {};
        }
        std::vector<QPointF> points(count);
        for (std::size_t i = 0; i < count; ++i) {
            points[i] = PointAt(r, pointsAt + i * each, small);
        }
        return points;
    }

    // Polygons or polylines: counts per figure, then all points.
    static std::vector<std::vector<QPointF>> Figures(const RecordBytes& r, bool small) {
        const std::size_t figures = r.U32(24);
        const std::size_t total = r.U32(28);
        const std::size_t each = small ? 4 : 8;
        if (figures > r.Size() / 4 || total > r.Size() / each || !r.Has(32, figures * 4) ||
            !r.Has(32 + figures * 4, total * each)) {
            return {};
        }
        std::vector<std::vector<QPointF>> result;
        std::size_t at = 32 + figures * 4;
        std::size_t left = total;
        for (std::size_t i = 0; i < figures; ++i) {
            const std::size_t count = r.U32(32 + i * 4);
            if (count > left) {
                return {};
            }
            std::vector<QPointF> figure(count);
            for (std::size_t j = 0; j < count; ++j) {
                figure[j] = PointAt(r, at, small);
                at += each;
            }
            left -= count;
            result.push_back(std::move(figure));
        }
        return result;
    }

    std::optional<GdiObject>* Slot(std::uint32_t index) {
        return index < objects_.size() ? &objects_[index] : nullptr;
    }

    void Create(std::uint32_t index, GdiObject object) {
        // Slot 0 stands for the metafile itself.
        if (index != 0) {
            if (auto* slot = Slot(index)) {
                *slot = std::move(object);
            }
        }
    }

    void SelectObject(std::uint32_t index) {
        if ((index & kStockObjectFlag) != 0) {
            dc_.Select(StockObject(index & ~kStockObjectFlag));
        } else if (auto* slot = Slot(index); slot != nullptr && slot->has_value()) {
            dc_.Select(**slot);
        }
    }

    static GdiPen ExtendedPen(const RecordBytes& r) {
        const std::uint32_t style = r.U32(28);
        const bool geometric = (style & 0x000F0000) == 0x00010000;
        GdiPen pen{style, geometric ? static_cast<double>(r.U32(32)) : 0.0,
                   ColourFromRef(r.U32(40))};
        if (r.U32(36) == 1) { // a hollow brush draws nothing
            pen.style = 5;
        }
        return pen;
    }

    static GdiBrush BrushAt(const RecordBytes& r, std::size_t offset) {
        return LogicalBrush(r.U32(offset), ColourFromRef(r.U32(offset + 4)), r.U32(offset + 8));
    }

    static GdiFont FontAt(const RecordBytes& r, std::size_t offset) {
        GdiFont font;
        font.height = r.I32(offset);
        font.escapement = r.I32(offset + 8);
        font.weight = r.I32(offset + 16);
        font.italic = r.U8(offset + 20) != 0;
        font.underline = r.U8(offset + 21) != 0;
        font.strikeOut = r.U8(offset + 22) != 0;
        font.charset = r.U8(offset + 23);
        for (std::size_t i = 0; i < 32; ++i) {
            const std::uint16_t unit = r.U16(offset + 28 + 2 * i);
            if (unit == 0) {
                break;
            }
            font.face.append(QChar(unit));
        }
        return font;
    }

    void ExtTextOut(const RecordBytes& r, bool wide) {
        const std::size_t count = r.U32(44);
        const std::size_t stringAt = r.U32(48);
        const std::uint32_t options = r.U32(52);
        const std::size_t advancesAt = r.U32(72);
        const std::size_t unit = wide ? 2 : 1;
        if (count > r.Size() || !r.Has(stringAt, count * unit)) {
            return;
        }
        GdiContext::TextRun run;
        run.reference = PointAt(r, 36, false);
        run.options = options;
        run.rect = BoxAt(r, 56);
        if (wide) {
            for (std::size_t i = 0; i < count; ++i) {
                run.text.append(QChar(r.U16(stringAt + 2 * i)));
            }
        } else {
            run.text = DecodeAnsi(r.Span().subspan(stringAt, count), dc_.FontCharset());
        }
        // Advances are given per character of the record; for the narrow
        // form they only hold when each byte became one character.
        const std::size_t step = (options & kTextPdy) != 0 ? 8 : 4;
        if (advancesAt != 0 && r.Has(advancesAt, count * step) &&
            static_cast<std::size_t>(run.text.size()) == count) {
            run.advances.resize(count);
            for (std::size_t i = 0; i < count; ++i) {
                run.advances[i] = r.I32(advancesAt + i * step);
            }
        }
        dc_.Text(run);
    }

    // A region's rectangles in device units, or none when the record carries
    // no region; false when the region data does not fit its record.
    static bool RegionAt(const RecordBytes& r, std::size_t sizeAt, std::size_t dataAt,
                         std::optional<std::vector<QRectF>>& rects) {
        const std::size_t size = r.U32(sizeAt);
        if (size == 0) {
            rects.reset();
            return true;
        }
        const RecordBytes data = r.Sub(dataAt, size);
        const std::size_t headerSize = data.U32(0);
        const std::size_t count = data.U32(8);
        if (!r.Has(dataAt, size) || headerSize < 32 || count > data.Size() / 16 ||
            !data.Has(headerSize, count * 16)) {
            return false;
        }
        rects.emplace();
        for (std::size_t i = 0; i < count; ++i) {
            rects->push_back(BoxAt(data, headerSize + i * 16));
        }
        return true;
    }

    // The bitmap info and rows a record points to, each by offset and size.
    static RecordBytes Part(const RecordBytes& r, std::size_t offsetAt, std::size_t sizeAt) {
        const std::size_t offset = r.U32(offsetAt);
        const std::size_t size = r.U32(sizeAt);
        return r.Has(offset, size) ? r.Sub(offset, size) : RecordBytes();
    }

    void BitBlt(const RecordBytes& r, bool stretch) {
        const QRectF dest(r.I32(24), r.I32(28), r.I32(32), r.I32(36));
        const std::uint32_t rop = r.U32(40);
        if (r.U32(88) == 0) {
            dc_.FillByRop(dest, rop);
            return;
        }
        if (((rop >> 16) & 0xFF) != kRopSourceCopy) {
            return;
        }
        const QSizeF sourceSize = stretch ? QSizeF(r.I32(100), r.I32(104)) : dest.size();
        const QImage bitmap = DecodeOpaqueDib(Part(r, 84, 88), Part(r, 92, 96));
        dc_.CopyBitmap(dest, bitmap, QRectF(QPointF(r.I32(44), r.I32(48)), sourceSize));
    }

    void StretchDiBits(const RecordBytes& r) {
        if (((r.U32(68) >> 16) & 0xFF) != kRopSourceCopy) {
            return;
        }
        const RecordBytes info = Part(r, 48, 52);
        const QImage bitmap = DecodeOpaqueDib(info, Part(r, 56, 60));
        const QRectF source(r.I32(32), r.I32(36), r.I32(40), r.I32(44));
        dc_.CopyBitmap(QRectF(r.I32(24), r.I32(28), r.I32(72), r.I32(76)), bitmap,
                       SourceInDibRows(info, bitmap, source));
    }

    void Record(std::uint32_t type, const RecordBytes& r) {
        switch (type) {
        case kPolyBezier:
        case kPolyBezier16:
            dc_.PolyBezier(Points(r, 24, 28, type == kPolyBezier16));
            break;
        case kPolygon:
        case kPolygon16: {
            const std::vector<std::vector<QPointF>> polygon{Points(r, 24, 28, type == kPolygon16)};
            dc_.Polygons(polygon);
            break;
        }
        case kPolyline:
        case kPolyline16:
            dc_.Polyline(Points(r, 24, 28, type == kPolyline16));
            break;
        case kPolyBezierTo:
        case kPolyBezierTo16:
            dc_.PolyBezierTo(Points(r, 24, 28, type == kPolyBezierTo16));
            break;
        case kPolylineTo:
        case kPolylineTo16:
            dc_.PolylineTo(Points(r, 24, 28, type == kPolylineTo16));
            break;
        case kPolyPolyline:
        case kPolyPolyline16:
            for (const auto& figure : Figures(r, type == kPolyPolyline16)) {
                dc_.Polyline(figure);
            }
            break;
        case kPolyPolygon:
        case kPolyPolygon16:
            dc_.Polygons(Figures(r, type == kPolyPolygon16));
            break;
        case kSetWindowExtEx:
            dc_.SetWindowExt(QSizeF(r.I32(8), r.I32(12)));
            break;
        case kSetWindowOrgEx:
            dc_.SetWindowOrg(PointAt(r, 8, false));
            break;
        case kSetViewportExtEx:
            dc_.SetViewportExt(QSizeF(r.I32(8), r.I32(12)));
            break;
        case kSetViewportOrgEx:
            dc_.SetViewportOrg(PointAt(r, 8, false));
            break;
        case kSetPixelV:
            dc_.SetPixel(PointAt(r, 8, false), ColourFromRef(r.U32(16)));
            break;
        case kSetMapMode:
            dc_.SetMapMode(r.U32(8));
            break;
        case kSetBkMode:
            dc_.SetBackgroundMode(r.U32(8));
            break;
        case kSetPolyFillMode:
            dc_.SetPolyFillMode(r.U32(8));
            break;
        case kSetTextAlign:
            dc_.SetTextAlign(r.U32(8));
            break;
        case kSetTextColor:
            dc_.SetTextColour(ColourFromRef(r.U32(8)));
            break;
        case kSetBkColor:
            dc_.SetBackgroundColour(ColourFromRef(r.U32(8)));
            break;
        case kMoveToEx:
            dc_.MoveTo(PointAt(r, 8, false));
            break;
        case kExcludeClipRect:
            dc_.ExcludeClip(BoxAt(r, 8));
            break;
        case kIntersectClipRect:
            dc_.IntersectClip(BoxAt(r, 8));
            break;
        case kSaveDc:
            dc_.Save();
            break;
        case kRestoreDc:
            dc_.Restore(r.I32(8));
            break;
        case kSetWorldTransform:
            dc_.SetWorldTransform(TransformAt(r, 8));
            break;
        case kModifyWorldTransform:
            dc_.ModifyWorldTransform(TransformAt(r, 8), r.U32(32));
            break;
        case kSelectObject:
            SelectObject(r.U32(8));
            break;
        case kCreatePen:
            Create(r.U32(8),
                   GdiPen{r.U32(12), static_cast<double>(r.I32(16)), ColourFromRef(r.U32(24))});
            break;
        case kExtCreatePen:
            Create(r.U32(8), ExtendedPen(r));
            break;
        case kCreateBrushIndirect:
            Create(r.U32(8), BrushAt(r, 12));
            break;
        case kCreatePalette:
        case kCreateMonoBrush:
        case kCreateDibPatternBrushPt:
            Create(r.U32(8), GdiPlaceholder{});
            break;
        case kExtCreateFontIndirectW:
            Create(r.U32(8), FontAt(r, 12));
            break;
        case kDeleteObject:
            if (auto* slot = Slot(r.U32(8))) {
                slot->reset();
            }
            break;
        case kEllipse:
            dc_.Ellipse(BoxAt(r, 8));
            break;
        case kRectangle:
            dc_.Rectangle(BoxAt(r, 8));
            break;
        case kRoundRect:
            dc_.RoundRect(BoxAt(r, 8), QSizeF(r.I32(24), r.I32(28)));
            break;
        case kArc:
        case kChord:
        case kPie:
        case kArcTo: {
            const GdiContext::ArcKind kind = type == kArc     ? GdiContext::ArcKind::Arc
                                             : type == kChord ? GdiContext::ArcKind::Chord
                                             : type == kPie   ? GdiContext::ArcKind::Pie
                                                              : GdiContext::ArcKind::ArcTo;
            dc_.Arc(kind, BoxAt(r, 8), PointAt(r, 24, false), PointAt(r, 32, false));
            break;
        }
        case kLineTo:
            dc_.LineTo(PointAt(r, 8, false));
            break;
        case kSetArcDirection:
            dc_.SetArcDirection(r.U32(8));
            break;
        case kBeginPath:
            dc_.BeginPath();
            break;
        case kEndPath:
            dc_.EndPath();
            break;
        case kCloseFigure:
            dc_.CloseFigure();
            break;
        case kFillPath:
            dc_.FillPath();
            break;
        case kStrokeAndFillPath:
            dc_.StrokeAndFillPath();
            break;
        case kStrokePath:
            dc_.StrokePath();
            break;
        case kSelectClipPath:
            dc_.SelectClipPath(r.U32(8));
            break;
        case kAbortPath:
            dc_.AbortPath();
            break;
        case kExtSelectClipRgn:
            if (std::optional<std::vector<QRectF>> rects; RegionAt(r, 8, 16, rects)) {
                dc_.SelectClipRegion(rects, r.U32(12));
            }
            break;
        case kBitBlt:
        case kStretchBlt:
            BitBlt(r, type == kStretchBlt);
            break;
        case kStretchDiBits:
            StretchDiBits(r);
            break;
        case kExtTextOutA:
        case kExtTextOutW:
            ExtTextOut(r, type == kExtTextOutW);
            break;
        default:
            break;
        }
    }

    RecordBytes metafile_;
    GdiContext& dc_;
    std::vector<std::optional<GdiObject>> objects_;
};

} // namespace

void PlayEnhancedMetafile(RecordBytes metafile, const MetafileLayout& layout, QPainter& painter) {
    const QRectF frame = layout.frame;
    if (layout.width <= 0 || layout.height <= 0 || frame.width() <= 0 || frame.height() <= 0) {
        return;
    }
    // The frame, in the reference device's pixels, fills the target.
    const double sx = layout.width / frame.width();
    const double sy = layout.height / frame.height();
    const QTransform deviceToTarget(sx, 0, 0, sy, -frame.left() * sx, -frame.top() * sy);
    GdiContext dc(painter, QSize(layout.width, layout.height), deviceToTarget,
                  QPointF(layout.pixelsPerMmX, layout.pixelsPerMmY));
    EnhancedPlayer(metafile, dc).Play();
}

} // namespace quorvel
