#include "picture/metafile/gdipath.h"

namespace quorvel {

void GdiPath::Begin() {
    path_ = QPainterPath();
    open_ = true;
    closed_ = false;
}

void GdiPath::End() {
    if (open_) {
        open_ = false;
        closed_ = true;
    }
}

void GdiPath::Abort() {
    path_ = QPainterPath();
    open_ = false;
    closed_ = false;
}

void GdiPath::LineTo(QPointF position, QPointF point) {
    if (path_.elementCount() == 0) {
        path_.moveTo(position);
    }
    path_.lineTo(point);
}

void GdiPath::ConnectCurve(const QPainterPath& curve) {
    if (path_.elementCount() == 0) {
        path_.moveTo(curve.elementAt(0));
    }
    path_.connectPath(curve);
}

void GdiPath::Add(const QPainterPath& shape, QPointF position) {
    if (path_.elementCount() == 0 && !shape.isEmpty() &&
        shape.elementAt(0).type != QPainterPath::MoveToElement) {
        path_.moveTo(position);
    }
    path_.addPath(shape);
}

void GdiPath::CloseFigure() {
    if (open_) {
        path_.closeSubpath();
    }
}

std::optional<QPainterPath> GdiPath::Take() {
    if (!closed_) {
        return std::nullopt;
    }
    QPainterPath shape = path_;
    Abort();
    return shape;
}

} // namespace quorvel
