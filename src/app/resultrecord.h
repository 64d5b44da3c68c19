#pragma once

#include "face/facefields.h"

#include <QByteArray>
#include <QDateTime>
#include <array>
#include <string>

namespace quorvel {

// What a saved result holds besides its picture: the bitmap the picture was
// loaded from, the photo that bitmap was imported from (empty when it was
// opened as a bitmap), the step, the texts of EditCX to EditX and the age
// label's text, each exactly as shown.
struct ResultRecord {
    std::string picture;
    std::string photo;
    int step = 0;
    std::array<std::string, kFieldCount> fields;
    std::string age;
};

// The record as a JSON object, with the program, its version and the time of
// saving; an empty photo is written as null.
QByteArray RecordJson(const ResultRecord& record, const QDateTime& saved);

// Every member checked for presence and type, the program's name and the step
// for their values. Throws "結果ﾌｧｲﾙ %s が不正です（…）" naming the first fault.
ResultRecord ParseRecord(const QByteArray& json, const std::string& fileName);

} // namespace quorvel
