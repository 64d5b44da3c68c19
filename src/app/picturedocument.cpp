#include "app/picturedocument.h"

#include "app/recordpicture.h"
#include "app/resultrecord.h"
#include "face/facefields.h"
#include "face/judgementrange.h"
#include "face/pictureaccess.h"
#include "face/wizsteps.h"
#include "picture/photo/photoimport.h"
#include "picture/photo/workingcopy.h"
#include "picture/photo/workingcopyprune.h"

#include <QDateTime>

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
    PruneWorkingCopies(QString::fromStdString(workingCopy), QDateTime::currentDateTime());
}

bool PictureDocument::ReopenRecord(const std::string& recordFile, FaceFields& fields) {
    const ResultRecord record = ParseRecord(ReadRecordFile(recordFile), recordFile);
    const RecordPicture picture = PictureOfRecord(record);
    view_.LoadPicture(picture.fileName);
    picture_ = picture.fileName;
    photo_ = record.photo;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        fields.WriteText(static_cast<Field>(i), record.fields[i]);
    }
    step_ = record.step;
    return picture.photoChanged;
}

QString PictureDocument::SuggestedResultName() const {
    return quorvel::SuggestedResultName(FromPhoto() ? photo_ : picture_);
}

ResultPaths PictureDocument::ResultPathsFor(const QString& chosen) const {
    const ResultPaths paths = quorvel::ResultPathsFor(chosen);
    RefuseOverOriginals(paths, {picture_, photo_});
    return paths;
}

void PictureDocument::Save(const QImage& picture, const FaceFields& fields,
                           const ResultPaths& paths) const {
    // A photo's identity is the one its working copy was made from.
    const std::optional<PhotoIdentity> identity =
        FromPhoto() ? WorkingCopySource(QString::fromStdString(picture_)) : std::nullopt;
    // The range belongs to a judgement, which only the last step shows.
    const std::optional<AgeRange> range =
        step_ == wizstep::kJudged ? JudgeAgeRange(fields) : std::nullopt;
    ResultRecord record{picture_, photo_, step_, {}, fields.ReadText(Field::LabelAP),
                        identity, range};
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        record.fields[i] = fields.ReadText(static_cast<Field>(i));
    }
    SaveResultFiles(picture, RecordJson(record, QDateTime::currentDateTime()), paths);
}

} // namespace quorvel
