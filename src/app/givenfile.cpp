#include "app/givenfile.h"

#include "picture/pictureformats.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace quorvel {

GivenFileKind GivenFileKindOf(const std::string& fileName) {
    const QString suffix = QFileInfo(QString::fromStdString(fileName)).suffix();
    if (suffix.compare(QLatin1String("json"), Qt::CaseInsensitive) == 0) {
        return GivenFileKind::Result;
    }
    return IsPhotoFileName(fileName) ? GivenFileKind::Photo : GivenFileKind::Picture;
}

QString GivenFileName(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '\0' || argv[1][0] == '-') {
        return {};
    }
    return QFileInfo(QFile::decodeName(argv[1])).absoluteFilePath();
}

QString DroppedFileName(const QMimeData* data) {
    const QList<QUrl> urls = data != nullptr ? data->urls() : QList<QUrl>();
    if (urls.isEmpty() || !urls.front().isLocalFile()) {
        return {};
    }
    return urls.front().toLocalFile();
}

} // namespace quorvel
