#include "exifjpeg.h"

#include <QBuffer>
#include <QImageWriter>

namespace quorvel::testing {

QByteArray JpegWithOrientation(const QImage& stored, int orientation) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(stored);
    // A big-endian TIFF header and one IFD entry: Orientation (0x0112), SHORT, count 1.
    const char tiff[] = {'M',  'M',  0, 42, 0, 0, 0, 8, 0, 1,
                         0x01, 0x12, 0, 3,  0, 0, 0, 1, 0, static_cast<char>(orientation),
                         0,    0,    0, 0,  0, 0};
    const QByteArray payload = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff);
    const int length = static_cast<int>(payload.size()) + 2;
    const char marker[] = {'\xFF', '\xE1', static_cast<char>(length >> 8),
                           static_cast<char>(length & 0xFF)};
    return jpeg.insert(2, QByteArray(marker, sizeof marker) + payload); // right after SOI
}

} // namespace quorvel::testing
