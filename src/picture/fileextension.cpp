#include "picture/fileextension.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"

#include <array>
#include <utility>

namespace quorvel {
namespace {

// Searched in this order; held in lower case.
constexpr std::array<std::pair<const char*, PictureKind>, 4> kPictureFormats{{
    {"wmf", PictureKind::Metafile},
    {"emf", PictureKind::Metafile},
    {"ico", PictureKind::Icon},
    {"bmp", PictureKind::Bitmap},
}};

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

std::string ExtensionOf(const std::string& fileName) {
    std::size_t at = fileName.find_last_of(".\\:/");
    if (at == std::string::npos || fileName[at] != '.') {
        return {};
    }
    return fileName.substr(at + 1);
}

PictureKind PictureKindOf(const std::string& fileName) {
    const std::string extension = ExtensionOf(fileName);
    const std::string lower = AsciiLower(extension);
    for (const auto& [known, kind] : kPictureFormats) {
        if (lower == known) {
            return kind;
        }
    }
    throw Failure(WithText(kUnknownExtensionMessage, extension));
}

} // namespace quorvel
