#include "picture/bmp/dibimage.h"
#include "picture/metafile/gdicontext.h"
#include "picture/metafile/metafileplayers.h"

#include <optional>
#include <set>
#include <vector>

namespace quorvel {

namespace {

// Record functions of Windows metafiles.
enum : std::uint16_t {
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
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kExtTextOut = 0x0A32,
    kPatBlt = 0x061D,
    kDibBitBlt = 0x0940,
    kDibStretchBlt = 0x0B41,
    kStretchDib = 0x0F43,
    // Objects that take a slot but draw nothing here.
    kCreatePalette = 0x00F7,
    kDibCreatePatternBrush = 0x0142,
    kCreatePatternBrush = 0x01F9,
    kCreateRegion = 0x06FF,
};

constexpr std::size_t kParams = 6;
constexpr std::uint16_t kTextOpaqueOrClipped = 0x0006;
constexpr std::uint32_t kRopSourceCopy = 0xCC; // the only copy of a bitmap drawn

// Parameters are 16-bit words, points stored x before y unless noted.
QPointF PointAt(const RecordBytes& r, std::size_t offset) {
    return QPointF(r.I16(offset), r.I16(offset + 2));
}

// Most records store their coordinates backwards: y before x, and
// rectangles as bottom, right, top, left.
QPointF ReversedPointAt(const RecordBytes& r, std::size_t offset) {
    return QPointF(r.I16(offset + 2), r.I16(offset));
}

QRectF ReversedBoxAt(const RecordBytes& r, std::size_t offset) {
    return QRectF(ReversedPointAt(r, offset + 4), ReversedPointAt(r, offset));
}

class WindowsPlayer {
public:
    WindowsPlayer(RecordBytes records, GdiContext& dc)
        : records_(records), dc_(dc), objects_(records.U16(10)) {
        for (std::size_t i = 0; i < objects_.size(); ++i) {
            freeSlots_.insert(freeSlots_.end(), i);
        }
    }

    void Play() {
        std::size_t at = records_.U16(2) * std::size_t{2};
        while (records_.Has(at, kParams)) {
            const std::uint64_t size = std::uint64_t{records_.U32(at)} * 2;
            const std::uint16_t function = records_.U16(at + 4);
            if (function == kEof || size < kParams || !records_.Has(at, size)) {
                return;
            }
            Record(function, records_.Sub(at, size));
            at += size;
        }
    }

private:
    static std::vector<QPointF> Points(const RecordBytes& r, std::size_t count, std::size_t at) {
        if (!r.Has(at, count * 4)) {
            return {};
        }
        std::vector<QPointF> points(count);
        for (std::size_t i = 0; i < count; ++i) {
            points[i] = PointAt(r, at + 4 * i);
        }
        return points;
    }

    static std::vector<std::vector<QPointF>> PolyPolygon(const RecordBytes& r) {
        const std::size_t figures = r.U16(kParams);
        std::size_t at = kParams + 2 + 2 * figures;
        std::vector<std::vector<QPointF>> result;
        for (std::size_t i = 0; i < figures; ++i) {
            const std::size_t count = r.U16(kParams + 2 + 2 * i);
            std::vector<QPointF> figure = Points(r, count, at);
            if (figure.size() != count) {
                return {};
            }
            result.push_back(std::move(figure));
            at += 4 * count;
        }
        return result;
    }

    // A new object takes the lowest free slot; with none free it is lost.
    void Create(GdiObject object) {
        if (!freeSlots_.empty()) {
            objects_[*freeSlots_.begin()] = std::move(object);
            freeSlots_.erase(freeSlots_.begin());
        }
    }

    static GdiBrush BrushAt(const RecordBytes& r) {
        return LogicalBrush(r.U16(kParams), ColourFromRef(r.U32(kParams + 2)), r.U16(kParams + 6));
    }

    static GdiFont FontAt(const RecordBytes& r) {
        GdiFont font;
        font.height = r.I16(kParams);
        font.escapement = r.I16(kParams + 4);
        font.weight = r.I16(kParams + 8);
        font.italic = r.U8(kParams + 10) != 0;
        font.underline = r.U8(kParams + 11) != 0;
        font.strikeOut = r.U8(kParams + 12) != 0;
        font.charset = r.U8(kParams + 13);
        const RecordBytes face = r.Sub(kParams + 18, 32);
        std::size_t length = 0;
        while (length < face.Size() && face.U8(length) != 0) {
            ++length;
        }
        font.face = DecodeAnsi(face.Span().first(length), font.charset);
        return font;
    }

