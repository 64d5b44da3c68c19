#pragma once

#include "app/resultfiles.h"

#include <QString>
#include <string>

class QImage;

namespace quorvel {

class FaceFields;
class PictureAccess;
struct ResultRecord;

// What the main window works on: the file every redraw reloads, the photo that
// file was imported from and the step of the procedure. Each operation loads
// its picture into the view before it changes anything, so a picture, photo
// or record that is refused leaves the document as it was; the window then
// shows the answer.
class PictureDocument {
public:
    explicit PictureDocument(PictureAccess& view);

    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }
    // Empty until a picture was chosen, opened or reopened.
    const std::string& PictureName() const { return picture_; }
    // A photo's working copy starts fitted to the window, being many screens
    // large; a bitmap starts at its own pixels.
    bool FromPhoto() const { return !photo_.empty(); }
    // The photo the picture was imported from; empty for a bitmap.
    const std::string& PhotoName() const { return photo_; }

    // A picture named at start-up or dropped, at step 1.
    void OpenPicture(const std::string& fileName);
    // A picture confirmed in the open dialog: its name is taken even when it
    // fails to load, so every redraw tries it again until another is chosen.
    void ChoosePicture(const std::string& fileName);
    // The photo's working copy (made anew), at step 1; old copies of other
    // photos are pruned from the cache.
    void ImportPhoto(const std::string& photo);
    // The record is checked whole and its picture loaded before the fields,
    // the step or the names change. True when the record's photo has changed
    // since the result was saved and was imported again.
    bool ReopenRecord(const std::string& recordFile, FaceFields& fields);
    // Beside the photo, or else the bitmap, the result is of.
    QString SuggestedResultName() const;
    // The result's two names for the name chosen; refused over the photo or
    // the picture the result is of.
    ResultPaths ResultPathsFor(const QString& chosen) const;
    // The picture as shown and the record of the document and the fields.
    void Save(const QImage& picture, const FaceFields& fields, const ResultPaths& paths) const;

private:

    PictureAccess& view_;
    int step_ = 0;
    std::string picture_;
    std::string photo_;
};

} // namespace quorvel
