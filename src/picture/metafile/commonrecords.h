#pragma once

#include "picture/metafile/gdicodes.h"
#include "picture/metafile/gdireaders.h"
#include "picture/metafile/metafileplayback.h"

namespace quorvel {

// The handlers of the records both forms have, which differ only in where
// and how the form stores their fields. `Form` gives:
//   kField: where the field of a record of one field lies;
//   Value(r), SignedValue(r): that field as a number (a setting, a slot, a
//     save level); colours are 32 bits in both forms;
//   Point(r, at), Extent(r, at), Box(r, at): coordinates;
//   SetPixel, RoundRect, Arc: those records' field offsets;
//   kObject, kWidth, CreatedSlot(r): where a created object lies, the width
//     of its fields, and the slot the record names (numbered slot rule).
template <typename Form> struct CommonRecords {
    static void SaveDc(MetafilePlayback& p, const RecordBytes&) { p.dc.Save(); }
    static void RestoreDc(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.Restore(Form::SignedValue(r));
    }

    static void SetBkMode(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.Tools().SetBackgroundMode(Form::Value(r));
    }
    static void SetBkColor(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.Tools().SetBackgroundColour(ReadColour(r, Form::kField));
    }
    static void SetPolyFillMode(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.Tools().SetPolyFillMode(Form::Value(r));
    }
    static void SetTextAlign(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.Text().SetAlign(Form::Value(r));
    }
    static void SetTextColor(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.Text().SetColour(ReadColour(r, Form::kField));
    }
    static void SetWindowOrg(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.Mapping().SetWindowOrg(Form::Point(r, Form::kField));
    }
    static void SetWindowExt(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.Mapping().SetWindowExt(Form::Extent(r, Form::kField));
    }

    static void MoveTo(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.MoveTo(Form::Point(r, Form::kField));
    }
    static void LineTo(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.LineTo(Form::Point(r, Form::kField));
    }
    static void Ellipse(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.Ellipse(Form::Box(r, Form::kField));
    }
    static void Rectangle(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.Rectangle(Form::Box(r, Form::kField));
    }
    static void RoundRect(MetafilePlayback& p, const RecordBytes& r) {
        using Fields = typename Form::RoundRect;
        p.dc.RoundRect(Form::Box(r, Fields::kBox), Form::Extent(r, Fields::kCorner));
    }
    template <ArcKind K> static void Arc(MetafilePlayback& p, const RecordBytes& r) {
        using Fields = typename Form::Arc;
        p.dc.Arc(K, Form::Box(r, Fields::kBox), Form::Point(r, Fields::kStart),
                 Form::Point(r, Fields::kEnd));
    }
    static void SetPixel(MetafilePlayback& p, const RecordBytes& r) {
        using Fields = typename Form::SetPixel;
        p.dc.SetPixel(Form::Point(r, Fields::kPoint), ReadColour(r, Fields::kColour));
    }

    static void ExcludeClipRect(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.ExcludeClip(Form::Box(r, Form::kField));
    }
    static void IntersectClipRect(MetafilePlayback& p, const RecordBytes& r) {
        p.dc.IntersectClip(Form::Box(r, Form::kField));
    }

    // Only enhanced metafiles name stock objects: a Windows record's 16-bit
    // slot never has the flag.
    static void SelectObject(MetafilePlayback& p, const RecordBytes& r) {
        const std::uint32_t slot = Form::Value(r);
        if ((slot & kStockObjectFlag) != 0) {
            p.dc.Tools().Select(StockObject(slot & ~kStockObjectFlag));
        } else if (const GdiObject* object = p.objects.Find(slot)) {
            p.dc.Tools().Select(*object);
        }
    }
    static void DeleteObject(MetafilePlayback& p, const RecordBytes& r) {
        p.objects.Delete(Form::Value(r));
    }
    static void CreatePen(MetafilePlayback& p, const RecordBytes& r) {
        p.objects.Create(ReadLogPen(r, Form::kObject, Form::kWidth), Form::CreatedSlot(r));
    }
    static void CreateBrush(MetafilePlayback& p, const RecordBytes& r) {
        p.objects.Create(ReadLogBrush(r, Form::kObject, Form::kWidth), Form::CreatedSlot(r));
    }
    static void CreateFont(MetafilePlayback& p, const RecordBytes& r) {
        p.objects.Create(ReadLogFont(r, Form::kObject, Form::kWidth), Form::CreatedSlot(r));
    }
    // Palettes, regions and pattern brushes take a slot and draw nothing.
    static void CreatePlaceholder(MetafilePlayback& p, const RecordBytes& r) {
        p.objects.Create(GdiPlaceholder{}, Form::CreatedSlot(r));
    }
};

} // namespace quorvel
