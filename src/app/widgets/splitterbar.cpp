#include "app/widgets/splitterbar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRubberBand>

namespace quorvel {

SplitterBar::SplitterBar(DockArea* area, DockSide side)
    : QWidget(area), area_(area), side_(side), line_(new QRubberBand(QRubberBand::Line, area)) {
    setCursor(side == DockSide::Left ? Qt::SplitHCursor : Qt::SplitVCursor);
}

int SplitterBar::SizeAt(const QPoint& globalPosition) const {
    const QPoint moved = globalPosition - pressPosition_;
    // The bottom control grows as the bar goes up.
    const int change = side_ == DockSide::Left ? moved.x() : -moved.y();
    return area_->ClampDockedSize(side_, pressSize_ + change);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    dragging_ = true;
    pressPosition_ = event->globalPosition().toPoint();
    pressSize_ = area_->DockedSize(side_);
    newSize_ = area_->ClampDockedSize(side_, pressSize_);
    line_->setGeometry(area_->BarGeometry(side_, newSize_));
    line_->show();
    line_->raise();
    grabKeyboard();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        return;
    }
    newSize_ = SizeAt(event->globalPosition().toPoint());
    line_->setGeometry(area_->BarGeometry(side_, newSize_));
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) {
        return;
    }
    EndDrag();
    area_->SetDockedSize(side_, SizeAt(event->globalPosition().toPoint()));
}

void SplitterBar::keyPressEvent(QKeyEvent* event) {
    if (dragging_ && event->key() == Qt::Key_Escape) {
        EndDrag();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SplitterBar::EndDrag() {
    dragging_ = false;
    line_->hide();
    releaseKeyboard();
}

} // namespace quorvel
