// Saving asks once, in one question naming them, before it replaces an
// existing picture or record (or a link planted at either name); "No"
// leaves every file as it was, and a link is replaced, never followed.
#include "photowindowtest.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace quorvel::testing {
namespace {

struct ReplaceCase {
    const char* name;
    std::vector<const char*> existing; // made before saving, with "old" in them
    bool recordIsLink;                 // package.json links to victim.txt
    QMessageBox::StandardButton answer;
    const char* question; // empty: none may be asked
};

class RecordReplacedWithoutAsking : public PhotoWindowTest,
                                    public ::testing::WithParamInterface<ReplaceCase> {
protected:
    QByteArray Contents(const char* name) {
        QFile file(Scratch(QString::fromLatin1(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

TEST_P(RecordReplacedWithoutAsking, AsksOnceAndKeepsFilesOnNo) {
    const ReplaceCase& c = GetParam();
    for (const char* name : c.existing) {
        ScratchFile(QString::fromLatin1(name), "old");
    }
    if (c.recordIsLink) {
        ScratchFile("victim.txt", "precious");
        ASSERT_TRUE(QFile::link(Scratch("victim.txt"), Scratch("package.json")));
    }
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());

    int asked = 0;
    QTimer question; // the file dialog comes first; only the question is answered here
    QObject::connect(&question, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++asked;
            EXPECT_EQ(box->text().toStdString(), c.question);
            EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::No);
            box->button(c.answer)->click();
        }
    });
    question.start(5);
    SaveAs(Scratch("package.png"));
    EXPECT_EQ(asked, std::string(c.question).empty() ? 0 : 1);
    EXPECT_TRUE(log.reports.empty());

    const bool replaced = c.answer == QMessageBox::Yes;
    EXPECT_EQ(Contents("package.png") == "old", !replaced && QFile::exists(Scratch("package.png")));
    EXPECT_EQ(Contents("package.json") == "old" ||
                  (c.recordIsLink && QFileInfo(Scratch("package.json")).isSymLink()),
              !replaced);
    if (c.recordIsLink) {
        EXPECT_EQ(Contents("victim.txt"), "precious");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Saves, RecordReplacedWithoutAsking,
    ::testing::Values(ReplaceCase{"NothingThereAsksNothing", {}, false, QMessageBox::Yes, ""},
                      ReplaceCase{"RecordThereKeptOnNo",
                                  {"package.json"},
                                  false,
                                  QMessageBox::No,
                                  "package.json は既に存在します。置き換えますか?"},
                      ReplaceCase{"RecordThereReplacedOnYes",
                                  {"package.json"},
                                  false,
                                  QMessageBox::Yes,
                                  "package.json は既に存在します。置き換えますか?"},
                      ReplaceCase{"BothThereNamedInOneQuestion",
                                  {"package.png", "package.json"},
                                  false,
                                  QMessageBox::No,
                                  "package.png と package.json は既に存在します。置き換えますか?"},
                      ReplaceCase{"PlantedLinkKeptOnNo",
                                  {},
                                  true,
                                  QMessageBox::No,
                                  "package.json は既に存在します。置き換えますか?"},
                      ReplaceCase{"PlantedLinkReplacedNotFollowedOnYes",
                                  {},
                                  true,
                                  QMessageBox::Yes,
                                  "package.json は既に存在します。置き換えますか?"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(RecordReplacedWithoutAsking, SavingOverTheImportedPhotoIsRefused) {
    QImage photo(8, 8, QImage::Format_RGB32);
    photo.fill(Qt::green);
    ASSERT_TRUE(photo.save(Scratch("face.png")));
    Import(Scratch("face.png"));
    SaveAs(Scratch("face.png"));
    ASSERT_EQ(log.reports.size(), 1u);
    EXPECT_EQ(log.reports[0].text,
              QStringLiteral("結果 %1 を元の写真や画像の上に保存することはできません.")
                  .arg(Scratch("face.png")));
    EXPECT_EQ(QImage(Scratch("face.png")).pixel(0, 0), QColor(Qt::green).rgb()) << "photo kept";
    EXPECT_FALSE(QFile::exists(Scratch("face.json")));
}

} // namespace
} // namespace quorvel::testing
