#pragma once

#include <QPainterPath>
#include <span>
#include <vector>

namespace quorvel {

// The outlines of the drawing records as paths in logical units.

enum class ArcKind { Arc, Chord, Pie, ArcTo };

// Lines through the points; needs two or more.
QPainterPath PolylinePath(std::span<const QPointF> points);
// Cubic curves from the first point, three points a curve; needs four or more.
QPainterPath BezierPath(std::span<const QPointF> points);
// Cubic curves from `from`, three points a curve; needs three or more.
QPainterPath BezierPathFrom(QPointF from, std::span<const QPointF> points);
// Closed figures; those of fewer than two points are left out.
QPainterPath PolygonsPath(std::span<const std::vector<QPointF>> polygons);
QPainterPath RectanglePath(QRectF box);
QPainterPath RoundRectPath(QRectF box, QSizeF corner);
QPainterPath EllipsePath(QRectF box);
// Start and end are points on rays from the box's centre; the arc runs
// between where those rays cross the ellipse, anticlockwise unless
// `clockwise`. ArcTo begins with a line from `position`.
QPainterPath ArcPath(ArcKind kind, QRectF box, QPointF start, QPointF end, bool clockwise,
                     QPointF position);

} // namespace quorvel
