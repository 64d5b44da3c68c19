#include "picture/pictureloader.h"

#include "picture/bmp/bitmapreader.h"
#include "picture/fileextension.h"
#include "picture/icon/iconfile.h"
#include "picture/metafile/metafile.h"
#include "picture/picturefile.h"
#include "picture/raster/raster.h"

#include <vector>

namespace quorvel {
namespace {

// The whole file read into a new picture, in memory no one else sees yet.
std::unique_ptr<Picture> ReadPicture(PictureKind kind, PictureFile& file) {
    if (kind == PictureKind::Bitmap) {
        std::unique_ptr<Raster> raster = ReadBitmap(file);
        file.ConfirmUnchanged();
        raster->TrackSource(file.Identity(), !file.RecentlyModified());
        return raster;
    }
    const std::vector<std::uint8_t> bytes = file.ReadRest();
    file.ConfirmUnchanged();
    return kind == PictureKind::Icon ? ReadIconFile(bytes) : ReadMetafileFile(bytes);
}

} // namespace

std::unique_ptr<Picture> LoadPictureFile(const std::string& fileName) {
    const PictureKind kind = PictureKindOf(fileName);
    PictureFile file(fileName);
    return ReadPicture(kind, file);
}

// The file is opened every time, so a file that was removed or made
// unreadable fails as it would at a first load. When it is still the very
// file the raster was read from, only what drawing changed is put back.
void ReloadPictureFile(const std::string& fileName, std::unique_ptr<Picture>& current) {
    const PictureKind kind = PictureKindOf(fileName);
    PictureFile file(fileName);
    if (auto* raster = dynamic_cast<Raster*>(current.get());
        raster != nullptr && kind == PictureKind::Bitmap && raster->CanRestore(file.Identity())) {
        raster->RestoreSource();
        return;
    }
    std::unique_ptr<Picture> loaded = ReadPicture(kind, file);
    if (current) {
        loaded->changeNotice_ = std::move(current->changeNotice_);
        loaded->areaNotice_ = std::move(current->areaNotice_);
    }
    current = std::move(loaded); // the old picture stays whole until this point
}

} // namespace quorvel
