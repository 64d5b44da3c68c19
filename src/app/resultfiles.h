#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class QImage;

namespace quorvel {

// A saved result: the picture with its overlay as PNG and the record beside
// it, with the same base name and ".json".
struct ResultPaths {
    QString image;
    QString record;
};

// The PNG under the name chosen (".png" added when it ends otherwise, so the
// record can never take the picture's name) and the record beside it.
ResultPaths ResultPathsFor(const QString& chosen);

// Beside the original picture or photo: its base name and "_quorvel.png".
QString SuggestedResultName(const std::string& original);

// Both files or neither: each is written in full under a temporary name and
// flushed to the disk, and only then are both renamed into place; a file (or
// a link) under either name is replaced, never written through. On any
// failure both old files stay as they were. Throws "結果 %s を保存できません".
void SaveResultFiles(const QImage& picture, const QByteArray& record, const ResultPaths& paths);

// A record is about a kilobyte; anything far larger is not one.
inline constexpr std::uint64_t kRecordSizeLimit = std::uint64_t{1} << 20;

// Throws "結果 %s を元の写真や画像の上に保存することはできません" when the
// picture's or the record's name is one of `originals` (the photo, the
// picture shown), by any name of theirs.
void RefuseOverOriginals(const ResultPaths& paths, const std::vector<std::string>& originals);

// The bytes of a record file, opened as pictures are (a regular file, without
// waiting on a pipe); throws "ﾌｧｲﾙ %s は開けません", or "結果ﾌｧｲﾙ %s が不正です"
// for a file above kRecordSizeLimit.
QByteArray ReadRecordFile(const std::string& fileName);

} // namespace quorvel
