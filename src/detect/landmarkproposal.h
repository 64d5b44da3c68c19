#pragma once

#include "face/facelandmarks.h"

#include <QImage>
#include <optional>

namespace quorvel {

class FaceFinder;

// The procedure's landmarks of the largest face of an upright picture, in its
// picture pixels, or nothing when no face is found: the centre between the
// eye centres, the face width at ear level, the top of the head, the lowest
// point of the jaw, the bottom of the nose and the middle between the lips.
std::optional<FaceLandmarks> ProposeLandmarks(const FaceFinder& finder, const QImage& picture);

} // namespace quorvel
