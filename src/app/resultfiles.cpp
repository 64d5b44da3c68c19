#include "app/resultfiles.h"

#include "app/resultmessages.h"
#include "numtext/failure.h"
#include "picture/core/picturemessages.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

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
    QSaveFile imageFile(paths.image);
    QSaveFile recordFile(paths.record);
    QImageWriter writer(&imageFile, "png");
    // An uncommitted file is discarded with its temporary name when it goes.
    if (!imageFile.open(QIODevice::WriteOnly) || !recordFile.open(QIODevice::WriteOnly) ||
        !writer.write(picture) || recordFile.write(record) != record.size() ||
        !imageFile.commit()) {
        throw cannotSave;
    }
    if (!recordFile.commit()) {
        QFile::remove(paths.image);
        throw cannotSave;
    }
}

QByteArray ReadRecordFile(const std::string& fileName) {
    QFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        throw Failure(WithText(kCannotOpenMessage, fileName));
    }
    return file.readAll();
}

} // namespace quorvel
