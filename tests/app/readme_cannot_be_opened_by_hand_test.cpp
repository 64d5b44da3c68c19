// When no viewer takes the read-me, or it is found nowhere, the notice says
// where the document is, or every folder it was looked for in, so that the
// user can open it by hand.
#include "app/documentfolders.h"
#include "readmetest.h"

#include <QDir>
#include <QFile>

namespace quorvel::testing {
namespace {

TEST_F(ReadMeCommand, NoticeGivesTheFullPathWhenNoViewerTakesIt) {
    const QString path = QDir::current().filePath(QStringLiteral("Quorvel.txt"));
    QFile document(path);
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    const FakeOpener opener("exit 3");
    Trigger("ReadMeItem");
    WaitForOpeners();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].where.contains(path)) << notices[0].where.toStdString();
}

TEST_F(ReadMeCommand, NoticeListsTheFoldersLookedInWhenItIsNowhere) {
    const FakeOpener opener("exit 0");
    Trigger("ReadMeItem");
    WaitForOpeners();
    ASSERT_EQ(notices.size(), 1u);
    for (const QString& folder : DocumentFolders()) {
        EXPECT_TRUE(notices[0].where.contains(folder)) << folder.toStdString();
    }
}

} // namespace
} // namespace quorvel::testing
