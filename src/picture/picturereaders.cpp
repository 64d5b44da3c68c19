#include "picture/picturereaders.h"

#include "picture/bmp/bitmapreader.h"
#include "picture/icon/iconfile.h"
#include "picture/metafile/metafile.h"
#include "picture/picturefile.h"
#include "picture/raster/raster.h"

#include <vector>

namespace quorvel {

// Only a bitmap is read piece by piece and tracked, so a redraw can put back
// what drawing changed instead of reading the file again.
std::unique_ptr<Picture> ReadBitmapPicture(PictureFile& file) {
    std::unique_ptr<Raster> raster = ReadBitmap(file);
    file.ConfirmUnchanged();
    raster->TrackSource(file.Identity(), !file.RecentlyModified());
    return raster;
}

std::unique_ptr<Picture> ReadIconPicture(PictureFile& file) {
    const std::vector<std::uint8_t> bytes = file.ReadRest();
    file.ConfirmUnchanged();
    return ReadIconFile(bytes);
}

std::unique_ptr<Picture> ReadMetafilePicture(PictureFile& file) {
    const std::vector<std::uint8_t> bytes = file.ReadRest();
    file.ConfirmUnchanged();
    return ReadMetafileFile(bytes);
}

} // namespace quorvel
