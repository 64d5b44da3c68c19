// The open dialog's all-files entry, shown as "全てのﾌｧｲﾙ (*.*)", must list
// every file, names without a dot too; the bitmap entry lists *.bmp alone.
#include "app/openfiledialog.h"
#include "guitest.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace quorvel::testing {
namespace {

const QString allFiles = QStringLiteral("全てのﾌｧｲﾙ (*.*)");
const QString bitmaps = QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ (*.bmp)");

// What the user can see and pick in the dialog's file list.
std::set<std::string> Listed(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    std::set<std::string> names;
    if (view == nullptr) {
        ADD_FAILURE() << "no file list";
        return names;
    }
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex entry = model->index(row, 0, view->rootIndex());
        if (!view->isRowHidden(row) && (entry.flags() & Qt::ItemIsEnabled)) {
            names.insert(entry.data().toString().toStdString());
        }
    }
    return names;
}

// The folder is read in the background: waits until everything expected is
// listed (or gives up), then compares.
void ExpectListed(QFileDialog& dialog, const std::set<std::string>& expected) {
    const auto complete = [&] {
        const std::set<std::string> listed = Listed(dialog);
        return std::includes(listed.begin(), listed.end(), expected.begin(), expected.end());
    };
    for (int waited = 0; waited < 5000 && !complete(); waited += 10) {
        QTest::qWait(10);
    }
    EXPECT_EQ(Listed(dialog), expected);
}

struct FilterCase {
    const char* name;
    std::vector<Qt::Key> keys; // pressed on the file-type box
    std::set<std::string> listed;
};

class AllFilesFilter : public ::testing::TestWithParam<FilterCase> {
protected:
    void SetUp() override {
        for (const char* name : {"face.bmp", "notes.txt", "README"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    QTemporaryDir folder;
    OpenFileDialog openDialog;
};

TEST_P(AllFilesFilter, ListsWhatTheChosenEntrySays) {
    const ModalAnswer answer([this](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(folder.path());
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        for (const Qt::Key key : GetParam().keys) {
            QTest::keyClick(types, key);
        }
        ExpectListed(*dialog, GetParam().listed);
        EXPECT_EQ(types->currentText(), GetParam().listed.size() > 1 ? allFiles : bitmaps)
            << "the caption is shown as it is";
        dialog->reject();
    });
    openDialog.Execute(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, AllFilesFilter,
    ::testing::Values(FilterCase{"bitmap_entry_lists_bitmaps_only", {}, {"face.bmp"}},
                      FilterCase{"all_files_entry_lists_names_without_a_dot",
                                 {Qt::Key_Down},
                                 {"face.bmp", "notes.txt", "README"}},
                      FilterCase{"bitmap_entry_again_hides_the_others",
                                 {Qt::Key_Down, Qt::Key_Up},
                                 {"face.bmp"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(AllFilesFilter, RememberedAllFilesEntryListsNamesWithoutADot) {
    {
        const ModalAnswer answer([this](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            QTest::keyClick(dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")),
                            Qt::Key_Down);
            // Not README: the dialog always lists the file it is told to select.
            dialog->selectFile(folder.filePath(QStringLiteral("face.bmp")));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        ASSERT_TRUE(openDialog.Execute(nullptr));
    }
    const ModalAnswer answer([](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->selectedNameFilter(), allFiles);
        ExpectListed(*dialog, {"face.bmp", "notes.txt", "README"});
        dialog->reject();
    });
    openDialog.Execute(nullptr);
}

} // namespace
} // namespace quorvel::testing
