#include "referencemetafiles.h"
#include "referencerendering.h"

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

// Rewrites the reference renderings of the metafiles in a folder after an
// intended change to how metafiles are drawn; with --metafiles it first
// rewrites the metafiles themselves from their generator. Run through
// scripts/regenerate-metafile-references.sh.
//   metafile_references FOLDER [--metafiles]

namespace {

void WriteMetafiles(const std::filesystem::path& folder) {
    for (const quorvel::test::ReferenceMetafile& metafile : quorvel::test::ReferenceMetafiles()) {
        std::ofstream out(folder / metafile.fileName, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(metafile.content.data()),
                  static_cast<std::streamsize>(metafile.content.size()));
    }
}

bool IsMetafile(const std::filesystem::path& path) {
    return path.extension() == ".emf" || path.extension() == ".wmf";
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3 || (argc == 3 && std::string(argv[2]) != "--metafiles")) {
        std::fprintf(stderr, "usage: %s FOLDER [--metafiles]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    if (argc == 3) {
        WriteMetafiles(folder);
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!IsMetafile(entry.path())) {
            continue;
        }
        const quorvel::test::Rendering rendering =
            quorvel::test::RenderMetafile(quorvel::test::ReadFileBytes(entry.path()));
        const std::filesystem::path png = quorvel::test::ReferencePath(entry.path());
        if (!rendering.image.save(QString::fromStdString(png.string()), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", png.c_str());
            return 1;
        }
        std::printf("%s: %zu record types played, %zu too short\n", png.c_str(),
                    rendering.tally.played.size(), rendering.tally.tooShort);
    }
    return 0;
}
