#pragma once

#include "picture/metafile/gdiobjects.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QTransform>
#include <optional>
#include <span>
#include <vector>

namespace quorvel {

// The device context a metafile plays into: mapping from the metafile's
// logical coordinates to the target image, the selected pen, brush and font,
// text settings, clipping, the current position and the path bracket. The
// players turn records into these calls; every argument is already bounded
// by the record that carried it.
class GdiContext {
public:
    enum class ArcKind { Arc, Chord, Pie, ArcTo };

    // deviceToTarget maps the metafile's device space (the reference device
    // of enhanced metafiles, the viewport of Windows metafiles) onto the
    // image; pixelsPerMm is the reference device's density for the metric
    // mapping modes.
    GdiContext(QPainter& painter, QSize target, const QTransform& deviceToTarget,
               QPointF pixelsPerMm);

    void SetMapMode(std::uint32_t mode);
    void SetWindowOrg(QPointF origin);
    void SetWindowExt(QSizeF extent);
    void SetViewportOrg(QPointF origin);
    void SetViewportExt(QSizeF extent);
    void SetWorldTransform(const QTransform& world);
    void ModifyWorldTransform(const QTransform& change, std::uint32_t mode);

    void SetTextColour(QColor colour) { state_.textColour = colour; }
    void SetBackgroundColour(QColor colour) { state_.backgroundColour = colour; }
    void SetBackgroundMode(std::uint32_t mode);
    void SetPolyFillMode(std::uint32_t mode);
    void SetTextAlign(std::uint32_t align) { state_.textAlign = align; }
    void SetArcDirection(std::uint32_t direction);

    void Select(const GdiObject& object);
    // Deleting a selected object leaves the selection as it was, as the
    // platform refuses to delete selected objects.

    void Save();
    void Restore(std::int32_t which);

    void MoveTo(QPointF point);
    void LineTo(QPointF point);
    void Polyline(std::span<const QPointF> points);
    void PolylineTo(std::span<const QPointF> points);
    void PolyBezier(std::span<const QPointF> points);
    void PolyBezierTo(std::span<const QPointF> points);
    void Polygons(std::span<const std::vector<QPointF>> polygons);
    void Rectangle(QRectF box);
    void RoundRect(QRectF box, QSizeF corner);
    void Ellipse(QRectF box);
    void Arc(ArcKind kind, QRectF box, QPointF start, QPointF end);
    void SetPixel(QPointF point, QColor colour);
    // The part `source` (pixels from the top-left) of a bitmap copied into
    // the logical rectangle `dest`, mirrored where dest runs backwards.
    void CopyBitmap(QRectF dest, const QImage& bitmap, QRectF source);
    // A rectangle filled by a raster operation that uses no source: the
    // brush, black or white. Other operations draw nothing.
    void FillByRop(QRectF dest, std::uint32_t rop);

    struct TextRun {
        QPointF reference;
        QString text;
        std::uint32_t options = 0;    // ETO_* flags
        std::optional<QRectF> rect;   // for ETO_OPAQUE and ETO_CLIPPED
        std::vector<double> advances; // logical units, one per UTF-16 unit; may be empty
    };
    void Text(const TextRun& run);
    std::uint8_t FontCharset() const { return state_.font.charset; }

    void IntersectClip(QRectF box);
    void ExcludeClip(QRectF box);
    // A region (rectangles in device units) combined with the clip by RGN_*
    // mode; no region with RGN_COPY removes the clip.
    void SelectClipRegion(const std::optional<std::vector<QRectF>>& deviceRects,
                          std::uint32_t mode);
    void SelectClipPath(std::uint32_t mode);

    void BeginPath();
    void EndPath();
    void AbortPath();
    void CloseFigure();
    void FillPath();
    void StrokePath();
    void StrokeAndFillPath();

private:
    struct State {
        std::uint32_t mapMode = 1;
        QPointF windowOrg;
        QSizeF windowExt{1, 1};
        QPointF viewportOrg;
        QSizeF viewportExt{1, 1};
        QTransform world;
        GdiPen pen;
        GdiBrush brush;
        GdiFont font;
        QColor textColour = Qt::black;
        QColor backgroundColour = Qt::white;
        bool opaqueBackground = true;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        std::uint32_t textAlign = 0;
        bool clockwiseArcs = false;
        QPointF position;
        std::optional<QRegion> clip; // target pixels; none: the whole image
        QPainterPath path;           // logical units
        bool pathOpen = false;       // between BeginPath and EndPath
        bool pathClosed = false;     // after EndPath, until the path is used
    };

    QTransform PageTransform() const;
    QTransform LogicalToTarget() const;
    QPen Pen() const;
    QBrush Brush() const;
    void PrepareDrawing();
    void Draw(const QPainterPath& shape, bool fill);
    QPainterPath ArcPath(ArcKind kind, QRectF box, QPointF start, QPointF end) const;
    std::optional<QPainterPath> TakePath();
    QRegion TargetRegion(const QPainterPath& logical) const;
    void CombineClip(const QRegion& region, std::uint32_t mode);
    void ApplyClip();

    QPainter& painter_;
    QRect targetRect_;
    QTransform deviceToTarget_;
    QPointF pixelsPerMm_;
    State state_;
    std::vector<State> saved_;
};

} // namespace quorvel
