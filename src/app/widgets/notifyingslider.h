#pragma once

#include <QSlider>

namespace quorvel {

// A horizontal slider that reports, through Notified, every move made by the
// user (each drag position, key press, click on the track or wheel step that
// moves it) and again the end of every move (mouse button or key released),
// whether or not the position changed. Changes made by the program are never
// reported. Clicks on the track move by the page step, never to the click.
// The left button captures the mouse while it is held; losing that capture
// (QEvent::UngrabMouse) ends the press without a notification.
class NotifyingSlider : public QSlider {
    Q_OBJECT
public:
    explicit NotifyingSlider(QWidget* parent = nullptr);

signals:
    void Notified();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void ActionTriggered(int action);
    void GiveUpPress();

    int userInput_ = 0; // depth of input events being handled
    bool mouseMove_ = false;
    bool captureLost_ = false;
};

} // namespace quorvel
