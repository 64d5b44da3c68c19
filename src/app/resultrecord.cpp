#include "app/resultrecord.h"

#include "app/resultmessages.h"
#include "numtext/failure.h"
#include "picture/core/picturemessages.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace quorvel {
namespace {

constexpr const char* kProgram = "Quorvel";
constexpr const char* kVersion = "1.1";
constexpr int kLastStep = 9;

// Keys of EditCX to EditX, as the rows are captioned.
constexpr std::array<const char*, 11> kFieldKeys{"cx", "cy", "r", "h", "mo", "e",
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

} // namespace

QByteArray RecordJson(const ResultRecord& record, const QDateTime& saved) {
    QJsonObject fields;
    for (std::size_t i = 0; i < kFieldKeys.size(); ++i) {
        fields.insert(QLatin1String(kFieldKeys[i]), Text(record.fields[i]));
    }
    const QJsonValue photo = record.photo.empty() ? QJsonValue() : QJsonValue(Text(record.photo));
    const QJsonObject root{
        {"program", kProgram},
        {"version", kVersion},
        {"picture", Text(record.picture)},
        {"photo", photo},
        {"step", record.step},
        {"fields", fields},
        {"age", Text(record.age)},
        // With the offset from UTC, so the time means the same anywhere.
        {"saved", saved.toOffsetFromUtc(saved.offsetFromUtc()).toString(Qt::ISODate)},
    };
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
    for (std::size_t i = 0; i < kFieldKeys.size(); ++i) {
        record.fields[i] = StringMember(fields.toObject(), kFieldKeys[i], fileName);
    }
    record.age = StringMember(root, "age", fileName);
    return record;
}

} // namespace quorvel
