// The dialogs of photos and results start in the folder last used for them:
// reopening a result starts where results were last saved, a save where a
// result was last saved or reopened (with the name suggested for the
// picture), an import where the last photo came from.
#include "photowindowtest.h"

#include <QDir>
#include <QFileDialog>

namespace quorvel::testing {
namespace {

class DialogsForgetTheirFolder;

struct FolderCase {
    const char* name;
    std::function<void(DialogsForgetTheirFolder&)> before;
    const char* command;
    const char* folder;   // in the scratch folder; empty: the sample face's folder
    const char* selected; // the name the dialog starts with; empty: none checked
};

class DialogsForgetTheirFolder : public PhotoWindowTest,
                                 public ::testing::WithParamInterface<FolderCase> {
public:
    // A file in a folder of the scratch folder, the folder made if missing.
    QString InFolder(const char* folder, const char* name, const QByteArray& bytes = {}) {
        EXPECT_TRUE(QDir(scratch.path()).mkpath(QString::fromUtf8(folder)));
        const QString path = QString::fromUtf8(folder) + "/" + QString::fromUtf8(name);
        return bytes.isEmpty() ? Scratch(path) : ScratchFile(path, bytes);
    }
    void SaveIn(const char* folder) { SaveAs(InFolder(folder, "result.png")); }
    void ReopenIn(const char* folder) {
        const QString record = InFolder(folder, "result.json", Record());
        ConfirmInDialog([this] { Trigger("OpenResultItem"); }, record);
    }
    void ImportFrom(const char* folder) {
        QImage grey(30, 20, QImage::Format_RGB32);
        grey.fill(0x808080);
        Import(InFolder(folder, "photo.jpg", JpegWithOrientation(grey, 1)));
    }
};

TEST_P(DialogsForgetTheirFolder, StartsInTheFolderLastUsed) {
    const FolderCase& c = GetParam();
    ConfirmInDialog([this] { Trigger("OpenBitmapItem"); }, SampleFace());
    c.before(*this);
    const QString folder =
        c.folder[0] == '\0' ? QFileInfo(SampleFace()).path() : Scratch(QString::fromUtf8(c.folder));
    const ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->directory().absolutePath(), folder);
        if (c.selected[0] != '\0') {
            EXPECT_EQ(dialog->selectedFiles(),
                      QStringList{folder + "/" + QString::fromUtf8(c.selected)});
        }
        dialog->reject();
    });
    Trigger(c.command);
    EXPECT_TRUE(log.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DialogsForgetTheirFolder,
    ::testing::Values(FolderCase{"first_save_beside_the_picture", [](DialogsForgetTheirFolder&) {},
                                 "SaveResultItem", "", "face_quorvel.png"},
                      FolderCase{"save_where_the_last_was_saved",
                                 [](DialogsForgetTheirFolder& form) { form.SaveIn("a"); },
                                 "SaveResultItem", "a", "face_quorvel.png"},
                      FolderCase{"save_where_a_result_was_reopened",
                                 [](DialogsForgetTheirFolder& form) { form.ReopenIn("b"); },
                                 "SaveResultItem", "b", "face_quorvel.png"},
                      FolderCase{"reopen_where_the_last_was_saved",
                                 [](DialogsForgetTheirFolder& form) { form.SaveIn("a"); },
                                 "OpenResultItem", "a", ""},
                      FolderCase{"reopen_where_the_last_was_reopened",
                                 [](DialogsForgetTheirFolder& form) { form.ReopenIn("b"); },
                                 "OpenResultItem", "b", "result.json"},
                      FolderCase{"import_where_the_last_photo_came_from",
                                 [](DialogsForgetTheirFolder& form) { form.ImportFrom("c"); },
                                 "ImportPhotoItem", "c", "photo.jpg"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel::testing
