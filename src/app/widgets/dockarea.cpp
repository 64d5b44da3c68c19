#include "app/widgets/dockarea.h"

#include <algorithm>

namespace quorvel {
namespace {

constexpr int minimumSpace = 30; // pixels, unscaled

} // namespace

DockArea::DockArea(QWidget* parent) : QWidget(parent) {}

void DockArea::SetControls(QWidget* bottom, QWidget* bottomBar, QWidget* left, QWidget* leftBar,
                           QWidget* fill) {
    bottom_ = bottom;
    bottomBar_ = bottomBar;
    left_ = left;
    leftBar_ = leftBar;
    fill_ = fill;
    Arrange();
}

void DockArea::SetBarThickness(int thickness) {
    barThickness_ = thickness;
    Arrange();
}

int DockArea::DockedSize(DockSide side) const {
    return side == DockSide::Left ? leftWidth_ : bottomHeight_;
}

void DockArea::SetDockedSize(DockSide side, int size) {
    (side == DockSide::Left ? leftWidth_ : bottomHeight_) = size;
    Arrange();
}

int DockArea::ClampDockedSize(DockSide side, int size) const {
    const int extent = side == DockSide::Left ? width() : height();
    return std::max(std::min(size, extent - barThickness_ - minimumSpace), minimumSpace);
}

QRect DockArea::BarGeometry(DockSide side, int size) const {
    if (side == DockSide::Left) {
        return {size, 0, barThickness_, std::max(height() - bottomHeight_ - barThickness_, 0)};
    }
    return {0, height() - size - barThickness_, width(), barThickness_};
}

void DockArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void DockArea::Arrange() {
    if (fill_ == nullptr) {
        return;
    }
    const int w = width();
    const int h = height();
    bottom_->setGeometry(0, h - bottomHeight_, w, bottomHeight_);
    bottomBar_->setGeometry(BarGeometry(DockSide::Bottom, bottomHeight_));
    const int upperHeight = std::max(h - bottomHeight_ - barThickness_, 0);
    left_->setGeometry(0, 0, leftWidth_, upperHeight);
    leftBar_->setGeometry(BarGeometry(DockSide::Left, leftWidth_));
    const int fillLeft = leftWidth_ + barThickness_;
    fill_->setGeometry(fillLeft, 0, std::max(w - fillLeft, 0), upperHeight);
}

} // namespace quorvel
