#include "app/widgets/notifyingslider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QWheelEvent>

namespace quorvel {
namespace {

// The left button pages toward the click on the track; no button jumps there.
class PagingSliderStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Slider_AbsoluteSetButtons) {
            return Qt::NoButton;
        }
        if (hint == SH_Slider_PageSetButtons) {
            return Qt::LeftButton;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Events through which the user moves the slider; the timer repeats a page
// step while the mouse is held on the track.
bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Timer:
        return true;
    default:
        return false;
    }
}

bool MovesSlider(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

NotifyingSlider::NotifyingSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    auto* style = new PagingSliderStyle;
    style->setParent(this);
    setStyle(style);
    connect(this, &QAbstractSlider::actionTriggered, this, &NotifyingSlider::ActionTriggered);
}

bool NotifyingSlider::event(QEvent* event) {
    if (event->type() == QEvent::UngrabMouse) {
        // The error report took the capture: a held track must stop paging at
        // once, even while the report's box is up.
        setRepeatAction(SliderNoAction);
        captureLost_ = true;
    }
    const bool user = IsUserInput(event->type());
    userInput_ += user ? 1 : 0;
    const bool handled = QSlider::event(event);
    userInput_ -= user ? 1 : 0;
    // A press handler may start repeating after its failure was reported, so
    // the press is given up only once the event in hand is done.
    if (captureLost_ && userInput_ == 0) {
        captureLost_ = false;
        GiveUpPress();
    }
    return handled;
}

// Ends what the press began, as its release would, but as no end of a move:
// the button's real release never reaches the slider.
void NotifyingSlider::GiveUpPress() {
    mouseMove_ = false;
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), mapToGlobal(QPointF()),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QSlider::mouseReleaseEvent(&release);
}

// Emitted by Qt before the new position is committed, also for
// setSliderPosition from the program. A key pressed at the end of the range
// moves nothing and is not a move.
void NotifyingSlider::ActionTriggered(int action) {
    if (userInput_ > 0 && (action == SliderMove || sliderPosition() != value())) {
        emit Notified();
    }
}

void NotifyingSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    grabMouse(); // the capture of a held button, which an error report takes away
    QSlider::mousePressEvent(event);
    if (!event->isAccepted()) {
        releaseMouse();
    }
    mouseMove_ = mouseMove_ || event->isAccepted();
}

void NotifyingSlider::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
    if (mouseMove_ && event->button() == Qt::LeftButton) {
        mouseMove_ = false;
        emit Notified();
    }
}

void NotifyingSlider::keyReleaseEvent(QKeyEvent* event) {
    QSlider::keyReleaseEvent(event);
    if (!event->isAutoRepeat() && MovesSlider(event->key())) {
        emit Notified();
    }
}

void NotifyingSlider::wheelEvent(QWheelEvent* event) {
    QSlider::wheelEvent(event);
    if (event->isAccepted()) {
        emit Notified(); // a wheel step is a whole move
    }
}

} // namespace quorvel
