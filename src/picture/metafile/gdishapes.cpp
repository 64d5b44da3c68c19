#include "picture/metafile/gdishapes.h"

#include <cmath>
#include <numbers>

namespace quorvel {

namespace {

// Degrees anticlockwise from `start` to `end`, or clockwise (negative);
// never zero, a whole turn instead.
double ArcSweep(double start, double end, bool clockwise) {
    double sweep = std::fmod(end - start, 360.0);
    if (clockwise) {
        if (sweep >= 0) {
            sweep -= 360;
        }
    } else if (sweep <= 0) {
        sweep += 360;
    }
    return sweep;
}

} // namespace

QPainterPath PolylinePath(std::span<const QPointF> points) {
    QPainterPath line(points[0]);
    for (const QPointF& point : points.subspan(1)) {
        line.lineTo(point);
    }
    return line;
}

QPainterPath BezierPath(std::span<const QPointF> points) {
    return BezierPathFrom(points[0], points.subspan(1));
}

QPainterPath BezierPathFrom(QPointF from, std::span<const QPointF> points) {
    QPainterPath curve(from);
    for (std::size_t i = 0; i + 2 < points.size(); i += 3) {
        curve.cubicTo(points[i], points[i + 1], points[i + 2]);
    }
    return curve;
}

QPainterPath PolygonsPath(std::span<const std::vector<QPointF>> polygons) {
    QPainterPath shape;
    for (const std::vector<QPointF>& polygon : polygons) {
        if (polygon.size() < 2) {
            continue;
        }
        shape.moveTo(polygon[0]);
        for (std::size_t i = 1; i < polygon.size(); ++i) {
            shape.lineTo(polygon[i]);
        }
        shape.closeSubpath();
    }
    return shape;
}

QPainterPath RectanglePath(QRectF box) {
    QPainterPath shape;
    shape.addRect(box.normalized());
    return shape;
}

QPainterPath RoundRectPath(QRectF box, QSizeF corner) {
    QPainterPath shape;
    shape.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2,
                         std::abs(corner.height()) / 2);
    return shape;
}

QPainterPath EllipsePath(QRectF box) {
    QPainterPath shape;
    shape.addEllipse(box.normalized());
    return shape;
}

QPainterPath ArcPath(ArcKind kind, QRectF box, QPointF start, QPointF end, bool clockwise,
                     QPointF position) {
    const QRectF r = box.normalized();
    QPainterPath shape;
    if (r.width() <= 0 || r.height() <= 0) {
        return shape;
    }
    const QPointF centre = r.center();
    auto angle = [&](QPointF p) {
        return std::atan2(-(p.y() - centre.y()) / (r.height() / 2),
                          (p.x() - centre.x()) / (r.width() / 2)) *
               180 / std::numbers::pi;
    };
    const double from = angle(start);
    const double sweep = ArcSweep(from, angle(end), clockwise);
    if (kind == ArcKind::Pie) {
        shape.moveTo(centre);
    } else if (kind == ArcKind::ArcTo) {
        shape.moveTo(position);
    } else {
        shape.arcMoveTo(r, from);
    }
    shape.arcTo(r, from, sweep);
    if (kind == ArcKind::Pie || kind == ArcKind::Chord) {
        shape.closeSubpath();
    }
    return shape;
}

} // namespace quorvel
