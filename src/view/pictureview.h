#pragma once

#include "face/drawingsurface.h"
#include "face/pictureaccess.h"
#include "picture/picture.h"
#include "view/dirtytiles.h"

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

namespace quorvel {

// Modifier keys and mouse buttons held at a press, and whether it is the second
// press of a double click.
struct PressShift {
    Qt::KeyboardModifiers keys;
    Qt::MouseButtons buttons;
    bool doubleClick = false;
};

// The picture view: owns at most one picture, paints it from its top-left
// corner on the button-face colour, takes the picture's size when both sides
// are positive and otherwise keeps its own. Every press of the left, right or
// middle button on it is reported in picture pixels.
//
// At zoom 1 (the start) it shows the raster's own pixels one for one. At any
// other zoom it shows the picture scaled and draws the overlay's strokes
// over it at screen scale, so that they stay thin and sharp.
class PictureView : public QWidget, public PictureAccess {
    Q_OBJECT
public:
    static constexpr double kLeastZoom = 1.0 / 16;
    static constexpr double kMostZoom = 8;

    explicit PictureView(QWidget* parent = nullptr);
    ~PictureView() override;

    void LoadPicture(const std::string& fileName) override;
    DrawingSurface& GetDrawingSurface() override;

    // Null while the view holds no picture.
    const Picture* CurrentPicture() const { return picture_.get(); }

    // Widget pixels per picture pixel, kept within kLeastZoom to kMostZoom.
    double Zoom() const { return zoom_; }
    void SetZoom(double zoom);
    // The next step up or down of 1/16, 1/8, 1/4, 1/3, 1/2, 2/3, 1, 3/2, 2,
    // 3, 4, 6, 8 from the present zoom.
    double NextZoomIn() const;
    double NextZoomOut() const;
    // The zoom at which the whole picture fits in `area`.
    double ZoomToFit(const QSize& area) const;

    // The picture pixel under a point of the view.
    QPoint PicturePixelAt(const QPointF& point) const;

signals:
    // After every change of the zoom, whatever made it.
    void ZoomChanged(double zoom);
    void Pressed(Qt::MouseButton button, quorvel::PressShift shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QSize ContentSize() const;
    void TakePicture();
    void FitToPicture();
    void AreaChanged(const QRect& area);
    void RepaintChanged();
    std::vector<QRect> MarkerAreas() const;
    QRect VisibleRect() const;
    QRect WidgetArea(const QRect& pictureArea) const;
    void PaintScaled(QPainter& painter, const QRegion& region) const;
    void Press(QMouseEvent* event, bool doubleClick);

    std::unique_ptr<Picture> picture_;
    DirtyTiles changed_; // areas drawn since the last repaint was scheduled
    double zoom_ = 1;
    QSize content_; // the view's size at zoom 1, while the zoom is another
    // Where the ellipses were painted, as of the last repaint scheduled: below
    // zoom 1 they cover more than their pixels' scaled area.
    std::vector<QRect> shownMarkers_;
};

} // namespace quorvel
