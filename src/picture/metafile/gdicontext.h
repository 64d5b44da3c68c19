#pragma once

#include "picture/metafile/gdiclip.h"
#include "picture/metafile/gdidrawingtools.h"
#include "picture/metafile/gdimapping.h"
#include "picture/metafile/gdipath.h"
#include "picture/metafile/gdishapes.h"
#include "picture/metafile/gditext.h"

#include <QPainter>
#include <QTransform>
#include <optional>
#include <span>
#include <vector>

namespace quorvel {

// The device context a metafile plays into: its mapping, drawing tools, text
// settings, clip and path bracket, with the current position, saved and
// restored together, and the drawing that needs several of them. The
// players turn records into these calls; every argument is already bounded
// by the record that carried it.
class GdiContext {
public:
    // deviceToTarget and pixelsPerMm as GdiMapping takes them; target is the
    // image's size.
    GdiContext(QPainter& painter, QSize target, const QTransform& deviceToTarget,
               QPointF pixelsPerMm);

    GdiMapping& Mapping() { return state_.mapping; }
    GdiDrawingTools& Tools() { return state_.tools; }
    GdiText& Text() { return state_.text; }
    GdiPath& Path() { return state_.path; }
    void SetArcDirection(std::uint32_t direction);

    void Save();
    // Negative: that many levels back; positive: the level of that number.
    void Restore(std::int32_t which);

    void MoveTo(QPointF point);
    void LineTo(QPointF point);
    void Polyline(std::span<const QPointF> points);
    void PolylineTo(std::span<const QPointF> points);
    void PolyBezier(std::span<const QPointF> points);
    void PolyBezierTo(std::span<const QPointF> points);
    void Polygons(std::span<const std::vector<QPointF>> polygons);
    void Rectangle(QRectF box) { Draw(RectanglePath(box), true); }
    void RoundRect(QRectF box, QSizeF corner) { Draw(RoundRectPath(box, corner), true); }
    void Ellipse(QRectF box) { Draw(EllipsePath(box), true); }
    void Arc(ArcKind kind, QRectF box, QPointF start, QPointF end);
    void SetPixel(QPointF point, QColor colour);
    // The part `source` (pixels from the top-left) of a bitmap copied into
    // the logical rectangle `dest`, mirrored where dest runs backwards.
    void CopyBitmap(QRectF dest, const QImage& bitmap, QRectF source);
    // A rectangle filled by a raster operation that uses no source: the
    // brush, black or white. Other operations draw nothing.
    void FillByRop(QRectF dest, std::uint32_t rop);
    void TextOut(const GdiTextRun& run);

    void IntersectClip(QRectF box);
    void ExcludeClip(QRectF box);
    // A region (rectangles in device units) combined with the clip by a
    // region mode; no region with the copy mode removes the clip.
    void SelectClipRegion(const std::optional<std::vector<QRectF>>& deviceRects,
                          std::uint32_t mode);
    void SelectClipPath(std::uint32_t mode);

    void FillPath();
    void StrokePath();
    void StrokeAndFillPath();

private:
    struct State {
        GdiMapping mapping;
        GdiDrawingTools tools;
        GdiText text;
        GdiClip clip;
        GdiPath path;
        QPointF position;
        bool clockwiseArcs = false;
    };

    // Drawing adds to an open path; otherwise the shape is painted, filled
    // when `fill`, and outlined unless `stroke` is false.
    void Draw(const QPainterPath& shape, bool fill, bool stroke = true);
    // The painter's transform for painting in logical units; none while a
    // path is open or when the mapping cannot place anything.
    std::optional<QTransform> PaintTransform() const;
    // A logical shape as a region of target pixels.
    QRegion LogicalRegion(const QPainterPath& logical) const;
    void CombineClip(const QRegion& region, std::uint32_t mode);

    QPainter& painter_;
    State state_;
    std::vector<State> saved_;
};

} // namespace quorvel