    void Text(const RecordBytes& r, QPointF reference, std::uint16_t options,
              std::optional<QRectF> rect, std::size_t count, std::size_t stringAt) {
        if (!r.Has(stringAt, count)) {
            return;
        }
        GdiContext::TextRun run;
        run.reference = reference;
        run.options = options;
        run.rect = rect;
        run.text = DecodeAnsi(r.Span().subspan(stringAt, count), dc_.FontCharset());
        // Advances, one per byte of the string, follow it at an even offset;
        // they only hold when each byte became one character.
        const std::size_t advancesAt = stringAt + count + count % 2;
        if (r.Has(advancesAt, 2 * count) && static_cast<std::size_t>(run.text.size()) == count) {
            run.advances.resize(count);
            for (std::size_t i = 0; i < count; ++i) {
                run.advances[i] = r.I16(advancesAt + 2 * i);
            }
        }
        dc_.Text(run);
    }

    void ExtTextOut(const RecordBytes& r) {
        const std::uint16_t options = r.U16(kParams + 6);
        std::optional<QRectF> rect;
        std::size_t stringAt = kParams + 8;
        if ((options & kTextOpaqueOrClipped) != 0) {
            rect = QRectF(PointAt(r, stringAt), PointAt(r, stringAt + 4));
            stringAt += 8;
        }
        Text(r, ReversedPointAt(r, kParams), options, rect, r.U16(kParams + 4), stringAt);
    }

    void TextOut(const RecordBytes& r) {
        const std::size_t count = r.U16(kParams);
        const std::size_t stringAt = kParams + 2;
        const std::size_t pointAt = stringAt + count + count % 2;
        if (!r.Has(pointAt, 4)) {
            return;
        }
        GdiContext::TextRun run;
        run.reference = ReversedPointAt(r, pointAt);
        run.text = DecodeAnsi(r.Span().subspan(stringAt, count), dc_.FontCharset());
        dc_.Text(run);
    }

    // Rectangles stored as height, width, y, x.
    static QRectF SizedBoxAt(const RecordBytes& r, std::size_t offset) {
        return QRectF(r.I16(offset + 6), r.I16(offset + 4), r.I16(offset + 2), r.I16(offset));
    }

    // The copies of a bitmap come with or without one; without, their
    // parameters hold one more (reserved) word before the destination.
    void BitmapCopy(const RecordBytes& r, bool stretch) {
        const std::uint32_t rop = r.U32(kParams);
        const std::size_t sourceAt = kParams + 4;
        const std::size_t withoutBitmap = sourceAt + (stretch ? 18 : 14);
        if (r.Size() == withoutBitmap) {
            dc_.FillByRop(SizedBoxAt(r, withoutBitmap - 8), rop);
            return;
        }
        if (((rop >> 16) & 0xFF) != kRopSourceCopy) {
            return;
        }
        const std::size_t destAt = sourceAt + (stretch ? 8 : 4);
        QRectF source = stretch ? SizedBoxAt(r, sourceAt) : SizedBoxAt(r, destAt);
        source.moveTopLeft(stretch ? ReversedPointAt(r, sourceAt + 4)
                                   : ReversedPointAt(r, sourceAt));
        const RecordBytes dib = r.Sub(destAt + 8, r.Size());
        dc_.CopyBitmap(SizedBoxAt(r, destAt), DecodeOpaqueDib(dib), source);
    }

    void StretchDib(const RecordBytes& r) {
        if (((r.U32(kParams) >> 16) & 0xFF) != kRopSourceCopy) {
            return;
        }
        const RecordBytes dib = r.Sub(kParams + 22, r.Size());
        const QImage bitmap = DecodeOpaqueDib(dib);
        const QRectF source = SizedBoxAt(r, kParams + 6);
        dc_.CopyBitmap(SizedBoxAt(r, kParams + 14), bitmap, SourceInDibRows(dib, bitmap, source));
    }

