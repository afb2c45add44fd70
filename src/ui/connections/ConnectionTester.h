#pragma once

#include "model/PushConnection.h"
#include "transfer/FTPError.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QThreadPool;

namespace ondrix {

// The editor's "Test Connection": reaches the server with the edited record, logs in and lists "/", on the
// transfer pool, and words the outcome so that a person knows what to change.
class ConnectionTester {
    Q_DECLARE_TR_FUNCTIONS(ConnectionTester)

public:
    // The result line: "✓ Connected successfully" or "✗ " + what went wrong and what to do.
    using Done = std::function<void(const QString& result, bool success)>;

    // Blocking; for a worker thread. Nothing on success. The uploader's test, except that a refused login
    // fails here: the uploads would fail with it.
    static std::optional<FTPError> test(const PushConnection& connection);

    // Runs test() on `pool` and calls `done` on the main thread, unless `context` is gone by then.
    static void run(QThreadPool& pool, const PushConnection& connection, QObject* context, Done done);

    // The result line of an outcome.
    static QString resultText(const PushConnection& connection, const std::optional<FTPError>& error);
};

} // namespace ondrix
