// A photo result keeps the identity of the photo content it was made from.
// Reopened after the photo changed, it says so once and shows the photo as
// it is now; reopened with the photo unchanged, it says nothing.
#include "photowindowtest.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QMessageBox>
#include <thread>

namespace quorvel::testing {
namespace {

// The share of the picture's pixels that have `colour`.
double ShareOf(const QImage& picture, QRgb colour) {
    if (picture.isNull()) {
        return 0;
    }
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            count += picture.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return static_cast<double>(count) / (picture.width() * picture.height());
}

struct StaleCase {
    const char* name;
    bool photoEdited;
    bool importedAgain; // the edited photo imported before reopening
    bool cacheCleared;
};

class StaleWorkingCopyUsed : public PhotoWindowTest,
                             public ::testing::WithParamInterface<StaleCase> {
protected:
    void WritePhoto(Qt::GlobalColor colour) {
        QImage photo(160, 120, QImage::Format_RGB32);
        photo.fill(colour);
        ASSERT_TRUE(photo.save(Scratch("face.png")));
    }
};

TEST_P(StaleWorkingCopyUsed, ChangedPhotoToldOnceAndShown) {
    const StaleCase& c = GetParam();
    WritePhoto(Qt::red);
    Import(Scratch("face.png"));
    Press(80, 60);
    SaveAs(Scratch("result.png"));
    QFile saved(Scratch("result.json"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QJsonObject identity =
        QJsonDocument::fromJson(saved.readAll())["photo_identity"].toObject();
    EXPECT_EQ(identity["sha256"].toString().size(), 64);

    if (c.photoEdited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20)); // a later time
        WritePhoto(Qt::blue);
    }
    if (c.importedAgain) {
        Import(Scratch("face.png"));
    }
    if (c.cacheCleared) {
        ASSERT_TRUE(QDir(CacheFolder()).removeRecursively());
    }
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());

    int told = 0;
    QTimer notice;
    QObject::connect(&notice, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++told;
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            EXPECT_EQ(box->text(), QStringLiteral("写真 %1 は結果を保存した後に変更されています。"
                                                  "写真を取り込み直し、結果を重ねて表示します。")
                                       .arg(Scratch("face.png")));
            box->button(QMessageBox::Ok)->click();
        }
    });
    notice.start(5);
    OpenGiven(Scratch("result.json"));
    EXPECT_TRUE(log.reports.empty());
    EXPECT_EQ(told, c.photoEdited ? 1 : 0);
    EXPECT_EQ(Step(), 1);
    EXPECT_GT(ShareOf(Picture(), c.photoEdited ? qRgb(0, 0, 255) : qRgb(255, 0, 0)), 0.5)
        << "the photo as it is now, under the overlay";
}

INSTANTIATE_TEST_SUITE_P(Photos, StaleWorkingCopyUsed,
                         ::testing::Values(StaleCase{"UnchangedSaysNothing", false, false, false},
                                           StaleCase{"UnchangedCopyGoneSaysNothing", false, false,
                                                     true},
                                           StaleCase{"EditedAndImportedAgain", true, true, false},
                                           StaleCase{"EditedWhileCopyKept", true, false, false},
                                           StaleCase{"EditedAndCopyGone", true, false, true}),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel::testing
