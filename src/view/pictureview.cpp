#include "view/pictureview.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace quorvel {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureView::~PictureView() = default;

void PictureView::LoadPicture(const std::string& fileName) {
    const Picture* before = picture_.get();
    ReloadPictureFile(fileName, picture_);
    if (picture_.get() != before) {
        TakePicture();
    } // else the unchanged file's pixels were put back and their areas announced
}

DrawingSurface& PictureView::GetDrawingSurface() {
    if (!picture_) {
        picture_ = MakeBlankRaster(width(), height());
        TakePicture();
    }
    return picture_->GetDrawingSurface();
}

void PictureView::TakePicture() {
    picture_->SetAreaChangeNotice([this](const QRect& area) { AreaChanged(area); });
    FitToPicture();
    update(); // painted once the handler is over, so a redraw shows whole
}

void PictureView::FitToPicture() {
    if (picture_->Width() > 0 && picture_->Height() > 0) {
        resize(picture_->Width(), picture_->Height());
    }
}

// Drawing never changes the picture's size; only what it wrote is repainted,
// scheduled once for all the strokes of a redraw when the loop next runs.
void PictureView::AreaChanged(const QRect& area) {
    FitToPicture();
    if (area.isEmpty()) {
        return;
    }
    if (changed_.Empty()) {
        QMetaObject::invokeMethod(this, &PictureView::RepaintChanged, Qt::QueuedConnection);
    }
    changed_.Add(area);
}

void PictureView::RepaintChanged() {
    update(changed_.Take(VisibleRect()));
}

// The part of the view its scrolling area shows; all of it when it stands alone.
QRect PictureView::VisibleRect() const {
    const QWidget* area = parentWidget();
    if (area == nullptr) {
        return rect();
    }
    return rect().intersected(QRect(mapFromParent(QPoint(0, 0)), area->size()));
}

// Only the exposed part of the picture is converted for display, so a
// repaint costs what it shows, whatever the picture's size.
void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().button());
    if (!picture_) {
        return;
    }
    for (const QRect& area : event->region()) {
        const QImage part = picture_->ImageOf(area);
        if (!part.isNull()) {
            painter.drawImage(area.topLeft(), part);
        }
    }
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    Press(event, false);
}

// Qt reports the second press of a double click as its own event.
void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
    Press(event, true);
}

void PictureView::Press(QMouseEvent* event, bool doubleClick) {
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton) {
        return;
    }
    const int x = static_cast<int>(std::floor(event->position().x()));
    const int y = static_cast<int>(std::floor(event->position().y()));
    // With a button held, presses of other buttons arrive here wherever they are.
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return;
    }
    emit Pressed(button, PressShift{event->modifiers(), event->buttons(), doubleClick}, x, y);
}

} // namespace quorvel
