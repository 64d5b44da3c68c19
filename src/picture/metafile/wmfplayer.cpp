#include "picture/metafile/wmfplayer.h"

#include "picture/bmp/dibimage.h"
#include "picture/metafile/commonrecords.h"
#include "picture/metafile/wmfrecords.h"

#include <optional>
#include <type_traits>
#include <vector>

namespace quorvel {

namespace {

using namespace wmf;

constexpr FieldWidth kWord = FieldWidth::Word;

// A point stored y before x.
QPointF ReversedPointAt(const RecordBytes& r, std::size_t at) {
    return QPointF(r.I16(at + 2), r.I16(at));
}

QSizeF ReversedSizeAt(const RecordBytes& r, std::size_t at) {
    return QSizeF(r.I16(at + 2), r.I16(at));
}

// A box stored bottom, right, top, left.
QRectF ReversedBoxAt(const RecordBytes& r, std::size_t at) {
    return QRectF(ReversedPointAt(r, at + 4), ReversedPointAt(r, at));
}

// A box stored left, top, right, bottom.
QRectF BoxAt(const RecordBytes& r, std::size_t at) {
    return QRectF(ReadPoint(r, at, kWord), ReadPoint(r, at + 4, kWord));
}

// A box stored height, width, y, x.
QRectF SizedBoxAt(const RecordBytes& r, std::size_t at) {
    return QRectF(ReversedPointAt(r, at + 4), ReversedSizeAt(r, at));
}

// Where Windows records keep their fields, for the records both forms have.
struct WmfForm {
    static constexpr std::size_t kField = OneField::kField;
    static std::uint32_t Value(const RecordBytes& r) { return r.U16(kField); }
    static std::int32_t SignedValue(const RecordBytes& r) { return r.I16(kField); }
    static QPointF Point(const RecordBytes& r, std::size_t at) { return ReversedPointAt(r, at); }
    static QSizeF Extent(const RecordBytes& r, std::size_t at) { return ReversedSizeAt(r, at); }
    static QRectF Box(const RecordBytes& r, std::size_t at) { return ReversedBoxAt(r, at); }
    using SetPixel = wmf::SetPixel;
    using RoundRect = wmf::RoundRect;
    using Arc = ArcRecord;

