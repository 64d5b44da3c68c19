#pragma once

#include "detect/facefinder.h"

#include <QImage>

namespace quorvel {

// The height of the top of the head above the face, in picture pixels (y of
// the crown at the face's centre column), from a head and background
// segmentation of the picture seeded by the face's landmarks. `picture` is
// in QImage::Format_RGB32.
double EstimateHeadTop(const QImage& picture, const FaceShape& face);

} // namespace quorvel
