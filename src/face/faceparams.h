#pragma once

#include <cstdint>
#include <utility>

namespace quorvel {

class FaceFields;

// The nine inputs as one operation read them.
struct FaceParams {
    std::int32_t cx = 0; // centre between the eyes, picture pixels
    std::int32_t cy = 0;
    std::int32_t r = 0; // half the face width, pixels
    double h = 0;       // half the face height divided by r
    double mo = 0;      // lower contour half's height over the upper half's
    double e = 0;       // jaw bulge, pixels per degree of contour angle
    double nh = 0;      // nose depth as a fraction of BottomSpan
    double mh = 0;      // mouth depth as a fraction of BottomSpan
    double a = 0;       // eye line's placement in the face box
};

// Derived from r, h, mo and a; pixels except UpperScale.
struct FaceGeometry {
    double UpperScale = 0;   // upper contour half's vertical semi-axis over r
    double TopSpan = 0;      // eye line up to the box's top edge
    double BottomSpan = 0;   // eye line down to the chin
    double WidestOffset = 0; // eye line down to the contour's widest line (negative: above)
};

// Reads cx, cy, r, e, mo, h, computes UpperScale, reads a, computes TopSpan and
// BottomSpan, reads nh, mh, computes WidestOffset. The order decides which
// failure is met first.
std::pair<FaceParams, FaceGeometry> ReadFaceParams(const FaceFields& fields);
void ReadFaceParams(const FaceFields& fields, FaceParams& params, FaceGeometry& geometry);

} // namespace quorvel
