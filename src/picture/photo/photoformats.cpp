#include "picture/photo/photoformats.h"

#include <QFileInfo>
#include <QString>

namespace quorvel {

bool IsPhotoFileName(const std::string& fileName) {
    const QString suffix = QFileInfo(QString::fromStdString(fileName)).suffix();
    for (const char* extension : kPhotoExtensions) {
        if (suffix.compare(QLatin1String(extension), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace quorvel
