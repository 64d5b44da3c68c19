#pragma once

#include <QPoint>
#include <optional>

class QScrollArea;

namespace quorvel {

class PictureView;

// Zooms the view inside its scrolling area so that the picture point under
// `anchor` (a point of the area's viewport) stays under it.
void ZoomAbout(QScrollArea& area, PictureView& view, double zoom, QPointF anchor);

// Where the centre of picture pixel `pixel` is in the area's viewport; empty
// unless the viewport shows that pixel of the view.
std::optional<QPointF> ShownAt(const QScrollArea& area, const PictureView& view, QPoint pixel);

} // namespace quorvel
