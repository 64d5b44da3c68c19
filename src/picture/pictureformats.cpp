#include "picture/pictureformats.h"

#include "picture/fileextension.h"

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
