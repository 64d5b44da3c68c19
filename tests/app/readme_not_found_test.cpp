// The read-me command looks in the current directory, then beside the
// program, then in the installed documents folder, so that a start from any
// folder (a terminal in $HOME) finds the installed read-me.
#include "app/documentfolders.h"
#include "readmetest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <array>

namespace quorvel::testing {
namespace {

const QString readMe = QStringLiteral("Quorvel.txt");

void WriteReadMe(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

struct LookupCase {
    const char* name;
    std::array<bool, 3> holds; // current directory, program folder, documents folder
    int found;                 // index of the folder expected, -1 for none
};

class ReadMeLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ReadMeLookup, FindsItInTheFirstFolderThatHoldsIt) {
    std::array<QTemporaryDir, 3> folders;
    QStringList paths;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        paths << folders[i].path();
        if (GetParam().holds[i]) {
            WriteReadMe(folders[i].filePath(readMe));
        } else {
            QDir(folders[i].path()).mkdir(readMe); // a folder of that name is no read-me
        }
    }
    const int found = GetParam().found;
    const QString expected =
        found < 0 ? QString() : folders[static_cast<std::size_t>(found)].filePath(readMe);
    EXPECT_EQ(FindDocument(readMe, paths).toStdString(), expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ReadMeLookup,
    ::testing::Values(LookupCase{"only_in_the_current_directory", {true, false, false}, 0},
                      LookupCase{"only_beside_the_program", {false, true, false}, 1},
                      LookupCase{"only_in_the_documents_folder", {false, false, true}, 2},
                      LookupCase{"nowhere", {false, false, false}, -1},
                      LookupCase{"everywhere_the_current_directory_first", {true, true, true}, 0},
                      LookupCase{"program_folder_before_documents", {false, true, true}, 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(ReadMeCommand, LooksInTheCurrentDirectoryThenBesideTheProgramThenTheDocuments) {
    const QStringList folders = DocumentFolders();
    ASSERT_EQ(folders.size(), 3);
    EXPECT_EQ(folders[0], start.path()) << "the current directory when the command runs";
    EXPECT_EQ(folders[1], QCoreApplication::applicationDirPath());
    EXPECT_TRUE(QDir::isAbsolutePath(folders[2]));
    EXPECT_TRUE(folders[2].endsWith(QStringLiteral("/share/doc/quorvel")))
        << folders[2].toStdString();
}

TEST_F(ReadMeCommand, OpensTheDocumentOfTheCurrentDirectory) {
    const FakeOpener opener("exit 0");
    WriteReadMe(QDir::current().filePath(readMe));
    Trigger("ReadMeItem");
    WaitForOpeners();
    EXPECT_EQ(opener.Calls(), QStringList{QDir::current().filePath(readMe)});
    EXPECT_TRUE(notices.empty());
}

// Started from another folder, as from a terminal in $HOME.
TEST_F(ReadMeCommand, OpensTheDocumentBesideTheProgramFromAnotherFolder) {
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(readMe);
    WriteReadMe(beside);
    const FakeOpener opener("exit 0");
    Trigger("ReadMeItem");
    WaitForOpeners();
    QFile::remove(beside);
    EXPECT_EQ(opener.Calls(), QStringList{beside});
    EXPECT_TRUE(notices.empty());
}

TEST_F(ReadMeCommand, MissingDocumentShowsOnlyTheDesktopsMessage) {
    const FakeOpener opener("exit 0");
    Trigger("ReadMeItem");
    WaitForOpeners();
    EXPECT_TRUE(opener.Calls().isEmpty());
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].title, readMe);
    EXPECT_TRUE(log.reports.empty()) << "not an error report";
    EXPECT_EQ(Step(), 0);
}

} // namespace
} // namespace quorvel::testing