    void Record(std::uint16_t function, const RecordBytes& r) {
        switch (function) {
        case kSaveDc:
            dc_.Save();
            break;
        case kRestoreDc:
            dc_.Restore(r.I16(kParams));
            break;
        case kSetBkMode:
            dc_.SetBackgroundMode(r.U16(kParams));
            break;
        case kSetPolyFillMode:
            dc_.SetPolyFillMode(r.U16(kParams));
            break;
        case kSetTextAlign:
            dc_.SetTextAlign(r.U16(kParams));
            break;
        case kSetBkColor:
            dc_.SetBackgroundColour(ColourFromRef(r.U32(kParams)));
            break;
        case kSetTextColor:
            dc_.SetTextColour(ColourFromRef(r.U32(kParams)));
            break;
        case kSetWindowOrg:
            dc_.SetWindowOrg(ReversedPointAt(r, kParams));
            break;
        case kSetWindowExt: {
            const QPointF extent = ReversedPointAt(r, kParams);
            dc_.SetWindowExt(QSizeF(extent.x(), extent.y()));
            break;
        }
        case kMoveTo:
            dc_.MoveTo(ReversedPointAt(r, kParams));
            break;
        case kLineTo:
            dc_.LineTo(ReversedPointAt(r, kParams));
            break;
        case kSelectObject:
            if (std::size_t index = r.U16(kParams); index < objects_.size() && objects_[index]) {
                dc_.Select(*objects_[index]);
            }
            break;
        case kDeleteObject:
            if (std::size_t index = r.U16(kParams); index < objects_.size() && objects_[index]) {
                objects_[index].reset();
                freeSlots_.insert(index);
            }
            break;
        case kCreatePenIndirect:
            Create(GdiPen{r.U16(kParams), static_cast<double>(r.I16(kParams + 2)),
                          ColourFromRef(r.U32(kParams + 6))});
            break;
        case kCreateBrushIndirect:
            Create(BrushAt(r));
            break;
        case kCreateFontIndirect:
            Create(FontAt(r));
            break;
        case kCreatePalette:
        case kDibCreatePatternBrush:
        case kCreatePatternBrush:
        case kCreateRegion:
            Create(GdiPlaceholder{});
            break;
        case kPolygon: {
            const std::vector<std::vector<QPointF>> polygon{Points(r, r.U16(kParams), kParams + 2)};
            dc_.Polygons(polygon);
            break;
        }
        case kPolyline:
            dc_.Polyline(Points(r, r.U16(kParams), kParams + 2));
            break;
        case kPolyPolygon:
            dc_.Polygons(PolyPolygon(r));
            break;
        case kExcludeClipRect:
            dc_.ExcludeClip(ReversedBoxAt(r, kParams));
            break;
        case kIntersectClipRect:
            dc_.IntersectClip(ReversedBoxAt(r, kParams));
            break;
        case kEllipse:
            dc_.Ellipse(ReversedBoxAt(r, kParams));
            break;
        case kRectangle:
            dc_.Rectangle(ReversedBoxAt(r, kParams));
            break;
        case kRoundRect: {
            const QPointF corner = ReversedPointAt(r, kParams);
            dc_.RoundRect(ReversedBoxAt(r, kParams + 4), QSizeF(corner.x(), corner.y()));
            break;
        }
        case kSetPixel:
            dc_.SetPixel(ReversedPointAt(r, kParams + 4), ColourFromRef(r.U32(kParams)));
            break;
        case kArc:
        case kPie:
        case kChord: {
            const GdiContext::ArcKind kind = function == kArc   ? GdiContext::ArcKind::Arc
                                             : function == kPie ? GdiContext::ArcKind::Pie
                                                                : GdiContext::ArcKind::Chord;
            dc_.Arc(kind, ReversedBoxAt(r, kParams + 8), ReversedPointAt(r, kParams + 4),
                    ReversedPointAt(r, kParams));
            break;
        }
        case kTextOut:
            TextOut(r);
            break;
        case kPatBlt:
            dc_.FillByRop(SizedBoxAt(r, kParams + 4), r.U32(kParams));
            break;
        case kDibBitBlt:
        case kDibStretchBlt:
            BitmapCopy(r, function == kDibStretchBlt);
            break;
        case kStretchDib:
            StretchDib(r);
            break;
        case kExtTextOut:
            ExtTextOut(r);
            break;
        default:
            break;
        }
    }

    RecordBytes records_;
    GdiContext& dc_;
    std::vector<std::optional<GdiObject>> objects_;
    std::set<std::size_t> freeSlots_;
};

} // namespace

// The window (the bounding box of the placeable header until the records
// set their own) is mapped onto the whole target. The records' own mapping
// mode and viewport are not used: the target decides where the drawing goes.
void PlayWindowsMetafile(RecordBytes records, const MetafileLayout& layout, QPainter& painter) {
    if (layout.width <= 0 || layout.height <= 0) {
        return;
    }
    GdiContext dc(painter, QSize(layout.width, layout.height), QTransform(), QPointF());
    dc.SetMapMode(8);
    dc.SetWindowOrg(layout.frame.topLeft());
    dc.SetWindowExt(layout.frame.size());
    dc.SetViewportExt(QSizeF(layout.width, layout.height));
    WindowsPlayer(records, dc).Play();
}

} // namespace quorvel
