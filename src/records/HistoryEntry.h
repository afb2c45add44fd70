#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QMetaType>
#include <QString>
#include <QUuid>

#include <optional>

namespace ondrix {

enum class TransferDirection { upload, download };

QString rawValue(TransferDirection value);
// Exact match; any other text is none.
std::optional<TransferDirection> transferDirectionFromRaw(const QString& raw);

// One finished transfer in the upload history.
struct HistoryEntry {
    QUuid id = QUuid::createUuid();
    QDateTime timestamp;
    QString filename;
    qint64 bytes = 0;
    QString connectionName;
    TransferDirection direction = TransferDirection::upload;
    std::optional<QString> error;
    // What proved the delivery: a checksum algorithm's name ("SHA-256", "MD5", ...), "size", or empty when
    // the server's word was all there was.
    QString verifiedBy;

    // "SHA-256 verified", "size verified", or empty: how the history shows verifiedBy.
    QString verificationText() const;

    // {"id": upper-case UUID, "timestamp": seconds since 2001-01-01 UTC, "filename", "bytes": integer,
    // "connectionName", "direction": "upload" | "download", "error" and "verifiedBy": only when there is
    // one}.
    QJsonObject toJson() const;
    // Every key but "error" and "verifiedBy" is required (entries written before either existed load); a
    // wrong type, an unknown direction or a fractional byte count fail.
    static std::optional<HistoryEntry> fromJson(const QJsonObject& object);

    bool operator==(const HistoryEntry&) const = default;
};

} // namespace ondrix

Q_DECLARE_METATYPE(ondrix::HistoryEntry)
