#include "picture/photo/photoimport.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/photo/photoidentity.h"
#include "picture/photo/photomessages.h"
#include "picture/photo/workingcopy.h"
#include "picture/picturefile.h"
#include "picture/raster/pixelmemory.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <utility>

namespace quorvel {
namespace {

// Qt's names of the formats a photo may have, judged by its content: any
// other format Qt knows (an SVG with links to local files, say) is refused.
constexpr std::array<const char*, 4> kPhotoFormats{"jpeg", "png", "tiff", "webp"};

struct PhotoBytes {
    QByteArray bytes;
    PhotoIdentity identity;
};

PhotoBytes ReadPhoto(const std::string& photoName) {
    const auto unreadable = [&] { return Failure(WithText(kUnreadablePhotoMessage, photoName)); };
    if (!QFileInfo(QString::fromStdString(photoName)).isFile()) {
        throw unreadable(); // before opening: a pipe would be refused as a file
    }
    PictureFile file(photoName);
    const std::vector<std::uint8_t> read = file.ReadRest();
    file.ConfirmUnchanged();
    QByteArray bytes(reinterpret_cast<const char*>(read.data()),
                     static_cast<qsizetype>(read.size()));
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    return {std::move(bytes),
            {file.Identity().size, file.Identity().modifiedNs, digest.toStdString()}};
}

QImage ReadUpright(const QByteArray& bytes, const std::string& photoName) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (format.isEmpty()) {
        throw Failure(WithText(kUnreadablePhotoMessage, photoName));
    }
    if (std::none_of(kPhotoFormats.begin(), kPhotoFormats.end(),
                     [&](const char* accepted) { return format == accepted; })) {
        throw Failure(WithText(kNotAPhotoFormatMessage, photoName));
    }
    // Qt refuses images above 128 MiB of pixels by default, less than a
    // 50-megapixel camera photo; allow what a bitmap picture may take.
    QImageReader::setAllocationLimit(static_cast<int>(kPixelMemoryLimit >> 20));
    buffer.seek(0);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false); // only the plug-in of the format found
    reader.setAutoTransform(true);          // EXIF orientation: phones store photos sideways
    QImage image = reader.read();
    if (image.isNull()) {
        throw Failure(WithText(kUnreadablePhotoMessage, photoName));
    }
    return image;
}

bool IsMono(const QImage& image) {
    return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
}

bool IsGrey(const QImage& image) {
    return image.format() == QImage::Format_Grayscale8 ||
           image.format() == QImage::Format_Grayscale16;
}

// The bits per pixel of the copy: the bitmap has no alpha, so transparent
// parts show as on a white page in 24 bits; 1-bit and grey photos keep their
// few bits, so a tiny photo of a huge size stays a small copy.
int CopyBits(const QImage& image) {
    if (image.hasAlphaChannel()) {
        return 24;
    }
    return IsMono(image) ? 1 : IsGrey(image) ? 8 : 24;
}

// Checked before converting, so nothing is allocated for a copy the picture
// loading would refuse.
void RefuseOversized(const QImage& image) {
    constexpr std::uint64_t kRowAlignBits = 32;
    const auto bits = static_cast<std::uint64_t>(CopyBits(image));
    const std::uint64_t stride =
        (static_cast<std::uint64_t>(image.width()) * bits + kRowAlignBits - 1) / kRowAlignBits * 4;
    if (stride * static_cast<std::uint64_t>(image.height()) > kPixelMemoryLimit) {
        throw Failure(kOutOfMemoryMessage);
    }
}

QImage ForCopy(const QImage& image) {
    switch (CopyBits(image)) {
    case 1:
        return image.convertToFormat(QImage::Format_Mono);
    case 8:
        return image.convertToFormat(QImage::Format_Grayscale8);
    default:
        break;
    }
    if (!image.hasAlphaChannel()) {
        return image.convertToFormat(QImage::Format_RGB32);
    }
    QImage opaque(image.size(), QImage::Format_RGB32);
    if (opaque.isNull()) {
        return opaque;
    }
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, image);
    return opaque;
}

// Written under a temporary name and renamed, so a reader never meets half a
// copy and a failed write leaves the old copy.
void WriteWorkingCopy(const QImage& image, const QString& path) {
    QSaveFile file(path);
    // Qt writes opaque images as bottom-up BI_RGB bitmaps: 1-bit, grey as
    // 8-bit with a grey palette, the rest in 24 bits.
    QImageWriter writer(&file, "bmp");
    if (!MakePrivateFolder(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        !writer.write(image) || !file.commit()) {
        throw Failure(WithText(kCannotWriteWorkingCopyMessage, path.toStdString()));
    }
}

// The working copy's pixels: upright, opaque and no larger than a bitmap may be.
QImage CopyOf(const PhotoBytes& photo, const std::string& photoName) {
    const QImage upright = ReadUpright(photo.bytes, photoName);
    RefuseOversized(upright);
    const QImage copy = ForCopy(upright);
    if (copy.isNull()) {
        throw Failure(kOutOfMemoryMessage);
    }
    return copy;
}

} // namespace

QImage ReadUprightPhoto(const std::string& photoName) {
    // A grey or 1-bit photo keeps its few bits in the working copy, which
    // reads back as 32-bit pixels: so are they here.
    const QImage pixels =
        CopyOf(ReadPhoto(photoName), photoName).convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull()) {
        throw Failure(kOutOfMemoryMessage);
    }
    return pixels;
}

std::string ImportPhoto(const std::string& photoName) {
    const PhotoBytes photo = ReadPhoto(photoName);
    const QImage copy = CopyOf(photo, photoName);
    const QString path = WorkingCopyPath(QString::fromStdString(photoName));
    // The old bookkeeping goes first: a copy is never taken for another photo's.
    ForgetWorkingCopySource(path);
    WriteWorkingCopy(copy, path);
    if (!WriteWorkingCopySource(path, photo.identity)) {
        QFile::remove(path); // a copy of unknown origin could be taken for another photo's
        throw Failure(WithText(kCannotWriteWorkingCopyMessage, path.toStdString()));
    }
    return path.toStdString();
}

} // namespace quorvel
