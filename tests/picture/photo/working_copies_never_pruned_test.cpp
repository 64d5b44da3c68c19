// The cache of working copies does not grow for ever: copies older than 30
// days go, then the oldest until the rest fit in 2 GiB; the copy in use stays
// whatever its age or size, and the bookkeeping goes with its copy.
#include "picture/photo/workingcopy.h"
#include "picture/photo/workingcopyprune.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

constexpr qint64 kGiB = qint64{1} << 30;

struct FakeCopy {
    const char* name;
    qint64 size; // sparse: nothing is written
    int ageDays;
};

struct PruneCase {
    const char* name;
    std::vector<FakeCopy> copies;
    const char* inUse;
    QStringList left;
};

class WorkingCopiesNeverPruned : public ::testing::TestWithParam<PruneCase> {};

TEST_P(WorkingCopiesNeverPruned, OldAndSurplusCopiesGo) {
    const PruneCase& c = GetParam();
    QTemporaryDir scratch;
    qputenv("XDG_CACHE_HOME", scratch.filePath("cache").toUtf8());
    ASSERT_TRUE(MakePrivateFolder(WorkingCopyFolder()));
    const QDateTime now = QDateTime::currentDateTime();
    for (const FakeCopy& fake : c.copies) {
        QFile copy(WorkingCopyFolder() + "/" + fake.name);
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly) && copy.resize(fake.size));
        ASSERT_TRUE(
            copy.setFileTime(now.addDays(-fake.ageDays), QFileDevice::FileModificationTime));
        ASSERT_TRUE(
            WriteWorkingCopySource(copy.fileName(), PhotoIdentity{1, 2, std::string(64, 'a')}));
    }
    PruneWorkingCopies(WorkingCopyFolder() + "/" + c.inUse, now);
    QStringList left = QDir(WorkingCopyFolder()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(left, c.left);
    for (QString& name : left) {
        name.replace(".bmp", ".json");
    }
    EXPECT_EQ(QDir(WorkingCopyFolder() + "/sources").entryList(QDir::Files, QDir::Name), left);
}

INSTANTIATE_TEST_SUITE_P(
    Caches, WorkingCopiesNeverPruned,
    ::testing::Values(PruneCase{"OlderThanThirtyDaysGo",
                                {{"a.bmp", 10, 31}, {"b.bmp", 10, 29}, {"c.bmp", 10, 0}},
                                "c.bmp",
                                {"b.bmp", "c.bmp"}},
                      PruneCase{"OldestBeyondTwoGibibytesGo",
                                {{"a.bmp", kGiB - 1024, 3},
                                 {"b.bmp", kGiB - 1024, 2},
                                 {"c.bmp", kGiB - 1024, 1},
                                 {"d.bmp", 10, 0}},
                                "d.bmp",
                                {"b.bmp", "c.bmp", "d.bmp"}},
                      PruneCase{"CopyInUseStaysThoughOldAndLarge",
                                {{"a.bmp", 3 * kGiB, 40}, {"b.bmp", 10, 1}},
                                "a.bmp",
                                {"a.bmp"}}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel
