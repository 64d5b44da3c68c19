#pragma once

namespace quorvel {

// The distance from (x, y) to the curve of the ellipse with semi-axes a and b
// (both >= 0) centred on the origin; a 0 axis makes the curve a segment.
double DistanceToEllipse(double a, double b, double x, double y);

} // namespace quorvel
