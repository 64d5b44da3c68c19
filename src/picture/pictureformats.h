#pragma once

#include "picture/core/picture.h"
#include "picture/picturereaders.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace quorvel {

class PictureFile;

// What becomes of a file of a format: a picture the loader reads, or a photo
// the import turns into a bitmap working copy first.
enum class FormatKind { Bitmap, Icon, Metafile, Photo };

// Reads the opened file whole into a new picture no one else sees yet.
using PictureReader = std::unique_ptr<Picture> (*)(PictureFile& file);

struct PictureFormat {
    FormatKind kind;
    std::string_view extension; // lower case, without the dot
    std::string_view mimeType;
    PictureReader read; // null for photos, which ImportPhoto reads
};

// Every file format the program takes, one row per extension. The loader,
// the open dialogs' filters and the desktop entry's MimeType line are all
// made from this table; its order is the order of the desktop entry's MIME
// types and of each filter's patterns.
inline constexpr std::array kPictureFormats{
    PictureFormat{FormatKind::Bitmap, "bmp", "image/bmp", &ReadBitmapPicture},
    PictureFormat{FormatKind::Icon, "ico", "image/vnd.microsoft.icon", &ReadIconPicture},
    PictureFormat{FormatKind::Metafile, "wmf", "image/wmf", &ReadMetafilePicture},
    PictureFormat{FormatKind::Metafile, "emf", "image/emf", &ReadMetafilePicture},
    PictureFormat{FormatKind::Photo, "jpg", "image/jpeg", nullptr},
    PictureFormat{FormatKind::Photo, "jpeg", "image/jpeg", nullptr},
    PictureFormat{FormatKind::Photo, "png", "image/png", nullptr},
    PictureFormat{FormatKind::Photo, "tif", "image/tiff", nullptr},
    PictureFormat{FormatKind::Photo, "tiff", "image/tiff", nullptr},
    PictureFormat{FormatKind::Photo, "webp", "image/webp", nullptr},
};

// The row of the name's extension (ExtensionOf), ASCII case ignored; null
// for any other name.
const PictureFormat* FindPictureFormat(const std::string& fileName);

// Whether the name's extension is one of the photo rows'.
bool IsPhotoFileName(const std::string& fileName);

} // namespace quorvel
