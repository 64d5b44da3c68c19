#pragma once

#include <QPoint>

class QScrollArea;

namespace quorvel {

class PictureView;

// Zooms the view inside its scrolling area so that the picture point under
// `anchor` (a point of the area's viewport) stays under it.
void ZoomAbout(QScrollArea& area, PictureView& view, double zoom, QPoint anchor);

} // namespace quorvel
