#include "numtext/failure.h"
#include "picture/picture.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

// Reads the bytes as an icon file and paints it, as the view would.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // Qt's warnings about odd input (pen widths, broken PNG data) would
    // flood the log and slow the runs.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto picture = quorvel::ReadIconFile({data, size});
        picture->Image();
    } catch (const quorvel::Failure&) {
        // A refusal with a message is a valid outcome.
    }
    return 0;
}
