#pragma once

#include <QPainterPath>
#include <optional>

namespace quorvel {

// The path bracket: between its beginning and end, drawing adds to a path
// (in logical units) instead of painting; after the end the path waits to be
// filled, stroked or made the clip. A value: saving the device context
// copies it.
class GdiPath {
public:
    void Begin();
    void End();
    void Abort();
    bool IsOpen() const { return open_; }

    // While open: a new figure, a line or curve from the current position,
    // or a whole shape; a first figure that does not begin with a move
    // starts at `position`.
    void MoveTo(QPointF point) { path_.moveTo(point); }
    void LineTo(QPointF position, QPointF point);
    void ConnectCurve(const QPainterPath& curve);
    void Add(const QPainterPath& shape, QPointF position);
    void CloseFigure();

    // The path of a bracket that has ended, which using it discards.
    std::optional<QPainterPath> Take();

private:
    QPainterPath path_;
    bool open_ = false;   // between Begin and End
    bool closed_ = false; // after End, until the path is used
};

} // namespace quorvel
