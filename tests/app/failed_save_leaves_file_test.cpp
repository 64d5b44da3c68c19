// A save that cannot be completed gives one report and leaves neither the
// picture nor the record behind, nor any temporary file.
#include "photowindowtest.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTimer>

namespace quorvel::testing {
namespace {

struct FailedSaveCase {
    const char* name;
    const char* blocker; // made before saving
    bool blockerIsFolder;
    const char* chosen;
};

class FailedSaveLeavesFile : public PhotoWindowTest,
                             public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSaveLeavesFile, OneReportAndNoFile) {
    const FailedSaveCase& c = GetParam();
    QFile blocker(Scratch(c.blocker));
    ASSERT_TRUE(c.blockerIsFolder ? QDir(scratch.path()).mkdir(c.blocker)
                                  : blocker.open(QIODevice::WriteOnly));
    const QStringList before = QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden);
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());

    SaveAs(Scratch(c.chosen));
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].text,
              QStringLiteral("結果 %1 を保存できません.").arg(Scratch(c.chosen)));
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

INSTANTIATE_TEST_SUITE_P(Places, FailedSaveLeavesFile,
                         ::testing::Values(FailedSaveCase{"FolderIsAFile", "blocker", false,
                                                          "blocker/result.png"},
                                           FailedSaveCase{"RecordNameTakenByAFolder", "result.json",
                                                          true, "result.png"}),
                         [](const auto& param) { return std::string(param.param.name); });

class NothingToSave : public PhotoWindowTest {
protected:
    void ExpectRefused(const char* message) {
        log.reports.clear();
        QTimer noDialog; // a dialog would wait for an answer that never comes
        QObject::connect(&noDialog, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "asked for a name";
                dialog->reject();
            }
        });
        noDialog.start(20);
        Trigger("SaveResultItem");
        ASSERT_EQ(log.reports.size(), 1u);
        EXPECT_EQ(log.reports[0].text.toStdString(), message);
    }
};

TEST_F(NothingToSave, NoPictureBlankPictureOrIconRefusedBeforeAskingForAName) {
    ExpectRefused("保存する結果がありません（先に画像を開いてください）.");
    CancelDialog([this] { Click("NextButton"); }); // draws on a blank picture of no file
    ExpectRefused("保存する結果がありません（先に画像を開いてください）.");
    ASSERT_TRUE(QImage(SampleFace()).scaled(16, 16).save(Scratch("icon.ico")));
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, Scratch("icon.ico"));
    ASSERT_EQ(Picture().size(), QSize(32, 32)) << "loaded as an icon";
    ExpectRefused("結果を保存できるのはﾋﾞｯﾄﾏｯﾌﾟの画像だけです.");
}

} // namespace
} // namespace quorvel::testing
