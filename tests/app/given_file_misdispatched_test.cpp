// A file named at start-up or dropped on the window is opened by its
// extension, case ignored: a bitmap opened, a photo imported, a result
// reopened, anything else refused by the picture loading.
#include "photowindowtest.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>

namespace quorvel::testing {
namespace {

struct GivenCase {
    const char* name;
    const char* fileName;
    int step;
    QSize picture;
    double zoom;        // a photo is fitted to the window, a bitmap shown at its own pixels
    const char* report; // empty: none
};

class GivenFileMisdispatched : public PhotoWindowTest,
                               public ::testing::WithParamInterface<std::tuple<GivenCase, bool>> {
protected:
    void MakeFiles() {
        ASSERT_TRUE(QFile::copy(SampleFace(), Scratch("FACE.BMP")));
        ScratchFile("PHOTO.JPG", JpegWithOrientation(QImage(SampleFace()).scaled(30, 20), 1));
        ScratchFile("result.Json", Record());
        ScratchFile("notes.txt", "notes");
    }
    void Drop(const QString& fileName) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(fileName)});
        // Qt hands a drop to the widget that accepted the drag's entry.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &drop);
        EXPECT_TRUE(drop.isAccepted());
        QCoreApplication::processEvents();
    }
};

TEST_P(GivenFileMisdispatched, OpensByExtension) {
    const auto& [c, dropped] = GetParam();
    MakeFiles();
    dropped ? Drop(Scratch(c.fileName)) : OpenGiven(Scratch(c.fileName));
    EXPECT_EQ(Step(), c.step);
    EXPECT_EQ(Picture().size(), c.picture);
    EXPECT_EQ(Get<PictureView>("Image")->Zoom(), c.zoom);
    ASSERT_EQ(log.reports.size(), c.report[0] == '\0' ? 0u : 1u);
    if (!log.reports.empty()) {
        EXPECT_EQ(log.reports[0].text.toStdString(), c.report);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, GivenFileMisdispatched,
    ::testing::Combine(
        ::testing::Values(GivenCase{"BitmapOpened", "FACE.BMP", 1, QSize(512, 512), 1, ""},
                          GivenCase{"PhotoImported", "PHOTO.JPG", 1, QSize(30, 20), 8, ""},
                          GivenCase{"ResultReopened", "result.Json", 3, QSize(512, 512), 1, ""},
                          GivenCase{"TextRefusedByTheLoad", "notes.txt", 0, QSize(0, 0), 1,
                                    "拡張子 .txt の画像形式は処理できません."}),
        ::testing::Bool()),
    [](const auto& param) {
        return std::string(std::get<0>(param.param).name) +
               (std::get<1>(param.param) ? "Dropped" : "Given");
    });

} // namespace
} // namespace quorvel::testing
