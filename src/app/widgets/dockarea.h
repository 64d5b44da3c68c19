#pragma once

#include <QWidget>

namespace quorvel {

enum class DockSide { Left, Bottom };

// A client area laid out by docking: one control along the bottom edge at full
// width, a splitter bar above it, one control along the left edge above that,
// a splitter bar to its right, and a fill control taking the rest. On resize
// the docked controls keep their sizes and the fill control takes the change.
class DockArea : public QWidget {
    Q_OBJECT
public:
    explicit DockArea(QWidget* parent = nullptr);

    void SetControls(QWidget* bottom, QWidget* bottomBar, QWidget* left, QWidget* leftBar,
                     QWidget* fill);
    void SetBarThickness(int thickness);

    // The width of the left control or the height of the bottom one.
    int DockedSize(DockSide side) const;
    void SetDockedSize(DockSide side, int size);
    // At least 30 pixels, and at most what leaves 30 pixels of the client area
    // free beside the bar and the control docked on that axis.
    int ClampDockedSize(DockSide side, int size) const;
    // Where the bar would lie with the docked control at `size`.
    QRect BarGeometry(DockSide side, int size) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Arrange();

    QWidget* bottom_ = nullptr;
    QWidget* bottomBar_ = nullptr;
    QWidget* left_ = nullptr;
    QWidget* leftBar_ = nullptr;
    QWidget* fill_ = nullptr;
    int barThickness_ = 4;
    int bottomHeight_ = 0;
    int leftWidth_ = 0;
};

} // namespace quorvel
