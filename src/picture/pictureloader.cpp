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

std::unique_ptr<Picture> ReadIconOrMetafile(PictureKind kind, PictureFile& file) {
    const std::vector<std::uint8_t> bytes = file.ReadRest();
    return kind == PictureKind::Icon ? ReadIconFile(bytes) : ReadMetafileFile(bytes);
}

} // namespace

// Nothing is kept between loads: every load opens the file anew and reads it.
std::unique_ptr<Picture> LoadPictureFile(const std::string& fileName) {
    const PictureKind kind = PictureKindOf(fileName);
    PictureFile file(fileName);
    if (kind == PictureKind::Bitmap) {
        return ReadBitmap(file, nullptr);
    }
    return ReadIconOrMetafile(kind, file);
}

void ReloadPictureFile(const std::string& fileName, std::unique_ptr<Picture>& current) {
    const PictureKind kind = PictureKindOf(fileName);
    PictureFile file(fileName);
    std::unique_ptr<Picture> loaded;
    if (kind == PictureKind::Bitmap) {
        auto* old = dynamic_cast<Raster*>(current.get());
        std::unique_ptr<Raster> raster = ReadBitmap(file, old ? &old->ReusableMemory() : nullptr);
        if (old != nullptr) {
            raster->AdoptDisplayCopy(*old);
        }
        loaded = std::move(raster);
    } else {
        loaded = ReadIconOrMetafile(kind, file);
    }
    if (current) {
        loaded->changeNotice_ = std::move(current->changeNotice_);
    }
    current = std::move(loaded);
}

} // namespace quorvel
