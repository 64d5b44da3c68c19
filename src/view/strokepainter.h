#pragma once

#include "picture/core/overlaystroke.h"

#include <QPainter>
#include <QRect>
#include <vector>

namespace quorvel {

// Draws the overlay's strokes at screen scale over a picture shown at
// `zoom`: lines through the centres of their end pixels and ellipses through
// the centres of their box's outermost pixels, 2 screen pixels wide in their
// colours, ellipses filled white, in the order they were drawn. Below zoom 1
// an ellipse keeps its size at zoom 1 about its scaled centre, so that the
// marker circles stay visible on a large photo fitted to the window.
void PaintStrokes(QPainter& painter, const std::vector<OverlayStroke>& strokes, double zoom);

// How far a stroke reaches beyond its pixels' scaled area, in screen pixels;
// an ellipse below zoom 1 reaches further, to EllipseArea.
inline constexpr int kStrokeReach = 2;

// `area` grown by kStrokeReach on every side, kept within int: a picture
// zoomed to the widget's largest size ends at INT_MAX.
QRect WithStrokeReach(const QRect& area);

// The widget pixels an ellipse stroke is painted on at `zoom`.
QRect EllipseArea(const OverlayStroke& stroke, double zoom);

} // namespace quorvel
