// Records and photos are opened as pictures are: a pipe, a device or a file
// far larger than a record is refused at once with a message, never waited
// on or read until memory runs out. Run with a timeout well below a minute.
#include "app/recordpicture.h"
#include "app/resultfiles.h"
#include "numtext/failure.h"
#include "picture/photo/photoimport.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quorvel {
namespace {

struct HostileCase {
    const char* name;
    // Makes the hostile file in the folder and returns its path.
    std::function<std::string(const QTemporaryDir&)> make;
    // Opens it as the program does; must throw.
    std::function<void(const std::string&)> open;
    const char* message; // %s: the path
};

std::string Fifo(const QTemporaryDir& folder, const char* name) {
    const std::string path = folder.filePath(QString::fromLatin1(name)).toStdString();
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
    return path;
}

std::string LinkToDevZero(const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("zero.json"));
    EXPECT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
    return path.toStdString();
}

std::string Sized(const QTemporaryDir& folder, qint64 size) {
    QFile file(folder.filePath(QStringLiteral("big.json")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
    return file.fileName().toStdString();
}

void ReadRecord(const std::string& path) {
    ReadRecordFile(path);
}

void Import(const std::string& path) {
    ImportPhoto(path);
}

// A record of a photo whose copy is gone: reopening imports the photo.
void ReopenWithPhoto(const std::string& photo) {
    ResultRecord record;
    record.picture = "/nonexistent/copy.bmp";
    record.photo = photo;
    PictureOfRecord(record);
}

class RecordFromFifoHangs : public ::testing::TestWithParam<HostileCase> {};

TEST_P(RecordFromFifoHangs, RefusedAtOnce) {
    const HostileCase& c = GetParam();
    QTemporaryDir folder;
    qputenv("XDG_CACHE_HOME", folder.filePath("cache").toUtf8());
    const std::string path = c.make(folder);
    try {
        c.open(path);
        ADD_FAILURE() << "opened";
    } catch (const Failure& failure) {
        const std::string message(c.message);
        const std::size_t at = message.find("%s");
        EXPECT_EQ(failure.what(), message.substr(0, at) + path + message.substr(at + 2));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, RecordFromFifoHangs,
    ::testing::Values(
        HostileCase{"FifoRecord", [](const QTemporaryDir& d) { return Fifo(d, "f.json"); },
                    ReadRecord, "ﾌｧｲﾙ %s は開けません"},
        HostileCase{"RecordLinkedToDevZero", LinkToDevZero, ReadRecord, "ﾌｧｲﾙ %s は開けません"},
        HostileCase{"RecordAboveOneMebibyte",
                    [](const QTemporaryDir& d) { return Sized(d, (1 << 20) + 1); }, ReadRecord,
                    "結果ﾌｧｲﾙ %s が不正です（1 MiB を超えています）"},
        HostileCase{"FifoPhoto", [](const QTemporaryDir& d) { return Fifo(d, "p.jpg"); }, Import,
                    "写真 %s は読み込めません"},
        HostileCase{"RecordWhosePhotoIsAFifo",
                    [](const QTemporaryDir& d) { return Fifo(d, "p.jpg"); }, ReopenWithPhoto,
                    "写真 %s は読み込めません"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(RecordFromFifoHangs, RecordOfOneMebibyteIsRead) {
    QTemporaryDir folder;
    EXPECT_EQ(ReadRecordFile(Sized(folder, 1 << 20)).size(), 1 << 20);
}

} // namespace
} // namespace quorvel
