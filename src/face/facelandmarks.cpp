#include "face/facelandmarks.h"

#include "face/landmark.h"
#include "face/wizsteps.h"

namespace quorvel {

void PlaceLandmarks(const FaceLandmarks& landmarks, FaceFields& fields) {
    // Each press reads what the earlier ones wrote (the top needs r, the
    // nose and mouth need h and a), so the order is the procedure's.
    const struct {
        int step;
        PixelPoint point;
    } presses[] = {
        {wizstep::kCentre, landmarks.centre}, {wizstep::kWidth, landmarks.ear},
        {wizstep::kTop, landmarks.top},       {wizstep::kChin, landmarks.chin},
        {wizstep::kNose, landmarks.nose},     {wizstep::kMouth, landmarks.mouth},
    };
    for (const auto& press : presses) {
        PlaceLandmark(press.step, press.point.x, press.point.y, fields);
    }
}

} // namespace quorvel
