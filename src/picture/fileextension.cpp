#include "picture/fileextension.h"

namespace quorvel {

std::string ExtensionOf(const std::string& fileName) {
    std::size_t at = fileName.find_last_of(".\\:/");
    if (at == std::string::npos || fileName[at] != '.') {
        return {};
    }
    return fileName.substr(at + 1);
}

} // namespace quorvel
