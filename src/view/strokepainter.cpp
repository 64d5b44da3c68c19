#include "view/strokepainter.h"

#include <QPen>

namespace quorvel {
namespace {

constexpr double kScreenPenWidth = 2;

QPointF Centre(std::int32_t x, std::int32_t y, double zoom) {
    return {(x + 0.5) * zoom, (y + 0.5) * zoom};
}

QColor Colour(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

} // namespace

void PaintStrokes(QPainter& painter, const std::vector<OverlayStroke>& strokes, double zoom) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const OverlayStroke& stroke : strokes) {
        QPen pen(Colour(stroke.colour), kScreenPenWidth, Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
        painter.setPen(pen);
        const QPointF from = Centre(stroke.x0, stroke.y0, zoom);
        const QPointF to = Centre(stroke.x1, stroke.y1, zoom);
        if (stroke.shape == OverlayStroke::Shape::Line) {
            painter.drawLine(from, to);
            continue;
        }
        // The box's right and bottom edges are excluded: its outermost
        // pixels end one before them.
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(from, to - QPointF(zoom, zoom)).normalized());
        painter.setBrush(Qt::NoBrush);
    }
    painter.restore();
}

} // namespace quorvel
