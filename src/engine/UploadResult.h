#pragma once

#include "engine/UploadJob.h"
#include "platform/FileVersion.h"
#include "transfer/FTPError.h"

#include <QString>

#include <optional>

namespace ondrix {

// The outcome of one performed job. `job` is the copy handed to the upload function (status uploading
// at 0.0, startedAt set); progress made afterwards is not in it.
struct UploadResult {
    UploadJob job;
    bool success = false;
    // User-facing failure text when success is false; absent on success.
    std::optional<QString> error;
    // The transfer's own error behind `error`, when a transfer failed: what the log's advice is worded from.
    std::optional<FTPError> failure;
    // Bytes credited to the upload; 0 on failure.
    qint64 bytesUploaded = 0;
    // Seconds from the moment the upload function began until the outcome was known.
    double duration = 0.0;
    // The version of the local file the transfer opened and sent (invalid when it never opened the file).
    FileVersion sent;
    // Not a failure, and nothing was sent: the image is still being written (its keyword could not go in
    // while another process writes it or its data is incomplete). It is offered again once it is stable.
    bool notReady = false;
    // The transfer was asked to stop (a stop that waited too long) and ended early.
    bool cutShort = false;
    // Not a failure, and nothing was sent: the server holds a file of that name and the connection keeps it.
    bool skippedExisting = false;
    // Where the file went on the server (a numbered name when the connection renames); empty when nothing
    // was sent.
    QString remotePath;
    // Bytes a cut upload of this version had left on the server, which were not sent again.
    qint64 resumedFrom = 0;
    // Why a cut upload of this version could not go on where it stopped (it was sent whole); empty otherwise.
    QString resumeRefused;
    // What proved that the server holds what was sent (see RemoteDelivery::Outcome::verifiedBy): a checksum
    // algorithm's name, "size", or empty.
    QString verifiedBy;
    // The SHA-256 of the file as sent, in hexadecimal; empty when it was not computed.
    QString sentSha256;

    bool operator==(const UploadResult&) const = default;
};

} // namespace ondrix
