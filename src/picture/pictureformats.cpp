#include "picture/pictureformats.h"

#include "picture/fileextension.h"
#include "picture/picturereaders.h"

namespace quorvel {
namespace {

// Only ASCII letters change: every known extension is ASCII, and a UTF-8 name
// has no byte below 0x80 inside a longer character.
std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

} // namespace

// The order is the order of the desktop entry's MIME types and of each
// dialog filter's patterns.
constinit const std::array<PictureFormat, 10> kPictureFormats{{
    {FormatKind::Bitmap, "bmp", "image/bmp", &ReadBitmapPicture},
    {FormatKind::Icon, "ico", "image/vnd.microsoft.icon", &ReadIconPicture},
    {FormatKind::Metafile, "wmf", "image/wmf", &ReadMetafilePicture},
    {FormatKind::Metafile, "emf", "image/emf", &ReadMetafilePicture},
    {FormatKind::Photo, "jpg", "image/jpeg", nullptr},
    {FormatKind::Photo, "jpeg", "image/jpeg", nullptr},
    {FormatKind::Photo, "png", "image/png", nullptr},
    {FormatKind::Photo, "tif", "image/tiff", nullptr},
    {FormatKind::Photo, "tiff", "image/tiff", nullptr},
    {FormatKind::Photo, "webp", "image/webp", nullptr},
}};

const PictureFormat* FindPictureFormat(const std::string& fileName) {
    const std::string extension = AsciiLower(ExtensionOf(fileName));
    for (const PictureFormat& format : kPictureFormats) {
        if (extension == format.extension) {
            return &format;
        }
    }
    return nullptr;
}

bool IsPhotoFileName(const std::string& fileName) {
    const PictureFormat* format = FindPictureFormat(fileName);
    return format != nullptr && format->kind == FormatKind::Photo;
}

} // namespace quorvel
