#include "face/landmark.h"

#include "face/fieldvalues.h"
#include "face/wizsteps.h"

namespace quorvel {
namespace {

void PlaceCentre(std::int32_t x, std::int32_t y, FaceFields& fields) {
    WriteInt(fields, Field::EditCX, x);
    WriteInt(fields, Field::EditCY, y);
}

// Half the face width: the horizontal distance from the centre to the press.
void PlaceWidth(std::int32_t x, FaceFields& fields) {
    const std::int32_t cx = ReadInt(fields, Field::EditCX);
    const std::int32_t w = TruncToInt(Abs(Real(WrapSub(cx, x))));
    if (w != 0) {
        WriteInt(fields, Field::EditR, w);
    }
}

// A new h that puts the box's top edge through the press.
void PlaceTop(std::int32_t y, FaceFields& fields) {
    const Real r = ReadInt(fields, Field::EditR);
    const Real a = ReadReal(fields, Field::EditA);
    const Real d = (1.0 - a) * r;
    if (d == 0.0) {
        return;
    }
    const std::int32_t cy = ReadInt(fields, Field::EditCY);
    const Real hh = Real(WrapSub(cy, y)) / d;
    if (hh > 0.0) {
        WriteReal(fields, Field::EditH, hh);
    }
}

// Keeps the box's top edge and moves its bottom edge to the press.
void PlaceChin(std::int32_t y, FaceFields& fields) {
    const std::int32_t cy = ReadInt(fields, Field::EditCY);
    const Real r = ReadInt(fields, Field::EditR);
    const Real h = ReadReal(fields, Field::EditH);
    const Real a = ReadReal(fields, Field::EditA);
    const Real top = ((1.0 - a) * r) * h;
    if (r == 0.0) {
        return;
    }
    const Real hh = ((Real(y) - (Real(cy) - top)) / r) * 0.5;
    if (Abs(r * hh) > 0.001) {
        const Real aa = Real(WrapSub(y, cy)) / (r * hh) - 1.0;
        WriteReal(fields, Field::EditH, hh);
        WriteReal(fields, Field::EditA, aa);
    }
}

// The press's depth below the eye line as a fraction of BottomSpan; counts
// only strictly between the eye line and the chin.
void PlaceDepth(std::int32_t y, Field target, FaceFields& fields) {
    const std::int32_t cy = ReadInt(fields, Field::EditCY);
    const Real r = ReadInt(fields, Field::EditR);
    const Real h = ReadReal(fields, Field::EditH);
    const Real a = ReadReal(fields, Field::EditA);
    const Real b = ((1.0 + a) * r) * h;
    if (!(Abs(b) > 0.001)) {
        return;
    }
    const Real t = Real(WrapSub(y, cy)) / b;
    if (t > 0.0 && t < 1.0) {
        WriteReal(fields, target, t);
    }
}

} // namespace

void PlaceLandmark(int wizStep, std::int32_t x, std::int32_t y, FaceFields& fields) {
    switch (wizStep) {
    case wizstep::kCentre:
    case wizstep::kUpperContour:
    case wizstep::kLowerContour:
    case wizstep::kJudged:
        PlaceCentre(x, y, fields);
        break;
    case wizstep::kWidth:
        PlaceWidth(x, fields);
        break;
    case wizstep::kTop:
        PlaceTop(y, fields);
        break;
    case wizstep::kChin:
        PlaceChin(y, fields);
        break;
    case wizstep::kNose:
        PlaceDepth(y, Field::EditNH, fields);
        break;
    case wizstep::kMouth:
        PlaceDepth(y, Field::EditMH, fields);
        break;
    default:
        break;
    }
}

} // namespace quorvel
