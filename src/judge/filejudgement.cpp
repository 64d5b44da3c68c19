#include "judge/filejudgement.h"

#include "app/resultmessages.h"
#include "app/resultrecord.h"
#include "detect/detectmessages.h"
#include "detect/landmarkmodel.h"
#include "detect/landmarkproposal.h"
#include "face/face.h"
#include "judge/judgemessages.h"
#include "judge/textfields.h"
#include "numtext/failure.h"
#include "numtext/parseint.h"
#include "picture/core/picturemessages.h"
#include "picture/fileextension.h"
#include "picture/photo/photoformats.h"
#include "picture/photo/photoimport.h"
#include "picture/pictureloader.h"
#include "picture/raster/imageraster.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>

namespace quorvel {
namespace {

constexpr const char* kRecordExtension = "json";
constexpr std::size_t kFieldCount = 11;

// The judgement without an overlay to keep: strokes go nowhere.
class NoDrawing final : public DrawingSurface {
public:
    void SetPenWidth(int) override {}
    void SetPenColor(std::uint32_t) override {}
    void MoveTo(std::int32_t, std::int32_t) override {}
    void LineTo(std::int32_t, std::int32_t) override {}
    void Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
};

// The redraw's view of a picture held here; it is never reloaded, as the
// redraw is given no file name.
class HeldPicture final : public PictureAccess {
public:
    explicit HeldPicture(DrawingSurface& surface) : surface_(surface) {}
    void LoadPicture(const std::string&) override {}
    DrawingSurface& GetDrawingSurface() override { return surface_; }

private:
    DrawingSurface& surface_;
};

bool IsRecord(const std::string& file) {
    return QString::fromStdString(ExtensionOf(file))
               .compare(kRecordExtension, Qt::CaseInsensitive) == 0;
}

QImage UprightPicture(const std::string& file) {
    if (IsPhotoFileName(file)) {
        return ReadUprightPhoto(file);
    }
    return LoadPictureFile(file)->Image();
}

// The redraw of step 9 on `surface`: every layer, then the judgement.
void Judge(TextFields& fields, DrawingSurface& surface, FileJudgement& out) {
    HeldPicture picture(surface);
    RedrawOverlay(wizstep::kJudged, fields, "", picture);
    const std::string age = fields.ReadText(Field::LabelAP);
    if (fields.ReadText(Field::EditX) == "Error") {
        throw Failure(kNotJudgedMessage);
    }
    out.age = ParseInt(age);
    out.ageRange = JudgeAgeRange(fields);
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        out.fields[i] = fields.ReadText(static_cast<Field>(i));
    }
}

void WriteOverlay(const Raster& raster, const std::string& file, const std::string& dir) {
    const QString path =
        QDir(QString::fromStdString(dir))
            .filePath(QFileInfo(QString::fromStdString(file)).completeBaseName() + ".png");
    if (!QDir().mkpath(QString::fromStdString(dir)) || !raster.Image().save(path, "PNG")) {
        throw Failure(WithText(kCannotWriteOverlayMessage, path.toStdString()));
    }
}

void JudgePicture(const std::string& file, const JudgeSettings& settings, const FaceFinder& finder,
                  FileJudgement& out) {
    const QImage picture = UprightPicture(file);
    const std::optional<FaceLandmarks> landmarks = ProposeLandmarks(finder, picture);
    if (!landmarks) {
        throw Failure(kNoFaceMessage);
    }
    out.landmarks = landmarks;
    TextFields fields;
    fields.WriteText(Field::EditMO, settings.mo);
    fields.WriteText(Field::EditE, settings.e);
    PlaceLandmarks(*landmarks, fields);
    if (settings.overlayDir.empty()) {
        NoDrawing nowhere;
        Judge(fields, nowhere, out);
        return;
    }
    const std::unique_ptr<Raster> raster = MakeImageRaster(picture);
    Judge(fields, raster->GetDrawingSurface(), out);
    WriteOverlay(*raster, file, settings.overlayDir);
}

void JudgeRecord(const std::string& file, FileJudgement& out) {
    QFile in(QString::fromStdString(file));
    if (!in.open(QIODevice::ReadOnly)) {
        throw Failure(WithText(kCannotOpenMessage, file));
    }
    const ResultRecord record = ParseRecord(in.readAll(), file);
    TextFields fields;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        fields.WriteText(static_cast<Field>(i), record.fields[i]);
    }
    out.savedAge = record.age;
    NoDrawing nowhere;
    Judge(fields, nowhere, out);
}

} // namespace

FileJudgement JudgeFile(const std::string& file, const JudgeSettings& settings,
                        LandmarkModel& model) {
    auto started = std::chrono::steady_clock::now();
    FileJudgement out;
    out.file = file;
    try {
        if (IsRecord(file)) {
            JudgeRecord(file, out);
        } else {
            // The time of a file is its own, not that of loading the model.
            const FaceFinder& finder = model.Wait();
            started = std::chrono::steady_clock::now();
            JudgePicture(file, settings, finder, out);
        }
    } catch (const std::exception& failure) {
        // The command line's one report: this file's line; the others go on.
        out = FileJudgement{};
        out.file = file;
        out.error = failure.what();
    }
    out.ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                 std::chrono::steady_clock::now() - started)
                 .count();
    return out;
}

} // namespace quorvel
