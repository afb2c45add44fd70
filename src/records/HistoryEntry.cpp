#include "records/HistoryEntry.h"

#include "model/UuidText.h"

#include <QCoreApplication>

#include <cmath>

namespace ondrix {

namespace {

// Timestamps are stored relative to 2001-01-01 00:00:00 UTC, the reference date of files written by earlier
// versions.
constexpr qint64 kReferenceDateMs = 978307200000LL;

} // namespace

QString rawValue(TransferDirection value)
{
    return value == TransferDirection::download ? QStringLiteral("download") : QStringLiteral("upload");
}

std::optional<TransferDirection> transferDirectionFromRaw(const QString& raw)
{
    if (raw == QLatin1String("upload")) {
        return TransferDirection::upload;
    }
    if (raw == QLatin1String("download")) {
        return TransferDirection::download;
    }
    return std::nullopt;
}

QJsonObject HistoryEntry::toJson() const
{
    QJsonObject object{
        {QStringLiteral("id"), uuidText(id)},
        {QStringLiteral("timestamp"), double(timestamp.toMSecsSinceEpoch() - kReferenceDateMs) / 1000.0},
        {QStringLiteral("filename"), filename},
        {QStringLiteral("bytes"), bytes},
        {QStringLiteral("connectionName"), connectionName},
        {QStringLiteral("direction"), rawValue(direction)},
    };
    if (error) {
        object.insert(QStringLiteral("error"), *error);
    }
    if (!verifiedBy.isEmpty()) {
        object.insert(QStringLiteral("verifiedBy"), verifiedBy);
    }
    return object;
}

std::optional<HistoryEntry> HistoryEntry::fromJson(const QJsonObject& object)
{
    const QJsonValue id = object.value(QLatin1String("id"));
    const QJsonValue timestamp = object.value(QLatin1String("timestamp"));
    const QJsonValue filename = object.value(QLatin1String("filename"));
    const QJsonValue bytes = object.value(QLatin1String("bytes"));
    const QJsonValue connectionName = object.value(QLatin1String("connectionName"));
    const QJsonValue direction = object.value(QLatin1String("direction"));
    const QJsonValue error = object.value(QLatin1String("error"));
    const QJsonValue verifiedBy = object.value(QLatin1String("verifiedBy"));
    if (!id.isString() || !timestamp.isDouble() || !filename.isString() || !bytes.isDouble() ||
        !connectionName.isString() || !direction.isString() ||
        !(error.isUndefined() || error.isNull() || error.isString()) ||
        !(verifiedBy.isUndefined() || verifiedBy.isString())) {
        return std::nullopt;
    }
    HistoryEntry entry;
    entry.id = QUuid::fromString(id.toString());
    if (entry.id.isNull() && id.toString() != QLatin1String("00000000-0000-0000-0000-000000000000")) {
        return std::nullopt;
    }
    const double seconds = timestamp.toDouble();
    const double ms = std::round(seconds * 1000.0);
    if (!std::isfinite(ms) || std::fabs(ms) > 1e17) {
        return std::nullopt;
    }
    entry.timestamp = QDateTime::fromMSecsSinceEpoch(kReferenceDateMs + qint64(ms), Qt::UTC);
    // A byte count must be a whole number that fits 64 bits: toInteger answers its fallback otherwise.
    if (bytes.toInteger(0) == 0 && bytes.toInteger(1) == 1) {
        return std::nullopt;
    }
    entry.bytes = bytes.toInteger();
    entry.filename = filename.toString();
    entry.connectionName = connectionName.toString();
    const auto parsedDirection = transferDirectionFromRaw(direction.toString());
    if (!parsedDirection) {
        return std::nullopt;
    }
    entry.direction = *parsedDirection;
    if (error.isString()) {
        entry.error = error.toString();
    }
    entry.verifiedBy = verifiedBy.toString();
    return entry;
}

QString HistoryEntry::verificationText() const
{
    if (verifiedBy.isEmpty()) {
        return {};
    }
    if (verifiedBy == QLatin1String("size")) {
        return QCoreApplication::translate("HistoryEntry", "size verified");
    }
    //: %1 is a checksum algorithm, e.g. SHA-256
    return QCoreApplication::translate("HistoryEntry", "%1 verified").arg(verifiedBy);
}

} // namespace ondrix
