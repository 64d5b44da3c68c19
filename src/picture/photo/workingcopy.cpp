#include "picture/photo/workingcopy.h"

#include "picture/photo/photoidentityjson.h"
#include "picture/picturefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace quorvel {
namespace {

// 128 bits of the hash keep names short and collisions out of reach.
constexpr int kNameDigits = 32;
// Far more than the few lines of bookkeeping need.
constexpr std::uint64_t kSourceSizeLimit = 4096;

QString SourcePath(const QString& copy) {
    const QFileInfo info(copy);
    return info.path() + QStringLiteral("/sources/") + info.completeBaseName() +
           QStringLiteral(".json");
}

} // namespace

QString WorkingCopyFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Quorvel");
}

bool MakePrivateFolder(const QString& folder) {
    return QDir().mkpath(folder) &&
           QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
}

QString WorkingCopyPath(const QString& photo) {
    const QByteArray canonical = QFileInfo(photo).canonicalFilePath().toUtf8();
    const QByteArray digest = QCryptographicHash::hash(canonical, QCryptographicHash::Sha256);
    return WorkingCopyFolder() + QLatin1Char('/') +
           QString::fromLatin1(digest.toHex().left(kNameDigits)) + QStringLiteral(".bmp");
}

std::optional<PhotoIdentity> WorkingCopySource(const QString& copy) {
    const std::string path = SourcePath(copy).toStdString();
    if (!QFileInfo::exists(QString::fromStdString(path))) {
        return std::nullopt;
    }
    PictureFile file(path);
    if (file.Remaining() > kSourceSizeLimit) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t> bytes = file.ReadRest();
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray(
        reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    return IdentityFromJson(document.object());
}

bool WriteWorkingCopySource(const QString& copy, const PhotoIdentity& source) {
    const QString path = SourcePath(copy);
    const QByteArray json = QJsonDocument(IdentityJson(source)).toJson(QJsonDocument::Compact);
    QSaveFile file(path);
    return MakePrivateFolder(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
           file.write(json) == json.size() && file.commit();
}

void ForgetWorkingCopySource(const QString& copy) {
    QFile::remove(SourcePath(copy));
}

} // namespace quorvel
