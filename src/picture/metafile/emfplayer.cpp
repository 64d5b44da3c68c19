#include "picture/metafile/emfplayer.h"

#include "picture/bmp/dibimage.h"
#include "picture/metafile/commonrecords.h"
#include "picture/metafile/emfrecords.h"

#include <optional>
#include <vector>

namespace quorvel {

namespace {

using namespace emf;

constexpr FieldWidth kLong = FieldWidth::Long;
constexpr FieldWidth kShort = FieldWidth::Word;

QPointF PointAt(const RecordBytes& r, std::size_t at) {
    return ReadPoint(r, at, kLong);
}

QSizeF SizeAt(const RecordBytes& r, std::size_t at) {
    return QSizeF(r.I32(at), r.I32(at + 4));
}

QRectF BoxAt(const RecordBytes& r, std::size_t at) {
    return QRectF(PointAt(r, at), PointAt(r, at + 8));
}

QTransform TransformAt(const RecordBytes& r, std::size_t at) {
    return QTransform(r.F32(at), r.F32(at + 4), r.F32(at + 8), r.F32(at + 12), r.F32(at + 16),
                      r.F32(at + 20));
}

// Where enhanced records keep their fields, for the records both forms have.
struct EmfForm {
    static constexpr std::size_t kField = OneField::kField;
    static std::uint32_t Value(const RecordBytes& r) { return r.U32(kField); }
    static std::int32_t SignedValue(const RecordBytes& r) { return r.I32(kField); }
    static QPointF Point(const RecordBytes& r, std::size_t at) { return PointAt(r, at); }
    static QSizeF Extent(const RecordBytes& r, std::size_t at) { return SizeAt(r, at); }
    static QRectF Box(const RecordBytes& r, std::size_t at) { return BoxAt(r, at); }
    using SetPixel = emf::SetPixel;
    using RoundRect = emf::RoundRect;
    using Arc = ArcRecord;

