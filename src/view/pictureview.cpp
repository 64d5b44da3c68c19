#include "view/pictureview.h"

#include "view/strokepainter.h"
#include "view/widgetlength.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace quorvel {
namespace {

constexpr std::array<double, 13> kZoomSteps{
    1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 3, 1.0 / 2, 2.0 / 3, 1, 1.5, 2, 3, 4, 6, 8};
constexpr double kSameZoom = 1e-9; // a step reached by fitting counts as that step

QSize Scaled(const QSize& size, double zoom) {
    return {WidgetLength(std::ceil(size.width() * zoom)),
            WidgetLength(std::ceil(size.height() * zoom))};
}

} // namespace

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
        picture_ = MakeBlankRaster(ContentSize().width(), ContentSize().height());
        TakePicture();
    }
    return picture_->GetDrawingSurface();
}

void PictureView::TakePicture() {
    picture_->SetAreaChangeNotice([this](const QRect& area) { AreaChanged(area); });
    FitToPicture();
    update(); // painted once the handler is over, so a redraw shows whole
    shownMarkers_ = MarkerAreas();
}

void PictureView::FitToPicture() {
    if (picture_->Width() > 0 && picture_->Height() > 0) {
        content_ = QSize(picture_->Width(), picture_->Height());
        resize(Scaled(content_, zoom_));
    }
}

// At zoom 1 the view's own size is that of what it shows, also the size a
// blank raster takes; at other zooms that size is kept aside.
QSize PictureView::ContentSize() const {
    return zoom_ == 1 ? size() : content_;
}

void PictureView::SetZoom(double zoom) {
    content_ = ContentSize();
    const double before = zoom_;
    zoom_ = std::clamp(zoom, kLeastZoom, kMostZoom);
    resize(Scaled(content_, zoom_));
    update();
    shownMarkers_ = MarkerAreas();
    if (zoom_ != before) {
        emit ZoomChanged(zoom_);
    }
}

double PictureView::NextZoomIn() const {
    const auto* next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_ + kSameZoom);
    return next == kZoomSteps.end() ? kMostZoom : *next;
}

double PictureView::NextZoomOut() const {
    const auto* next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_ - kSameZoom);
    return next == kZoomSteps.begin() ? kLeastZoom : *(next - 1);
}

double PictureView::ZoomToFit(const QSize& area) const {
    const QSize content = ContentSize();
    if (content.isEmpty() || area.isEmpty()) {
        return zoom_;
    }
    const double zoom = std::min(static_cast<double>(area.width()) / content.width(),
                                 static_cast<double>(area.height()) / content.height());
    return std::clamp(zoom, kLeastZoom, kMostZoom);
}

QPoint PictureView::PicturePixelAt(const QPointF& point) const {
    return {WidgetLength(std::floor(point.x() / zoom_)),
            WidgetLength(std::floor(point.y() / zoom_))};
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
    changed_.Add(WidgetArea(area));
}

// An ellipse is repainted whole where it was and where it is now.
void PictureView::RepaintChanged() {
    std::vector<QRect> markers = MarkerAreas();
    for (const std::vector<QRect>* areas : {&shownMarkers_, &markers}) {
        for (const QRect& area : *areas) {
            changed_.Add(area);
        }
    }
    shownMarkers_ = std::move(markers);
    update(changed_.Take(VisibleRect()));
}

std::vector<QRect> PictureView::MarkerAreas() const {
    std::vector<QRect> areas;
    if (!picture_ || zoom_ == 1) {
        return areas; // at zoom 1 the raster's own pixels show
    }
    for (const OverlayStroke& stroke : picture_->Strokes()) {
        if (stroke.shape == OverlayStroke::Shape::Ellipse) {
            areas.push_back(EllipseArea(stroke, zoom_));
        }
    }
    return areas;
}

// The widget pixels that show a picture area, with room for the strokes
// drawn over it at other zooms.
QRect PictureView::WidgetArea(const QRect& pictureArea) const {
    if (zoom_ == 1) {
        return pictureArea;
    }
    const int left = WidgetLength(std::floor(pictureArea.left() * zoom_));
    const int top = WidgetLength(std::floor(pictureArea.top() * zoom_));
    const int right = WidgetLength(std::ceil((pictureArea.right() + 1.0) * zoom_));
    const int bottom = WidgetLength(std::ceil((pictureArea.bottom() + 1.0) * zoom_));
    return WithStrokeReach(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
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
    if (zoom_ != 1) {
        PaintScaled(painter, event->region());
        return;
    }
    for (const QRect& area : event->region()) {
        const QImage part = picture_->ImageOf(area);
        if (!part.isNull()) {
            painter.drawImage(area.topLeft(), part);
        }
    }
}

void PictureView::PaintScaled(QPainter& painter, const QRegion& region) const {
    for (const QRect& area : region) {
        const QImage part = picture_->ScaledImageOf(area, zoom_);
        if (!part.isNull()) {
            painter.drawImage(area.topLeft(), part);
        }
    }
    painter.setClipRegion(region.intersected(rect()));
    PaintStrokes(painter, picture_->Strokes(), zoom_);
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
    const QPoint at = PicturePixelAt(event->position());
    // With a button held, presses of other buttons arrive here wherever they are.
    const QSize content = ContentSize();
    if (at.x() < 0 || at.y() < 0 || at.x() >= content.width() || at.y() >= content.height()) {
        return;
    }
    emit Pressed(button, PressShift{event->modifiers(), event->buttons(), doubleClick}, at.x(),
                 at.y());
}

} // namespace quorvel
