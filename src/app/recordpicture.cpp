#include "app/recordpicture.h"

#include "picture/photo/photoimport.h"
#include "picture/photo/workingcopy.h"
#include "picture/picturefile.h"

#include <QFileInfo>

namespace quorvel {
namespace {

// Size and time tell without reading the photo whether it is still the one
// the copy was made from; a photo changed behind them is hashed on import.
bool PhotoStillIs(const std::string& photo, const PhotoIdentity& source) {
    if (!QFileInfo(QString::fromStdString(photo)).isFile()) {
        return true; // gone: the copy is all that is left of it
    }
    const FileIdentity now = PictureFile(photo).Identity();
    return now.size == source.size && now.modifiedNs == source.modifiedNs;
}

} // namespace

RecordPicture PictureOfRecord(const ResultRecord& record) {
    if (record.photo.empty()) {
        return {record.picture};
    }
    const QString copy = QString::fromStdString(record.picture);
    const bool copyKept = QFileInfo(copy).isFile();
    if (!record.photoIdentity) {
        return {copyKept ? record.picture : ImportPhoto(record.photo)};
    }
    const std::optional<PhotoIdentity> source = copyKept ? WorkingCopySource(copy) : std::nullopt;
    if (source && source->SameContent(*record.photoIdentity) &&
        PhotoStillIs(record.photo, *source)) {
        return {record.picture};
    }
    const std::string imported = ImportPhoto(record.photo);
    const std::optional<PhotoIdentity> now = WorkingCopySource(QString::fromStdString(imported));
    return {imported, !now || !now->SameContent(*record.photoIdentity)};
}

} // namespace quorvel
