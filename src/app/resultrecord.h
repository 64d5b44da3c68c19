#pragma once

#include "face/agerange.h"
#include "face/facefields.h"
#include "picture/photo/photoidentity.h"

#include <QByteArray>
#include <QDateTime>
#include <array>
#include <optional>
#include <string>

namespace quorvel {

// What a saved result holds besides its picture: the bitmap the picture was
// loaded from, the photo that bitmap was imported from (empty when it was
// opened as a bitmap) with the identity of the content imported (when known),
// the step, the texts of EditCX to EditX and the age label's text, each
// exactly as shown, and the range of ages the judgement allows (when known).
struct ResultRecord {
    std::string picture;
    std::string photo;
    int step = 0;
    std::array<std::string, kFieldCount> fields;
    std::string age;
    std::optional<PhotoIdentity> photoIdentity;
    std::optional<AgeRange> ageRange;
};

// The record as a JSON object, with the program, the record format's version
// and the time of saving; an empty photo is written as null. Field texts that
// are numbers in the current decimal separator are written with "." and the
// record names the separator, so it reopens to the same values under any.
QByteArray RecordJson(const ResultRecord& record, const QDateTime& saved);

// Every member checked for presence and type, the program's name and the step
// for their values. Throws "結果ﾌｧｲﾙ %s が不正です（…）" naming the first fault.
// Numbers among the field texts come back in the current decimal separator;
// records of version 1.1 hold them as they were shown and are taken as they are.
ResultRecord ParseRecord(const QByteArray& json, const std::string& fileName);

} // namespace quorvel
