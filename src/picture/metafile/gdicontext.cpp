#include "picture/metafile/gdicontext.h"

#include "picture/metafile/gdicodes.h"

#include <cmath>

namespace quorvel {

namespace {

// Deeper nesting of saved states is ignored rather than stored.
constexpr std::size_t kMaxSavedStates = 4096;

} // namespace

GdiContext::GdiContext(QPainter& painter, QSize target, const QTransform& deviceToTarget,
                       QPointF pixelsPerMm)
    : painter_(painter), state_{GdiMapping(deviceToTarget, pixelsPerMm),
                                GdiDrawingTools(),
                                GdiText(),
                                GdiClip(target),
                                GdiPath(),
                                QPointF(),
                                false} {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    state_.clip.ApplyTo(painter_);
}

void GdiContext::SetArcDirection(std::uint32_t direction) {
    if (direction == kArcCounterClockwise || direction == kArcClockwise) {
        state_.clockwiseArcs = direction == kArcClockwise;
    }
}

void GdiContext::Save() {
    if (saved_.size() < kMaxSavedStates) {
        saved_.push_back(state_);
    }
}

void GdiContext::Restore(std::int32_t which) {
    std::size_t keep = 0;
    if (which < 0) {
        const std::size_t back = static_cast<std::size_t>(-static_cast<std::int64_t>(which));
        if (back > saved_.size()) {
            return;
        }
        keep = saved_.size() - back;
    } else if (which > 0) {
        if (static_cast<std::size_t>(which) > saved_.size()) {
            return;
        }
        keep = static_cast<std::size_t>(which) - 1;
    } else {
        return;
    }
    state_ = saved_[keep];
    saved_.erase(saved_.begin() + static_cast<std::ptrdiff_t>(keep), saved_.end());
    state_.clip.ApplyTo(painter_);
}

std::optional<QTransform> GdiContext::PaintTransform() const {
    const QTransform toTarget = state_.mapping.LogicalToTarget();
    if (state_.path.IsOpen() || !IsUsable(toTarget)) {
        return std::nullopt;
    }
    return toTarget;
}

void GdiContext::Draw(const QPainterPath& shape, bool fill, bool stroke) {
    if (state_.path.IsOpen()) {
        state_.path.Add(shape, state_.position);
        return;
    }
    if (const std::optional<QTransform> toTarget = PaintTransform()) {
        painter_.setTransform(*toTarget);
        state_.tools.Paint(painter_, shape, fill, stroke);
    }
}

void GdiContext::MoveTo(QPointF point) {
    state_.position = point;
    if (state_.path.IsOpen()) {
        state_.path.MoveTo(point);
    }
}

void GdiContext::LineTo(QPointF point) {
    if (state_.path.IsOpen()) {
        state_.path.LineTo(state_.position, point);
    } else {
        QPainterPath line(state_.position);
        line.lineTo(point);
        Draw(line, false);
    }
    state_.position = point;
}

void GdiContext::Polyline(std::span<const QPointF> points) {
    if (points.size() >= 2) {
        Draw(PolylinePath(points), false);
    }
}

void GdiContext::PolylineTo(std::span<const QPointF> points) {
    for (const QPointF& point : points) {
        LineTo(point);
    }
}

void GdiContext::PolyBezier(std::span<const QPointF> points) {
    if (points.size() >= 4) {
        Draw(BezierPath(points), false);
    }
}

void GdiContext::PolyBezierTo(std::span<const QPointF> points) {
    if (points.size() < 3) {
        return;
    }
    const QPainterPath curve = BezierPathFrom(state_.position, points);
    state_.position = points[points.size() / 3 * 3 - 1];
    if (state_.path.IsOpen()) {
        state_.path.ConnectCurve(curve);
        return;
    }
    Draw(curve, false);
}

void GdiContext::Polygons(std::span<const std::vector<QPointF>> polygons) {
    Draw(PolygonsPath(polygons), true);
}

void GdiContext::Arc(ArcKind kind, QRectF box, QPointF start, QPointF end) {
    const QPainterPath shape =
        ArcPath(kind, box, start, end, state_.clockwiseArcs, state_.position);
    if (kind == ArcKind::ArcTo && !shape.isEmpty()) {
        state_.position = shape.currentPosition();
    }
    Draw(shape, kind == ArcKind::Chord || kind == ArcKind::Pie);
}

void GdiContext::SetPixel(QPointF point, QColor colour) {
    if (const std::optional<QTransform> toTarget = PaintTransform()) {
        painter_.setTransform(QTransform());
        const QPointF at = toTarget->map(point);
        painter_.fillRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1, 1), colour);
    }
}

