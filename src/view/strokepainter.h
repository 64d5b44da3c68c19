#pragma once

#include "picture/core/overlaystroke.h"

#include <QPainter>
#include <vector>

namespace quorvel {

// Draws the overlay's strokes at screen scale over a picture shown at
// `zoom`: lines through the centres of their end pixels and ellipses through
// the centres of their box's outermost pixels, 2 screen pixels wide in their
// colours, ellipses filled white, in the order they were drawn.
void PaintStrokes(QPainter& painter, const std::vector<OverlayStroke>& strokes, double zoom);

// How far a stroke reaches beyond its pixels' scaled area, in screen pixels.
inline constexpr int kStrokeReach = 2;

} // namespace quorvel
