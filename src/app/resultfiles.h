#pragma once

#include <QByteArray>
#include <QString>
#include <string>

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

// Both files or neither: each is written in full under a temporary name, and
// only then are both renamed into place. Throws "結果 %s を保存できません".
void SaveResultFiles(const QImage& picture, const QByteArray& record, const ResultPaths& paths);

// The bytes of a record file; throws "ﾌｧｲﾙ %s は開けません".
QByteArray ReadRecordFile(const std::string& fileName);

} // namespace quorvel
