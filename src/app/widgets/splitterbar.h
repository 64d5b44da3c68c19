#pragma once

#include "app/widgets/dockarea.h"

#include <QWidget>

class QRubberBand;

namespace quorvel {

// A splitter bar that resizes the control docked on its side of a DockArea.
// While the button is held a line shows where the edge would go; releasing
// applies it, Esc cancels the drag.
class SplitterBar : public QWidget {
    Q_OBJECT
public:
    SplitterBar(DockArea* area, DockSide side);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int SizeAt(const QPoint& globalPosition) const;
    void EndDrag();

    DockArea* area_;
    DockSide side_;
    QRubberBand* line_;
    bool dragging_ = false;
    QPoint pressPosition_;
    int pressSize_ = 0;
    int newSize_ = 0;
};

} // namespace quorvel
