// A saved result reopens with the same field texts, step, age and picture,
// from a bitmap, or from a photo whose working copy has gone meanwhile.
#include "photowindowtest.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvel::testing {
namespace {

class ResultNotRestored : public PhotoWindowTest {};

TEST_F(ResultNotRestored, BitmapResultSavedBesideItReopensAsJudged) {
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    Press(200, 150);
    Click("RedrawButton");
    ASSERT_EQ(Text("LabelAP"), "66");
    const WindowSnapshot judged = Snapshot();
    const ModalAnswer answer([this](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        EXPECT_EQ(dialog->selectedFiles(),
                  QStringList{QFileInfo(SampleFace()).path() + "/face_quorvel.png"});
        dialog->selectFile(Scratch("result")); // ".png" is added
        QMetaObject::invokeMethod(dialog, "accept");
    });
    Trigger("SaveResultItem");

    QFile file(Scratch("result.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject record = QJsonDocument::fromJson(file.readAll()).object();
    EXPECT_EQ(record["program"], "Quorvel");
    EXPECT_EQ(record["version"], "1.2");
    EXPECT_EQ(record["picture"], SampleFace());
    EXPECT_TRUE(record["photo"].isNull());
    EXPECT_EQ(record["step"], 9);
    EXPECT_EQ(record["fields"]["cx"], "200");
    EXPECT_EQ(record["fields"]["x"], "0.303030303030303");
    EXPECT_EQ(record["age"], "66");
    const QDateTime saved = QDateTime::fromString(record["saved"].toString(), Qt::ISODate);
    EXPECT_LT(std::abs(saved.secsTo(QDateTime::currentDateTime())), 60);
    EXPECT_EQ(QImage(Scratch("result.png")), judged.picture);

    SetText("EditCX", "5");
    Click("BackButton");
    ConfirmInDialog([this] { Trigger("OpenResultItem"); }, Scratch("result.json"));
    EXPECT_EQ(Snapshot(), judged);
}

TEST_F(ResultNotRestored, PhotoResultImportsThePhotoAgainWhenItsCopyIsGone) {
    QImage sideways(60, 40, QImage::Format_RGB32);
    sideways.fill(0x808080);
    Import(ScratchFile("photo.jpg", JpegWithOrientation(sideways, 6)));
    Press(20, 20);
    Click("RedrawButton");
    const WindowSnapshot judged = Snapshot();
    SaveAs(Scratch("result.png"));
    ASSERT_TRUE(QDir(CacheFolder()).removeRecursively());
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());

    OpenGiven(Scratch("result.json"));
    EXPECT_EQ(Snapshot(), judged);
    EXPECT_EQ(QDir(CacheFolder()).entryList(QDir::Files).size(), 1);
}

} // namespace
} // namespace quorvel::testing