    static constexpr std::size_t kObject = kField;
    static constexpr FieldWidth kWidth = kWord;
    // The records name no slot: the table takes the lowest free one.
    static std::uint32_t CreatedSlot(const RecordBytes&) { return 0; }
};

using Common = CommonRecords<WmfForm>;

// Lines and shapes.

void Polygon(MetafilePlayback& p, const RecordBytes& r) {
    const std::vector<std::vector<QPointF>> polygon{
        ReadPoints(r, Poly::kPoints, r.U16(Poly::kCount), kWord)};
    p.dc.Polygons(polygon);
}

void Polyline(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.Polyline(ReadPoints(r, Poly::kPoints, r.U16(Poly::kCount), kWord));
}

void PolyPolygon(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.Polygons(ReadFigures(r, wmf::PolyPolygon::kCounts, r.U16(wmf::PolyPolygon::kFigureCount),
                              kWord, kWord));
}

// Bitmaps and text.

void PatBlt(MetafilePlayback& p, const RecordBytes& r) {
    p.dc.FillByRop(SizedBoxAt(r, wmf::PatBlt::kDest), r.U32(wmf::PatBlt::kRop));
}

// A copy of a bitmap at its size or stretched; without a bitmap, a fill by
// the raster operation.
template <bool Stretch> void DibBitBlt(MetafilePlayback& p, const RecordBytes& r) {
    using Fields = std::conditional_t<Stretch, wmf::DibStretchBlt, wmf::DibBitBlt>;
    const std::uint32_t rop = r.U32(Fields::kRop);
    if (r.Size() == Fields::kSizeWithoutBitmap) {
        p.dc.FillByRop(SizedBoxAt(r, Fields::kDestWithoutBitmap), rop);
        return;
    }
    if (!IsSourceCopy(rop)) {
        return;
    }
    const QRectF dest = SizedBoxAt(r, Fields::kDest);
    const QRectF source = Stretch ? SizedBoxAt(r, Fields::kSource)
                                  : QRectF(ReversedPointAt(r, Fields::kSource), dest.size());
    p.dc.CopyBitmap(dest, DecodeOpaqueDib(r.Sub(Fields::kBitmap, r.Size())), source);
}

void StretchDib(MetafilePlayback& p, const RecordBytes& r) {
    using Fields = wmf::StretchDib;
    if (!IsSourceCopy(r.U32(Fields::kRop))) {
        return;
    }
    const RecordBytes dib = r.Sub(Fields::kBitmap, r.Size());
    const QImage bitmap = DecodeOpaqueDib(dib);
    p.dc.CopyBitmap(SizedBoxAt(r, Fields::kDest), bitmap,
                    SourceInDibRows(dib, bitmap, SizedBoxAt(r, Fields::kSource)));
}

// Strings are bytes in the selected font's character set, padded to an even
// length.
std::size_t EvenLength(std::size_t count) {
    return count + count % 2;
}

void TextOut(MetafilePlayback& p, const RecordBytes& r) {
    using Fields = wmf::TextOut;
    const std::size_t count = r.U16(Fields::kCount);
    const std::size_t pointAt = Fields::kString + EvenLength(count);
    if (!r.Has(pointAt, Fields::kPointSize)) {
        return;
    }
    GdiTextRun run;
    run.reference = ReversedPointAt(r, pointAt);
    run.text = DecodeAnsi(r.Span().subspan(Fields::kString, count), p.dc.Tools().Font().charset);
    p.dc.TextOut(run);
}

// Advances, one per byte of the string, only hold when each byte became one
// character.
void ExtTextOut(MetafilePlayback& p, const RecordBytes& r) {
    using Fields = wmf::ExtTextOut;
    GdiTextRun run;
    run.reference = ReversedPointAt(r, Fields::kReference);
    run.options = r.U16(Fields::kOptions);
    std::size_t stringAt = Fields::kRect;
    if ((run.options & (kTextOpaque | kTextClipped)) != 0) {
        run.rect = BoxAt(r, Fields::kRect);
        stringAt += Fields::kRectSize;
    }
    const std::size_t count = r.U16(Fields::kCount);
    if (!r.Has(stringAt, count)) {
        return;
    }
    run.text = DecodeAnsi(r.Span().subspan(stringAt, count), p.dc.Tools().Font().charset);
    if (static_cast<std::size_t>(run.text.size()) == count) {
        run.advances =
            ReadAdvances(r, stringAt + EvenLength(count), count, Fields::kAdvanceSize, kWord);
    }
    p.dc.TextOut(run);
}

constexpr RecordHandler kHandlers[] = {
    {kPolygon, Poly::kMinimumSize, Polygon},
    {kPolyline, Poly::kMinimumSize, Polyline},
    {kPolyPolygon, wmf::PolyPolygon::kMinimumSize, PolyPolygon},
    {kMoveTo, OneField::kWithPoint, Common::MoveTo},
    {kLineTo, OneField::kWithPoint, Common::LineTo},
    {kEllipse, OneField::kWithBox, Common::Ellipse},
    {kRectangle, OneField::kWithBox, Common::Rectangle},
    {kRoundRect, wmf::RoundRect::kMinimumSize, Common::RoundRect},
    {kSetPixel, wmf::SetPixel::kMinimumSize, Common::SetPixel},
    {kArc, ArcRecord::kMinimumSize, Common::Arc<ArcKind::Arc>},
    {kPie, ArcRecord::kMinimumSize, Common::Arc<ArcKind::Pie>},
    {kChord, ArcRecord::kMinimumSize, Common::Arc<ArcKind::Chord>},
    {kSetWindowOrg, OneField::kWithPoint, Common::SetWindowOrg},
    {kSetWindowExt, OneField::kWithPoint, Common::SetWindowExt},
    {kSetBkMode, OneField::kWithValue, Common::SetBkMode},
    {kSetBkColor, OneField::kWithColour, Common::SetBkColor},
    {kSetPolyFillMode, OneField::kWithValue, Common::SetPolyFillMode},
    {kSetTextAlign, OneField::kWithValue, Common::SetTextAlign},
    {kSetTextColor, OneField::kWithColour, Common::SetTextColor},
    {kSaveDc, Record::kParams, Common::SaveDc},
    {kRestoreDc, OneField::kWithValue, Common::RestoreDc},
    {kSelectObject, OneField::kWithValue, Common::SelectObject},
    {kDeleteObject, OneField::kWithValue, Common::DeleteObject},
    {kCreatePenIndirect, OneField::kWithPen, Common::CreatePen},
    {kCreateBrushIndirect, OneField::kWithBrush, Common::CreateBrush},
    {kCreateFontIndirect, OneField::kWithFont, Common::CreateFont},
    {kCreatePalette, Record::kParams, Common::CreatePlaceholder},
    {kDibCreatePatternBrush, Record::kParams, Common::CreatePlaceholder},
    {kCreatePatternBrush, Record::kParams, Common::CreatePlaceholder},
    {kCreateRegion, Record::kParams, Common::CreatePlaceholder},
    {kExcludeClipRect, OneField::kWithBox, Common::ExcludeClipRect},
    {kIntersectClipRect, OneField::kWithBox, Common::IntersectClipRect},
    {kPatBlt, wmf::PatBlt::kMinimumSize, PatBlt},
    {kDibBitBlt, wmf::DibBitBlt::kMinimumSize, DibBitBlt<false>},
    {kDibStretchBlt, wmf::DibStretchBlt::kMinimumSize, DibBitBlt<true>},
    {kStretchDib, wmf::StretchDib::kMinimumSize, StretchDib},
    {kTextOut, wmf::TextOut::kMinimumSize, TextOut},
    {kExtTextOut, wmf::ExtTextOut::kMinimumSize, ExtTextOut},
};

// The records after the header, up to the end-of-file record or the first
// that does not fit.
void PlayRecords(const RecordBytes& records, MetafilePlayback& playback) {
    std::size_t at = records.U16(Header::kHeaderWords) * std::size_t{2};
    while (records.Has(at, Record::kParams)) {
        const std::uint64_t size = std::uint64_t{records.U32(at + Record::kSizeWords)} * 2;
        const std::uint16_t function = records.U16(at + Record::kFunction);
        if (function == kEof || size < Record::kParams || !records.Has(at, size)) {
            return;
        }
        PlayRecord(kHandlers, function, playback, records.Sub(at, size));
        at += size;
    }
}

} // namespace

// The window (the bounding box of the placeable header until the records
// set their own) is mapped onto the whole target. The records' own mapping
// mode and viewport are not used: the target decides where the drawing goes.
PlaybackTally PlayWindowsMetafile(RecordBytes records, const MetafileLayout& layout,
                                  QPainter& painter) {
    if (layout.width <= 0 || layout.height <= 0) {
        return {};
    }
    GdiContext dc(painter, QSize(layout.width, layout.height), QTransform(), QPointF());
    dc.Mapping().SetMapMode(kMapAnisotropic);
    dc.Mapping().SetWindowOrg(layout.frame.topLeft());
    dc.Mapping().SetWindowExt(layout.frame.size());
    dc.Mapping().SetViewportExt(QSizeF(layout.width, layout.height));
    MetafilePlayback playback{
        dc,
        GdiObjectTable(records.U16(Header::kObjects), GdiObjectTable::SlotRule::LowestFree),
        {}};
    PlayRecords(records, playback);
    return playback.tally;
}

std::span<const RecordHandler> WindowsRecordHandlers() {
    return kHandlers;
}

} // namespace quorvel
