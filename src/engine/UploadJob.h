#pragma once

#include "engine/UploadStatus.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>

namespace ondrix {

// One upload of one local file, as the engine creates it and the queue schedules it. A plain value: the
// queue and the engine each keep their own copies, and two jobs are equal when every field is.
struct UploadJob {
    QUuid id = QUuid::createUuid();
    QUuid connectionId;
    // The local file, absolute and normalised; the queue drops a job whose file is already pending or active.
    QString localPath;
    // Path below the connection's remote folder, without a leading "/".
    QString remoteRelativePath;
    UploadStatus status = UploadStatus::pending();
    QDateTime enqueuedAt = QDateTime::currentDateTimeUtc();
    std::optional<QDateTime> startedAt;
    std::optional<QDateTime> completedAt;
    // The engine's size estimate at creation, then the uploader's total from each progress report.
    qint64 bytesTotal = 0;
    qint64 bytesUploaded = 0;

    bool operator==(const UploadJob&) const = default;
};

} // namespace ondrix
