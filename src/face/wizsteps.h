#pragma once

namespace quorvel {

// The steps of the guided procedure, as WizStep counts them. Each step asks
// for one landmark; a redraw draws the layers of every step up to the
// current one.
namespace wizstep {
inline constexpr int kChoosePicture = 0;
inline constexpr int kCentre = 1;       // between the eyes: cx, cy
inline constexpr int kWidth = 2;        // an ear: r
inline constexpr int kTop = 3;          // the crown: h
inline constexpr int kChin = 4;         // h and a
inline constexpr int kUpperContour = 5; // slider: mo
inline constexpr int kLowerContour = 6; // slider: e
inline constexpr int kNose = 7;         // nh
inline constexpr int kMouth = 8;        // mh
inline constexpr int kJudged = 9;
} // namespace wizstep

} // namespace quorvel
