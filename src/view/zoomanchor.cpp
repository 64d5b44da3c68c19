#include "view/zoomanchor.h"

#include "view/pictureview.h"
#include "view/widgetlength.h"

#include <QScrollArea>
#include <QScrollBar>
#include <cmath>

namespace quorvel {

void ZoomAbout(QScrollArea& area, PictureView& view, double zoom, QPoint anchor) {
    const double before = view.Zoom();
    const QPointF picturePoint = QPointF(anchor - view.pos()) / before;
    view.SetZoom(zoom);
    const QPointF after = picturePoint * view.Zoom();
    // The scroll bars' ranges follow the view's new size at once.
    area.horizontalScrollBar()->setValue(WidgetLength(std::round(after.x() - anchor.x())));
    area.verticalScrollBar()->setValue(WidgetLength(std::round(after.y() - anchor.y())));
}

} // namespace quorvel
