#include "app/picturedocument.h"

#include "app/resultrecord.h"
#include "face/facefields.h"
#include "face/pictureaccess.h"
#include "face/wizsteps.h"
#include "picture/photo/photoimport.h"

#include <QDateTime>
#include <QFileInfo>

namespace quorvel {

PictureDocument::PictureDocument(PictureAccess& view) : view_(view) {}

void PictureDocument::OpenPicture(const std::string& fileName) {
    view_.LoadPicture(fileName);
    picture_ = fileName;
    photo_.clear();
    step_ = wizstep::kCentre;
}

void PictureDocument::ChoosePicture(const std::string& fileName) {
    picture_ = fileName;
    photo_.clear();
    OpenPicture(fileName);
}

void PictureDocument::ImportPhoto(const std::string& photo) {
    const std::string workingCopy = quorvel::ImportPhoto(photo);
    view_.LoadPicture(workingCopy);
    picture_ = workingCopy;
    photo_ = photo;
    step_ = wizstep::kCentre;
}

void PictureDocument::ReopenRecord(const std::string& recordFile, FaceFields& fields) {
    const ResultRecord record = ParseRecord(ReadRecordFile(recordFile), recordFile);
    picture_ = LoadRecordPicture(record);
    photo_ = record.photo;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        fields.WriteText(static_cast<Field>(i), record.fields[i]);
    }
    step_ = record.step;
}

// A photo whose working copy is gone (a cleared cache) is imported again.
std::string PictureDocument::LoadRecordPicture(const ResultRecord& record) {
    const bool copyKept = QFileInfo::exists(QString::fromStdString(record.picture));
    const std::string picture =
        record.photo.empty() || copyKept ? record.picture : quorvel::ImportPhoto(record.photo);
    view_.LoadPicture(picture);
    return picture;
}

QString PictureDocument::SuggestedResultName() const {
    return quorvel::SuggestedResultName(FromPhoto() ? photo_ : picture_);
}

ResultPaths PictureDocument::Save(const QImage& picture, const FaceFields& fields,
                                  const QString& chosen) const {
    ResultRecord record{picture_, photo_, step_, {}, fields.ReadText(Field::LabelAP)};
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        record.fields[i] = fields.ReadText(static_cast<Field>(i));
    }
    const ResultPaths paths = ResultPathsFor(chosen);
    SaveResultFiles(picture, RecordJson(record, QDateTime::currentDateTime()), paths);
    return paths;
}

} // namespace quorvel
