#include "view/zoomanchor.h"

#include "view/pictureview.h"
#include "view/widgetlength.h"

#include <QRectF>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>

namespace quorvel {

void ZoomAbout(QScrollArea& area, PictureView& view, double zoom, QPointF anchor) {
    const double before = view.Zoom();
    const QPointF picturePoint = (anchor - QPointF(view.pos())) / before;
    view.SetZoom(zoom);
    const QPointF after = picturePoint * view.Zoom();
    // The scroll bars' ranges follow the view's new size at once.
    area.horizontalScrollBar()->setValue(WidgetLength(std::round(after.x() - anchor.x())));
    area.verticalScrollBar()->setValue(WidgetLength(std::round(after.y() - anchor.y())));
}

std::optional<QPointF> ShownAt(const QScrollArea& area, const PictureView& view, QPoint pixel) {
    const QPointF inView = (QPointF(pixel) + QPointF(0.5, 0.5)) * view.Zoom();
    const QPointF inViewport = inView + QPointF(view.pos());
    if (!QRectF(view.rect()).contains(inView) ||
        !QRectF(area.viewport()->rect()).contains(inViewport)) {
        return std::nullopt;
    }
    return inViewport;
}

} // namespace quorvel
