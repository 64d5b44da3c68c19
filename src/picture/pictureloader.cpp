#include "picture/pictureloader.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/fileextension.h"
#include "picture/picturefile.h"
#include "picture/pictureformats.h"
#include "picture/raster/raster.h"

namespace quorvel {
namespace {

// The format the name's extension stands for, checked before the file is
// opened. Photos have no reader here: they are imported, never loaded as such.
const PictureFormat& LoadableFormatOf(const std::string& fileName) {
    const PictureFormat* format = FindPictureFormat(fileName);
    if (format == nullptr || format->read == nullptr) {
        throw Failure(WithText(kUnknownExtensionMessage, ExtensionOf(fileName)));
    }
    return *format;
}

} // namespace

std::unique_ptr<Picture> LoadPictureFile(const std::string& fileName) {
    const PictureFormat& format = LoadableFormatOf(fileName);
    PictureFile file(fileName);
    return format.read(file);
}

// The file is opened every time, so a file that was removed or made
// unreadable fails as it would at a first load. When it is still the very
// file the raster was read from, only what drawing changed is put back.
void ReloadPictureFile(const std::string& fileName, std::unique_ptr<Picture>& current) {
    const PictureFormat& format = LoadableFormatOf(fileName);
    PictureFile file(fileName);
    if (auto* raster = dynamic_cast<Raster*>(current.get()); raster != nullptr &&
                                                             format.kind == FormatKind::Bitmap &&
                                                             raster->CanRestore(file.Identity())) {
        raster->RestoreSource();
        return;
    }
    std::unique_ptr<Picture> loaded = format.read(file);
    if (current) {
        loaded->changeNotice_ = std::move(current->changeNotice_);
        loaded->areaNotice_ = std::move(current->areaNotice_);
    }
    current = std::move(loaded); // the old picture stays whole until this point
}

} // namespace quorvel
