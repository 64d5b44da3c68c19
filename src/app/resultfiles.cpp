#include "app/resultfiles.h"

#include "app/resultmessages.h"
#include "app/setaside.h"
#include "app/stagedfile.h"
#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/picturefile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <sys/stat.h>

namespace quorvel {

ResultPaths ResultPathsFor(const QString& chosen) {
    QString image = chosen;
    if (QFileInfo(image).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0) {
        image += QStringLiteral(".png");
    }
    const QFileInfo info(image);
    return {image,
            info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".json")};
}

QString SuggestedResultName(const std::string& original) {
    const QFileInfo info(QString::fromStdString(original));
    return info.path() + QLatin1Char('/') + info.completeBaseName() +
           QStringLiteral("_quorvel.png");
}

void SaveResultFiles(const QImage& picture, const QByteArray& record, const ResultPaths& paths) {
    const Failure cannotSave(WithText(kCannotSaveResultMessage, paths.image.toStdString()));
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !QImageWriter(&buffer, "png").write(picture)) {
        throw cannotSave;
    }
    // Both are written and on the disk before either name changes.
    StagedFile imageFile(paths.image);
    StagedFile recordFile(paths.record);
    if (!imageFile.Write(png) || !recordFile.Write(record)) {
        throw cannotSave;
    }
    // The old picture stays aside until the record is in place; the old
    // record is only replaced by the last step.
    SetAside oldImage(paths.image);
    if (!imageFile.Commit()) {
        oldImage.PutBack();
        throw cannotSave;
    }
    if (!recordFile.Commit()) {
        if (oldImage.Kept()) {
            oldImage.PutBack();
        } else {
            QFile::remove(paths.image);
        }
        throw cannotSave;
    }
}

void RefuseOverOriginals(const ResultPaths& paths, const std::vector<std::string>& originals) {
    for (const QString& target : {paths.image, paths.record}) {
        struct stat saved {};
        // The name itself: a link there is replaced, not what it points to.
        if (::lstat(QFile::encodeName(target).constData(), &saved) != 0) {
            continue;
        }
        for (const std::string& original : originals) {
            struct stat kept {};
            if (!original.empty() && ::stat(original.c_str(), &kept) == 0 &&
                kept.st_dev == saved.st_dev && kept.st_ino == saved.st_ino) {
                throw Failure(WithText(kOverOriginalMessage, target.toStdString()));
            }
        }
    }
}

QByteArray ReadRecordFile(const std::string& fileName) {
    PictureFile file(fileName);
    if (file.Remaining() > kRecordSizeLimit) {
        throw Failure(WithText(kInvalidRecordMessage, fileName) + "（" + kRecordTooLargeReason +
                      "）");
    }
    const std::vector<std::uint8_t> bytes = file.ReadRest();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

} // namespace quorvel
