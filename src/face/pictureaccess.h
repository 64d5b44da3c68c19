#pragma once

#include <string>

namespace quorvel {

class DrawingSurface;

// What the redraw needs of the picture view.
class PictureAccess {
public:
    virtual ~PictureAccess() = default;
    // Replaces the view's picture on success; on failure throws and changes nothing.
    virtual void LoadPicture(const std::string& fileName) = 0;
    // Gives the view a white BlankRaster first when it holds no picture; throws
    // for icons and metafiles.
    virtual DrawingSurface& GetDrawingSurface() = 0;
};

} // namespace quorvel
