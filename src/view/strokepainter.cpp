#include "view/strokepainter.h"

#include <QPen>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace quorvel {
namespace {

constexpr double kScreenPenWidth = 2;

QPointF Centre(std::int32_t x, std::int32_t y, double zoom) {
    return {(x + 0.5) * zoom, (y + 0.5) * zoom};
}

QColor Colour(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

// The box's right and bottom edges are excluded: its outermost pixels end
// one before them.
QRectF OutermostCentres(const OverlayStroke& stroke, double zoom) {
    return QRectF(Centre(stroke.x0, stroke.y0, zoom),
                  Centre(stroke.x1, stroke.y1, zoom) - QPointF(zoom, zoom))
        .normalized();
}

// Each radius on screen is the larger of its scaled and its actual size.
QRectF EllipseOnScreen(const OverlayStroke& stroke, double zoom) {
    if (zoom >= 1) {
        return OutermostCentres(stroke, zoom);
    }
    QRectF actual(QPointF(), OutermostCentres(stroke, 1).size());
    actual.moveCenter(OutermostCentres(stroke, zoom).center());
    return actual;
}

} // namespace

void PaintStrokes(QPainter& painter, const std::vector<OverlayStroke>& strokes, double zoom) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const OverlayStroke& stroke : strokes) {
        QPen pen(Colour(stroke.colour), kScreenPenWidth, Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
        painter.setPen(pen);
        if (stroke.shape == OverlayStroke::Shape::Line) {
            painter.drawLine(Centre(stroke.x0, stroke.y0, zoom),
                             Centre(stroke.x1, stroke.y1, zoom));
            continue;
        }
        painter.setBrush(Qt::white);
        painter.drawEllipse(EllipseOnScreen(stroke, zoom));
        painter.setBrush(Qt::NoBrush);
    }
    painter.restore();
}

QRect EllipseArea(const OverlayStroke& stroke, double zoom) {
    return WithStrokeReach(EllipseOnScreen(stroke, zoom).toAlignedRect());
}

QRect WithStrokeReach(const QRect& area) {
    const auto grown = [](int edge, int by) {
        const std::int64_t moved = std::int64_t{edge} + by;
        return static_cast<int>(std::clamp<std::int64_t>(moved, std::numeric_limits<int>::min(),
                                                         std::numeric_limits<int>::max()));
    };
    return QRect(QPoint(grown(area.left(), -kStrokeReach), grown(area.top(), -kStrokeReach)),
                 QPoint(grown(area.right(), kStrokeReach), grown(area.bottom(), kStrokeReach)));
}

} // namespace quorvel
