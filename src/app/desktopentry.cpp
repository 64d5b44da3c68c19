// Build tool: writes the desktop entry with its MimeType key set to the MIME
// types of the format table, so file managers offer the program for exactly
// the files it takes.
//
//     desktopentry TEMPLATE OUTPUT

#include "picture/pictureformats.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {
namespace {

constexpr std::string_view kMimeTypeKey = "MimeType=";

// Each MIME type once, in table order, each ended by ";" as the key's list
// syntax asks.
std::string MimeTypes() {
    std::vector<std::string_view> seen;
    std::string types;
    for (const PictureFormat& format : kPictureFormats) {
        if (std::find(seen.begin(), seen.end(), format.mimeType) == seen.end()) {
            seen.push_back(format.mimeType);
            types.append(format.mimeType).append(";");
        }
    }
    return types;
}

// Copies the template, replacing the value of its one MimeType key; false
// when there is no such key or a file fails.
bool WriteEntry(const char* templateName, const char* outputName) {
    std::ifstream in(templateName);
    std::ofstream out(outputName);
    int keys = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(kMimeTypeKey)) {
            line = std::string(kMimeTypeKey) + MimeTypes();
            ++keys;
        }
        out << line << '\n';
    }
    out.close();
    return in.eof() && !out.fail() && keys == 1;
}

} // namespace
} // namespace quorvel

int main(int argc, char** argv) {
    if (argc != 3 || !quorvel::WriteEntry(argv[1], argv[2])) {
        std::fprintf(stderr, "usage: desktopentry TEMPLATE OUTPUT (one MimeType= line)\n");
        return 1;
    }
    return 0;
}