void GdiContext::CopyBitmap(QRectF dest, const QImage& bitmap, QRectF source) {
    const std::optional<QTransform> toTarget = PaintTransform();
    const QRect part = source.normalized().toAlignedRect().intersected(bitmap.rect());
    if (!toTarget || bitmap.isNull() || part.isEmpty()) {
        return;
    }
    const QImage piece = bitmap.copy(part).mirrored(dest.width() < 0, dest.height() < 0);
    painter_.setTransform(*toTarget);
    painter_.drawImage(dest.normalized(), piece);
}

void GdiContext::FillByRop(QRectF dest, std::uint32_t rop) {
    const std::optional<QTransform> toTarget = PaintTransform();
    if (!toTarget) {
        return;
    }
    painter_.setTransform(*toTarget);
    switch (RasterOperationIndex(rop)) {
    case kRopPatternCopy:
        painter_.fillRect(dest.normalized(), state_.tools.Brush());
        break;
    case kRopBlackness:
        painter_.fillRect(dest.normalized(), Qt::black);
        break;
    case kRopWhiteness:
        painter_.fillRect(dest.normalized(), Qt::white);
        break;
    default:
        break;
    }
}

void GdiContext::TextOut(const GdiTextRun& run) {
    if (const std::optional<QTransform> toTarget = PaintTransform()) {
        if (const std::optional<QPointF> after =
                state_.text.Draw(painter_, run, *toTarget, state_.tools, state_.position)) {
            state_.position = *after;
        }
    }
}

void GdiContext::CombineClip(const QRegion& region, std::uint32_t mode) {
    if (state_.clip.Combine(region, mode)) {
        state_.clip.ApplyTo(painter_);
    }
}

QRegion GdiContext::LogicalRegion(const QPainterPath& logical) const {
    return state_.clip.FromLogical(logical, state_.mapping.LogicalToTarget(),
                                   state_.tools.FillRule());
}

void GdiContext::IntersectClip(QRectF box) {
    CombineClip(LogicalRegion(RectanglePath(box)), kRegionAnd);
}

void GdiContext::ExcludeClip(QRectF box) {
    CombineClip(LogicalRegion(RectanglePath(box)), kRegionDiff);
}

void GdiContext::SelectClipRegion(const std::optional<std::vector<QRectF>>& deviceRects,
                                  std::uint32_t mode) {
    if (deviceRects) {
        CombineClip(state_.clip.FromDevice(*deviceRects, state_.mapping.DeviceToTarget()), mode);
    } else if (mode == kRegionCopy) {
        state_.clip.Remove();
        state_.clip.ApplyTo(painter_);
    }
}

void GdiContext::SelectClipPath(std::uint32_t mode) {
    if (const std::optional<QPainterPath> shape = state_.path.Take()) {
        CombineClip(LogicalRegion(*shape), mode);
    }
}

// Filling a path leaves its outline undrawn.
void GdiContext::FillPath() {
    if (const std::optional<QPainterPath> shape = state_.path.Take()) {
        Draw(*shape, true, false);
    }
}

void GdiContext::StrokePath() {
    if (const std::optional<QPainterPath> shape = state_.path.Take()) {
        Draw(*shape, false);
    }
}

void GdiContext::StrokeAndFillPath() {
    if (const std::optional<QPainterPath> shape = state_.path.Take()) {
        Draw(*shape, true);
    }
}

} // namespace quorvel
