#pragma once

#include "picture/photo/photoidentity.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace quorvel {

// A photo's identity as JSON, shared by the working copies' bookkeeping and
// saved results. QtCore alone, so that readers of saved results need no more.
// The time is a decimal string: nanoseconds since the epoch exceed the
// integers a JSON number holds exactly.
inline QJsonObject IdentityJson(const PhotoIdentity& identity) {
    return QJsonObject{{"size", static_cast<double>(identity.size)},
                       {"modified_ns", QString::number(identity.modifiedNs)},
                       {"sha256", QString::fromStdString(identity.sha256)}};
}

// Nothing when a member is missing or malformed.
inline std::optional<PhotoIdentity> IdentityFromJson(const QJsonValue& value) {
    constexpr double kLargestExactSize = 9007199254740992.0; // 2^53
    constexpr qsizetype kSha256HexDigits = 64;
    const QJsonObject object = value.toObject();
    const QJsonValue size = object.value(QLatin1String("size"));
    const QString sha256 = object.value(QLatin1String("sha256")).toString();
    bool timeRead = false;
    const qint64 modifiedNs =
        object.value(QLatin1String("modified_ns")).toString().toLongLong(&timeRead);
    const double bytes = size.toDouble(-1);
    if (!value.isObject() || !size.isDouble() || !(bytes >= 0 && bytes <= kLargestExactSize) ||
        bytes != static_cast<double>(static_cast<std::uint64_t>(bytes)) || !timeRead ||
        sha256.size() != kSha256HexDigits ||
        QByteArray::fromHex(sha256.toLatin1()).toHex() != sha256.toLatin1()) {
        return std::nullopt;
    }
    return PhotoIdentity{static_cast<std::uint64_t>(bytes), modifiedNs, sha256.toStdString()};
}

} // namespace quorvel
