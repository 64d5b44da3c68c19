#pragma once

#include <QByteArray>
#include <QImage>

namespace quorvel::testing {

// A JPEG of `stored` whose Exif Orientation tag (1 to 8) says how to turn it upright.
QByteArray JpegWithOrientation(const QImage& stored, int orientation);

} // namespace quorvel::testing
