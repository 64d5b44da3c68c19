#pragma once

#include "face/drawingsurface.h"
#include "face/pictureaccess.h"
#include "picture/picture.h"
#include "view/dirtytiles.h"

#include <QWidget>
#include <memory>
#include <string>

namespace quorvel {

// Modifier keys and mouse buttons held at a press, and whether it is the second
// press of a double click.
struct PressShift {
    Qt::KeyboardModifiers keys;
    Qt::MouseButtons buttons;
    bool doubleClick = false;
};

// The picture view: owns at most one picture, paints it at 1:1 from its
// top-left corner on the button-face colour, takes the picture's size when
// both sides are positive and otherwise keeps its own. Every press of the left,
// right or middle button inside it is reported in picture pixels.
class PictureView : public QWidget, public PictureAccess {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);
    ~PictureView() override;

    void LoadPicture(const std::string& fileName) override;
    DrawingSurface& GetDrawingSurface() override;

    // Null while the view holds no picture.
    const Picture* CurrentPicture() const { return picture_.get(); }

signals:
    void Pressed(Qt::MouseButton button, quorvel::PressShift shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void TakePicture();
    void FitToPicture();
    void AreaChanged(const QRect& area);
    void RepaintChanged();
    QRect VisibleRect() const;
    void Press(QMouseEvent* event, bool doubleClick);

    std::unique_ptr<Picture> picture_;
    DirtyTiles changed_; // areas drawn since the last repaint was scheduled
};

} // namespace quorvel
