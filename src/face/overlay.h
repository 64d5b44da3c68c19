#pragma once

#include <string>

namespace quorvel {

class FaceFields;
class PictureAccess;

// The one redraw: resets the age label, reads the fields, reloads the picture
// when fileName is not empty, draws the layers wizStep allows and judges at 9.
void RedrawOverlay(int wizStep, FaceFields& fields, const std::string& fileName,
                   PictureAccess& view);

} // namespace quorvel
