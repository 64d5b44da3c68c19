// A file named at start-up or dropped on the window is opened by its
// extension, case ignored: a bitmap opened, a photo imported, a result
// reopened, anything else refused by the picture loading.
#include "app/givenfile.h"
#include "photowindowtest.h"

#include <QCoreApplication>
#include <QDir>
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
    const char* report; // empty: none
};

class GivenFileMisdispatched : public PhotoWindowTest,
                               public ::testing::WithParamInterface<std::tuple<GivenCase, bool>> {
protected:
    void MakeFiles() {
        ASSERT_TRUE(QFile::copy(SampleFace(), Scratch("FACE.BMP")));
        QFile photo(Scratch("PHOTO.JPG"));
        ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
        photo.write(JpegWithOrientation(QImage(30, 20, QImage::Format_RGB32), 1));
        QFile record(Scratch("result.Json"));
        ASSERT_TRUE(record.open(QIODevice::WriteOnly));
        record.write(QStringLiteral(R"({"program": "Quorvel", "version": "1.1", "picture": "%1",
            "photo": null, "step": 4, "age": "", "saved": "", "fields": {"cx": "0", "cy": "0",
            "r": "100", "h": "1.2", "mo": "1.2", "e": "0", "nh": "0.3", "mh": "0.5", "a": "0",
            "y": "0", "x": "0"}})")
                         .arg(SampleFace())
                         .toUtf8());
        QFile(Scratch("notes.txt")).open(QIODevice::WriteOnly);
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
    ASSERT_EQ(log.reports.size(), c.report[0] == '\0' ? 0u : 1u);
    if (!log.reports.empty()) {
        EXPECT_EQ(log.reports[0].text.toStdString(), c.report);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, GivenFileMisdispatched,
    ::testing::Combine(
        ::testing::Values(GivenCase{"BitmapOpened", "FACE.BMP", 1, QSize(512, 512), ""},
                          GivenCase{"PhotoImported", "PHOTO.JPG", 1, QSize(30, 20), ""},
                          GivenCase{"ResultReopened", "result.Json", 4, QSize(512, 512), ""},
                          GivenCase{"TextRefusedByTheLoad", "notes.txt", 0, QSize(0, 0),
                                    "拡張子 .txt の画像形式は処理できません."}),
        ::testing::Bool()),
    [](const auto& param) {
        return std::string(std::get<0>(param.param).name) +
               (std::get<1>(param.param) ? "Dropped" : "Given");
    });

TEST(GivenFileName, FirstArgumentMadeAbsoluteOptionsAndOthersIgnored) {
    std::array<char*, 3> file{const_cast<char*>("Quorvel"), const_cast<char*>("face.bmp"),
                              const_cast<char*>("more.bmp")};
    std::array<char*, 3> option{const_cast<char*>("Quorvel"), const_cast<char*>("-style"),
                                const_cast<char*>("face.bmp")};
    EXPECT_EQ(GivenFileName(1, file.data()), QString());
    EXPECT_EQ(GivenFileName(3, file.data()), QDir::current().absoluteFilePath("face.bmp"));
    EXPECT_EQ(GivenFileName(3, option.data()), QString());
}

TEST(DroppedFileName, OnlyLocalFilesAreTaken) {
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/face.jpg"))});
    EXPECT_EQ(DroppedFileName(&data), QString());
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/photos/face.jpg"))});
    EXPECT_EQ(DroppedFileName(&data), QStringLiteral("/photos/face.jpg"));
}

} // namespace
} // namespace quorvel::testing
