#include "picture/photo/workingcopy.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorvel {
namespace {

// 128 bits of the hash keep names short and collisions out of reach.
constexpr int kNameDigits = 32;

} // namespace

QString WorkingCopyFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Quorvel");
}

QString WorkingCopyPath(const QString& photo) {
    const QByteArray canonical = QFileInfo(photo).canonicalFilePath().toUtf8();
    const QByteArray digest = QCryptographicHash::hash(canonical, QCryptographicHash::Sha256);
    return WorkingCopyFolder() + QLatin1Char('/') +
           QString::fromLatin1(digest.toHex().left(kNameDigits)) + QStringLiteral(".bmp");
}

} // namespace quorvel
