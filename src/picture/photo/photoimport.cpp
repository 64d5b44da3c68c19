#include "picture/photo/photoimport.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/photo/photomessages.h"
#include "picture/photo/workingcopy.h"
#include "picture/raster/pixelmemory.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace quorvel {
namespace {

QImage ReadUpright(const QString& photo) {
    // Qt refuses images above 128 MiB of pixels by default, less than a
    // 50-megapixel camera photo; allow what a bitmap picture may take.
    QImageReader::setAllocationLimit(static_cast<int>(kPixelMemoryLimit >> 20));
    QImageReader reader(photo);
    reader.setAutoTransform(true); // EXIF orientation: phones store photos sideways
    QImage image = reader.read();
    if (image.isNull()) {
        throw Failure(WithText(kUnreadablePhotoMessage, photo.toStdString()));
    }
    return image;
}

// The bitmap has no alpha: transparent parts show as on a white page.
QImage Opaque(const QImage& image) {
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
    QImageWriter writer(&file, "bmp"); // Qt writes opaque images as 24-bit bottom-up BI_RGB
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) ||
        !writer.write(image) || !file.commit()) {
        throw Failure(WithText(kCannotWriteWorkingCopyMessage, path.toStdString()));
    }
}

} // namespace

QImage ReadUprightPhoto(const std::string& photoName) {
    const QImage opaque = Opaque(ReadUpright(QString::fromStdString(photoName)));
    if (opaque.isNull()) {
        throw Failure(kOutOfMemoryMessage);
    }
    return opaque;
}

std::string ImportPhoto(const std::string& photoName) {
    const QImage opaque = ReadUprightPhoto(photoName);
    const QString path = WorkingCopyPath(QString::fromStdString(photoName));
    WriteWorkingCopy(opaque, path);
    return path.toStdString();
}

} // namespace quorvel
