#include "app/resultrecord.h"

#include "app/resultmessages.h"
#include "numtext/decimalseparator.h"
#include "numtext/failure.h"
#include "numtext/parsedouble.h"
#include "picture/core/picturemessages.h"
#include "picture/photo/photoidentityjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr const char* kProgram = "Quorvel";
// The record format's version, not the program's.
constexpr const char* kVersion = "1.2";
constexpr int kLastStep = 9;
constexpr int kOldestAge = 80;
// The separator numbers among the field texts are written with.
constexpr char kStoredSeparator = '.';

// Keys of EditCX to EditX, as the rows are captioned.
constexpr std::array<const char*, kFieldCount> kFieldKeys{"cx", "cy", "r", "h", "mo", "e",
                                                 "nh", "mh", "a", "y", "x"};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

[[noreturn]] void Refuse(const std::string& fileName, const std::string& reason) {
    throw Failure(WithText(kInvalidRecordMessage, fileName) + "（" + reason + "）");
}

QJsonValue Member(const QJsonObject& object, const char* key, const std::string& fileName) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        Refuse(fileName, WithText(kMissingMemberReason, key));
    }
    return value;
}

void RefuseUnless(bool rightType, const char* key, const std::string& fileName) {
    if (!rightType) {
        Refuse(fileName, WithText(kWrongTypeReason, key));
    }
}

std::string StringMember(const QJsonObject& object, const char* key, const std::string& fileName) {
    const QJsonValue value = Member(object, key, fileName);
    RefuseUnless(value.isString(), key, fileName);
    return value.toString().toStdString();
}

int StepMember(const QJsonObject& object, const std::string& fileName) {
    const QJsonValue value = Member(object, "step", fileName);
    RefuseUnless(value.isDouble(), "step", fileName);
    const double step = value.toDouble();
    if (!(step >= 0 && step <= kLastStep) || step != std::trunc(step)) {
        Refuse(fileName, kStepOutOfRangeReason);
    }
    return static_cast<int>(step);
}

// A text that is a number under `from` comes back with `to` as its
// separator; any other text comes back as it is.
std::string WithSeparator(const std::string& text, char from, char to) {
    if (from == to || !IsDecimalText(text, from)) {
        return text;
    }
    std::string converted = text;
    std::replace(converted.begin(), converted.end(), from, to);
    return converted;
}

// Optional; a one-character string when present.
std::optional<char> SeparatorMember(const QJsonObject& object, const std::string& fileName) {
    constexpr const char* kKey = "decimal_separator";
    if (!object.contains(QLatin1String(kKey))) {
        return std::nullopt;
    }
    const QJsonValue value = object.value(QLatin1String(kKey));
    const QString separator = value.toString();
    RefuseUnless(value.isString() && separator.size() == 1 && separator.front().unicode() < 0x80,
                 kKey, fileName);
    return separator.front().toLatin1();
}

std::optional<PhotoIdentity> IdentityMember(const QJsonObject& object,
                                            const std::string& fileName) {
    constexpr const char* kKey = "photo_identity";
    if (!object.contains(QLatin1String(kKey))) {
        return std::nullopt;
    }
    std::optional<PhotoIdentity> identity = IdentityFromJson(object.value(QLatin1String(kKey)));
    RefuseUnless(identity.has_value(), kKey, fileName);
    return identity;
}

// Optional; two integer ages from 0 to 80, the lower first.
std::optional<AgeRange> AgeRangeMember(const QJsonObject& object, const std::string& fileName) {
    constexpr const char* kKey = "age_range";
    if (!object.contains(QLatin1String(kKey))) {
        return std::nullopt;
    }
    const QJsonArray range = object.value(QLatin1String(kKey)).toArray();
    const auto isAge = [](const QJsonValue& age) {
        const double value = age.toDouble(-1);
        return age.isDouble() && value >= 0 && value <= kOldestAge && value == std::trunc(value);
    };
    RefuseUnless(object.value(QLatin1String(kKey)).isArray() && range.size() == 2 &&
                     isAge(range[0]) && isAge(range[1]) &&
                     range[0].toDouble() <= range[1].toDouble(),
                 kKey, fileName);
    return AgeRange{range[0].toInt(), range[1].toInt()};
}

} // namespace

QByteArray RecordJson(const ResultRecord& record, const QDateTime& saved) {
    QJsonObject fields;
    for (std::size_t i = 0; i < kFieldKeys.size(); ++i) {
        fields.insert(QLatin1String(kFieldKeys[i]),
                      Text(WithSeparator(record.fields[i], DecimalSeparator(), kStoredSeparator)));
    }
    const QJsonValue photo = record.photo.empty() ? QJsonValue() : QJsonValue(Text(record.photo));
    QJsonObject root{
        {"program", kProgram},
        {"version", kVersion},
        {"picture", Text(record.picture)},
        {"photo", photo},
        {"step", record.step},
        {"fields", fields},
        {"decimal_separator", QString(QLatin1Char(DecimalSeparator()))},
        {"age", Text(record.age)},
        // With the offset from UTC, so the time means the same anywhere.
        {"saved", saved.toOffsetFromUtc(saved.offsetFromUtc()).toString(Qt::ISODate)},
    };
    if (record.photoIdentity) {
        root.insert(QLatin1String("photo_identity"), IdentityJson(*record.photoIdentity));
    }
    if (record.ageRange) {
        root.insert(QLatin1String("age_range"),
                    QJsonArray{record.ageRange->low, record.ageRange->high});
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ResultRecord ParseRecord(const QByteArray& json, const std::string& fileName) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        Refuse(fileName, kNotJsonReason);
    }
    const QJsonObject root = document.object();
    if (StringMember(root, "program", fileName) != kProgram) {
        Refuse(fileName, kNotOurRecordReason);
    }
    StringMember(root, "version", fileName);
    StringMember(root, "saved", fileName);
    ResultRecord record;
    record.picture = StringMember(root, "picture", fileName);
    const QJsonValue photo = Member(root, "photo", fileName);
    RefuseUnless(photo.isNull() || photo.isString(), "photo", fileName);
    record.photo = photo.toString().toStdString();
    record.step = StepMember(root, fileName);
    const QJsonValue fields = Member(root, "fields", fileName);
    RefuseUnless(fields.isObject(), "fields", fileName);
    // Version 1.1 names no separator: its texts are as they were shown. Which
    // one a 1.2 record was written under does not matter: numbers are in ".".
    const char stored = SeparatorMember(root, fileName) ? kStoredSeparator : DecimalSeparator();
    for (std::size_t i = 0; i < kFieldKeys.size(); ++i) {
        record.fields[i] = WithSeparator(StringMember(fields.toObject(), kFieldKeys[i], fileName),
                                         stored, DecimalSeparator());
    }
    record.age = StringMember(root, "age", fileName);
    record.photoIdentity = IdentityMember(root, fileName);
    record.ageRange = AgeRangeMember(root, fileName);
    return record;
}

} // namespace quorvel
