#pragma once

#include "model/PushConnection.h"
#include "transfer/FTPError.h"

#include <QCoreApplication>
#include <QString>

namespace ondrix {

// Words a transfer failure so that a person knows what to change: libcurl's numbered errors become a sentence
// naming the host, the port or the setting at fault. Shared by the editor's connection test, the remote
// browser and the activity log.
class FailureAdvice {
    Q_DECLARE_TR_FUNCTIONS(FailureAdvice)

public:
    // What a person can do about a failure, or empty when libcurl's own text is all there is to say.
    static QString forError(const PushConnection& connection, const FTPError& error);
    // The advice, then the error's own description on the next line; the description alone without advice.
    static QString explained(const PushConnection& connection, const FTPError& error);
    // The advice for a failure known only by the text description() gave it (an engine's error state keeps
    // that text): libcurl's numbered errors are told by their "curl error N: " opening. Empty without advice.
    static QString forDescription(const PushConnection& connection, const QString& description);
};

} // namespace ondrix
