#pragma once

#include <string>

namespace quorvel {

// Where Debian's libdlib-data installs the 68-point face landmark model.
inline constexpr const char* kInstalledModelFile =
    "/usr/share/dlib/shape_predictor_68_face_landmarks.dat";
// Names another model file, for tests and for models installed elsewhere.
inline constexpr const char* kModelFileVariable = "QUORVEL_LANDMARK_MODEL";

// The model file to load: the variable's value when set and not empty,
// otherwise the installed one.
std::string LandmarkModelFile();

} // namespace quorvel
