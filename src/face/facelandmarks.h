#pragma once

#include <cstdint>

namespace quorvel {

class FaceFields;

// A picture pixel as a press on it reports it.
struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The landmarks the procedure asks to click, in picture pixels: the centre
// between the eyes, a point at ear level whose horizontal distance from the
// centre is half the face width, the top of the head, the chin, the bottom of
// the nose and the mouth.
struct FaceLandmarks {
    PixelPoint centre;
    PixelPoint ear;
    PixelPoint top;
    PixelPoint chin;
    PixelPoint nose;
    PixelPoint mouth;
};

// Writes the field texts that presses on these points at steps 1 to 4, 7 and
// 8, in that order, would have written; mo and e, shaped with the slider at
// steps 5 and 6, are left as they are. The caller redraws afterwards.
void PlaceLandmarks(const FaceLandmarks& landmarks, FaceFields& fields);

} // namespace quorvel