    static constexpr std::size_t kObject = CreateObject::kObject;
    static constexpr FieldWidth kWidth = kLong;
    static std::uint32_t CreatedSlot(const RecordBytes& r) { return r.U32(CreateObject::kSlot); }
};

using Common = CommonRecords<EmfForm>;

// The part of a record (a bitmap's info or rows) given by offset and size.
RecordBytes Part(const RecordBytes& r, std::size_t offsetAt, std::size_t sizeAt) {
    const std::size_t offset = r.U32(offsetAt);
    const std::size_t size = r.U32(sizeAt);
    return r.Has(offset, size) ? r.Sub(offset, size) : RecordBytes();
}

// Lines, curves and shapes.

template <FieldWidth W> std::vector<QPointF> PolyPoints(const RecordBytes& r) {
    return ReadPoints(r, Poly::kPoints, r.U32(Poly::kCount), W);
}

template <FieldWidth W> std::vector<std::vector<QPointF>> PolyFigures(const RecordBytes& r) {
    const std::size_t figures = r.U32(PolyPoly::kFigureCount);
    const std::size_t total = r.U32(PolyPoly::kPointCount);
    const std::size_t each = 2 * static_cast<std::size_t>(W);
    const std::size_t countsSize = figures * PolyPoly::kCountSize;
    if (figures > r.Size() / PolyPoly::kCountSize || total > r.Size() / each ||
        !r.Has(PolyPoly::kCounts, countsSize) ||
        !r.Has(PolyPoly::kCounts + countsSize, total * each)) {
        return {};
    }
    return ReadFigures(r, PolyPoly::kCounts, figures, kLong, W, total);
}

template <FieldWidth W> void PolyBezier(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.PolyBezier(PolyPoints<W>(r));
}

template <FieldWidth W> void Polygon(MetafilePlayback& p, const RecordBytes& r) {
    const std::vector<std::vector<QPointF>> polygon{PolyPoints<W>(r)};
    p.dc.Polygons(polygon);
}

template <FieldWidth W> void Polyline(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.Polyline(PolyPoints<W>(r));
}

template <FieldWidth W> void PolyBezierTo(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.PolyBezierTo(PolyPoints<W>(r));
}

template <FieldWidth W> void PolylineTo(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.PolylineTo(PolyPoints<W>(r));
}

template <FieldWidth W> void PolyPolyline(MetafilePlayback& p, const RecordBytes& r) {
    for (const std::vector<QPointF>& figure : PolyFigures<W>(r)) {
        p.dc.Polyline(figure);
    }
}

template <FieldWidth W> void PolyPolygon(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.Polygons(PolyFigures<W>(r));
}

// Mapping and settings.

void SetViewportExtEx(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.Mapping().SetViewportExt(EmfForm::Extent(r, EmfForm::kField));
}

void SetViewportOrgEx(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.Mapping().SetViewportOrg(EmfForm::Point(r, EmfForm::kField));
}

void SetMapMode(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.Mapping().SetMapMode(EmfForm::Value(r));
}

void SetWorldTransform(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.Mapping().SetWorldTransform(TransformAt(r, WorldTransform::kTransform));
}

void ModifyWorldTransform(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.Mapping().ModifyWorldTransform(TransformAt(r, WorldTransform::kTransform),
                                        r.U32(WorldTransform::kMode));
}

void SetArcDirection(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.SetArcDirection(EmfForm::Value(r));
}

// Objects.

void ExtCreatePen(MetafilePlayback& p, const RecordBytes& r) {
    using Fields = emf::ExtCreatePen;
    const std::uint32_t style = r.U32(Fields::kStyle);
    const bool geometric = (style & kPenTypeMask) == kPenGeometric;
    GdiPen pen{style, geometric ? static_cast<double>(r.U32(Fields::kWidth)) : 0.0,
               ReadColour(r, Fields::kColour)};
    if (r.U32(Fields::kBrushStyle) == kBrushNull) {
        pen.style = kPenNull;
    }
    p.objects.Create(pen, r.U32(Fields::kSlot));
}

// Paths and clipping.

void BeginPath(MetafilePlayback& p, const RecordBytes&) {
    p.dc.Path().Begin();
}

void EndPath(MetafilePlayback& p, const RecordBytes&) {
    p.dc.Path().End();
}

void AbortPath(MetafilePlayback& p, const RecordBytes&) {
    p.dc.Path().Abort();
}

void CloseFigure(MetafilePlayback& p, const RecordBytes&) {
    p.dc.Path().CloseFigure();
}

void FillPath(MetafilePlayback& p, const RecordBytes&) {
    p.dc.FillPath();
}

void StrokePath(MetafilePlayback& p, const RecordBytes&) {
    p.dc.StrokePath();
}

void StrokeAndFillPath(MetafilePlayback& p, const RecordBytes&) {
    p.dc.StrokeAndFillPath();
}

void SelectClipPath(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.SelectClipPath(EmfForm::Value(r));
}

// The rectangles of the region a record carries, in device units; none when
// the region does not fit its record.
std::optional<std::vector<QRectF>> RegionRects(const RecordBytes& r) {
    const std::size_t size = r.U32(emf::ExtSelectClipRgn::kRegionSize);
    const RecordBytes data = r.Sub(emf::ExtSelectClipRgn::kRegion, size);
    const std::size_t headerSize = data.U32(RegionData::kHeaderSize);
    const std::size_t count = data.U32(RegionData::kCount);
    if (!r.Has(emf::ExtSelectClipRgn::kRegion, size) || headerSize < RegionData::kMinimumHeader ||
        count > data.Size() / RegionData::kRectSize ||
        !data.Has(headerSize, count * RegionData::kRectSize)) {
        return std::nullopt;
    }
    std::vector<QRectF> rects;
    for (std::size_t i = 0; i < count; ++i) {
        rects.push_back(BoxAt(data, headerSize + i * RegionData::kRectSize));
    }
    return rects;
}

// A region size of 0 means no region.
void ExtSelectClipRgn(MetafilePlayback& p, const RecordBytes& r) {
    const std::uint32_t mode = r.U32(emf::ExtSelectClipRgn::kMode);
    if (r.U32(emf::ExtSelectClipRgn::kRegionSize) == 0) {
        p.dc.SelectClipRegion(std::nullopt, mode);
    } else if (const std::optional<std::vector<QRectF>> rects = RegionRects(r)) {
        p.dc.SelectClipRegion(rects, mode);
    }
}

// Bitmaps and text.

// Without a bitmap the record fills by its raster operation.
template <bool Stretch> void BitBlt(MetafilePlayback& p, const RecordBytes& r) {
    using Fields = emf::BitBlt;
    const QRectF dest(PointAt(r, Fields::kDest), SizeAt(r, Fields::kDestExtent));
    const std::uint32_t rop = r.U32(Fields::kRop);
    if (r.U32(Fields::kInfoSize) == 0) {
        p.dc.FillByRop(dest, rop);
        return;
    }
    if (!IsSourceCopy(rop)) {
        return;
    }
    const QSizeF sourceSize = Stretch ? SizeAt(r, Fields::kSourceExtent) : dest.size();
    const QImage bitmap = DecodeOpaqueDib(Part(r, Fields::kInfoOffset, Fields::kInfoSize),
                                          Part(r, Fields::kBitsOffset, Fields::kBitsSize));
    p.dc.CopyBitmap(dest, bitmap, QRectF(PointAt(r, Fields::kSource), sourceSize));
}

void StretchDiBits(MetafilePlayback& p, const RecordBytes& r) {
    using Fields = emf::StretchDiBits;
    if (!IsSourceCopy(r.U32(Fields::kRop))) {
        return;
    }
    const RecordBytes info = Part(r, Fields::kInfoOffset, Fields::kInfoSize);
    const QImage bitmap = DecodeOpaqueDib(info, Part(r, Fields::kBitsOffset, Fields::kBitsSize));
    const QRectF source(PointAt(r, Fields::kSource), SizeAt(r, Fields::kSourceExtent));
    p.dc.CopyBitmap(QRectF(PointAt(r, Fields::kDest), SizeAt(r, Fields::kDestExtent)), bitmap,
                    SourceInDibRows(info, bitmap, source));
}

// UTF-16 units, or bytes in the selected font's character set.
template <bool Wide>
QString TextAt(const RecordBytes& r, std::size_t at, std::size_t count, std::uint8_t charset) {
    if (!Wide) {
        return DecodeAnsi(r.Span().subspan(at, count), charset);
    }
    QString text;
    for (std::size_t i = 0; i < count; ++i) {
        text.append(QChar(r.U16(at + 2 * i)));
    }
    return text;
}

// Advances are given per character of the record; for the narrow form they
// only hold when each byte became one character.
template <bool Wide> void ExtTextOut(MetafilePlayback& p, const RecordBytes& r) {
    using Fields = emf::ExtTextOut;
    const std::size_t count = r.U32(Fields::kCount);
    const std::size_t stringAt = r.U32(Fields::kStringOffset);
    if (count > r.Size() || !r.Has(stringAt, count * (Wide ? 2 : 1))) {
        return;
    }
    GdiTextRun run;
    run.reference = PointAt(r, Fields::kReference);
    run.options = r.U32(Fields::kOptions);
    run.rect = BoxAt(r, Fields::kRect);
    run.text = TextAt<Wide>(r, stringAt, count, p.dc.Tools().Font().charset);
    const std::size_t advancesAt = r.U32(Fields::kAdvancesOffset);
    const std::size_t stride =
        (run.options & kTextPdy) != 0 ? Fields::kAdvancePairSize : Fields::kAdvanceSize;
    if (advancesAt != 0 && static_cast<std::size_t>(run.text.size()) == count) {
        run.advances = ReadAdvances(r, advancesAt, count, stride, kLong);
    }
    p.dc.TextOut(run);
}

constexpr RecordHandler kHandlers[] = {
    {kPolyBezier, Poly::kMinimumSize, PolyBezier<kLong>},
    {kPolyBezier16, Poly::kMinimumSize, PolyBezier<kShort>},
    {kPolygon, Poly::kMinimumSize, Polygon<kLong>},
    {kPolygon16, Poly::kMinimumSize, Polygon<kShort>},
    {kPolyline, Poly::kMinimumSize, Polyline<kLong>},
    {kPolyline16, Poly::kMinimumSize, Polyline<kShort>},
    {kPolyBezierTo, Poly::kMinimumSize, PolyBezierTo<kLong>},
    {kPolyBezierTo16, Poly::kMinimumSize, PolyBezierTo<kShort>},
    {kPolylineTo, Poly::kMinimumSize, PolylineTo<kLong>},
    {kPolylineTo16, Poly::kMinimumSize, PolylineTo<kShort>},
    {kPolyPolyline, PolyPoly::kMinimumSize, PolyPolyline<kLong>},
    {kPolyPolyline16, PolyPoly::kMinimumSize, PolyPolyline<kShort>},
    {kPolyPolygon, PolyPoly::kMinimumSize, PolyPolygon<kLong>},
    {kPolyPolygon16, PolyPoly::kMinimumSize, PolyPolygon<kShort>},
    {kSetPixelV, emf::SetPixel::kMinimumSize, Common::SetPixel},
    {kMoveToEx, OneField::kWithPoint, Common::MoveTo},
    {kLineTo, OneField::kWithPoint, Common::LineTo},
    {kEllipse, OneField::kWithBox, Common::Ellipse},
    {kRectangle, OneField::kWithBox, Common::Rectangle},
    {kRoundRect, emf::RoundRect::kMinimumSize, Common::RoundRect},
    {kArc, ArcRecord::kMinimumSize, Common::Arc<ArcKind::Arc>},
    {kChord, ArcRecord::kMinimumSize, Common::Arc<ArcKind::Chord>},
    {kPie, ArcRecord::kMinimumSize, Common::Arc<ArcKind::Pie>},
    {kArcTo, ArcRecord::kMinimumSize, Common::Arc<ArcKind::ArcTo>},
    {kSetWindowExtEx, OneField::kWithPoint, Common::SetWindowExt},
    {kSetWindowOrgEx, OneField::kWithPoint, Common::SetWindowOrg},
    {kSetViewportExtEx, OneField::kWithPoint, SetViewportExtEx},
    {kSetViewportOrgEx, OneField::kWithPoint, SetViewportOrgEx},
    {kSetMapMode, OneField::kWithValue, SetMapMode},
    {kSetWorldTransform, WorldTransform::kSetSize, SetWorldTransform},
    {kModifyWorldTransform, WorldTransform::kModifySize, ModifyWorldTransform},
    {kSetBkMode, OneField::kWithValue, Common::SetBkMode},
    {kSetBkColor, OneField::kWithValue, Common::SetBkColor},
    {kSetPolyFillMode, OneField::kWithValue, Common::SetPolyFillMode},
    {kSetTextAlign, OneField::kWithValue, Common::SetTextAlign},
    {kSetTextColor, OneField::kWithValue, Common::SetTextColor},
    {kSetArcDirection, OneField::kWithValue, SetArcDirection},
    {kSaveDc, Record::kMinimumSize, Common::SaveDc},
    {kRestoreDc, OneField::kWithValue, Common::RestoreDc},
    {kSelectObject, OneField::kWithValue, Common::SelectObject},
    {kDeleteObject, OneField::kWithValue, Common::DeleteObject},
    {kCreatePen, CreateObject::kPenSize, Common::CreatePen},
    {kExtCreatePen, emf::ExtCreatePen::kMinimumSize, ExtCreatePen},
    {kCreateBrushIndirect, CreateObject::kBrushSize, Common::CreateBrush},
    {kExtCreateFontIndirectW, CreateObject::kFontSize, Common::CreateFont},
    {kCreatePalette, CreateObject::kSlotOnlySize, Common::CreatePlaceholder},
    {kCreateMonoBrush, CreateObject::kSlotOnlySize, Common::CreatePlaceholder},
    {kCreateDibPatternBrushPt, CreateObject::kSlotOnlySize, Common::CreatePlaceholder},
    {kBeginPath, Record::kMinimumSize, BeginPath},
    {kEndPath, Record::kMinimumSize, EndPath},
    {kAbortPath, Record::kMinimumSize, AbortPath},
    {kCloseFigure, Record::kMinimumSize, CloseFigure},
    {kFillPath, Record::kMinimumSize, FillPath},
    {kStrokePath, Record::kMinimumSize, StrokePath},
    {kStrokeAndFillPath, Record::kMinimumSize, StrokeAndFillPath},
    {kSelectClipPath, OneField::kWithValue, SelectClipPath},
    {kExcludeClipRect, OneField::kWithBox, Common::ExcludeClipRect},
    {kIntersectClipRect, OneField::kWithBox, Common::IntersectClipRect},
    {kExtSelectClipRgn, emf::ExtSelectClipRgn::kMinimumSize, ExtSelectClipRgn},
    {kBitBlt, emf::BitBlt::kMinimumSize, BitBlt<false>},
    {kStretchBlt, emf::BitBlt::kStretchMinimumSize, BitBlt<true>},
    {kStretchDiBits, emf::StretchDiBits::kMinimumSize, StretchDiBits},
    {kExtTextOutA, emf::ExtTextOut::kMinimumSize, ExtTextOut<false>},
    {kExtTextOutW, emf::ExtTextOut::kMinimumSize, ExtTextOut<true>},
};

// The records after the header, up to the end-of-file record or the first
// that does not fit.
void PlayRecords(const RecordBytes& metafile, MetafilePlayback& playback) {
    std::size_t at = metafile.U32(Record::kSize);
    while (metafile.Has(at, Record::kMinimumSize)) {
        const std::uint32_t type = metafile.U32(at + Record::kType);
        const std::uint32_t size = metafile.U32(at + Record::kSize);
        if (type == kEof || size < Record::kMinimumSize || !metafile.Has(at, size)) {
            return;
        }
        PlayRecord(kHandlers, type, playback, metafile.Sub(at, size));
        at += size;
    }
}

} // namespace

std::span<const RecordHandler> EnhancedRecordHandlers() {
    return kHandlers;
}

PlaybackTally PlayEnhancedMetafile(RecordBytes metafile, const MetafileLayout& layout,
                                   QPainter& painter) {
    const QRectF frame = layout.frame;
    if (layout.width <= 0 || layout.height <= 0 || frame.width() <= 0 || frame.height() <= 0) {
        return {};
    }
    // The frame, in the reference device's pixels, fills the target.
    const double sx = layout.width / frame.width();
    const double sy = layout.height / frame.height();
    const QTransform deviceToTarget(sx, 0, 0, sy, -frame.left() * sx, -frame.top() * sy);
    GdiContext dc(painter, QSize(layout.width, layout.height), deviceToTarget,
                  QPointF(layout.pixelsPerMmX, layout.pixelsPerMmY));
    MetafilePlayback playback{
        dc, GdiObjectTable(metafile.U16(Header::kHandles), GdiObjectTable::SlotRule::Numbered), {}};
    PlayRecords(metafile, playback);
    return playback.tally;
}

} // namespace quorvel
