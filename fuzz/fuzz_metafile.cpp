#include "numtext/failure.h"
#include "picture/picture.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

// Reads the bytes as a metafile file and plays it, as the view would. Only
// pictures up to a million pixels are played, to keep runs fast; larger ones
// exercise the same records at a larger scale.
// Fontconfig keeps the patterns of every font the text records ask for in
// caches that live until exit; they are not leaks of the reader.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // Qt's warnings about odd input (pen widths, broken PNG data) would
    // flood the log and slow the runs.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr long long kMaxPlayedPixels = 1000 * 1000;
    try {
        const auto picture = quorvel::ReadMetafileFile({data, size});
        if (static_cast<long long>(picture->Width()) * picture->Height() <= kMaxPlayedPixels) {
            picture->Image();
        }
    } catch (const quorvel::Failure&) {
        // A refusal with a message is a valid outcome.
    }
    return 0;
}
