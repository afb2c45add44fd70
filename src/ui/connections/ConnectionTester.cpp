#include "ui/connections/ConnectionTester.h"

#include "transfer/CurlTransferClient.h"
#include "transfer/FTPBrowserService.h"
#include "transfer/FTPUploader.h"
#include "transfer/FailureAdvice.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

namespace ondrix {

std::optional<FTPError> ConnectionTester::test(const PushConnection& connection)
{
    if (auto error = FTPUploader(connection, FTPUploader::ConnectionReuse::none).testConnection()) {
        return error;
    }
    // The uploader's test counts a refused login as reachable; listing "/" tells whether the login works.
    const auto listing = CurlTransferClient(connection)
                             .fetchNameList(FTPBrowserService::listingUrl(connection, QStringLiteral("/")));
    if (const auto* error = std::get_if<FTPError>(&listing)) {
        return *error;
    }
    return std::nullopt;
}

void ConnectionTester::run(QThreadPool& pool, const PushConnection& connection, QObject* context, Done done)
{
    QPointer<QObject> guard(context);
    pool.start([connection, guard, done = std::move(done)] {
        const std::optional<FTPError> error = test(connection);
        const QString text = resultText(connection, error);
        // Back on the main thread; the application object outlives every editor.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, done, text, ok = !error.has_value()] {
                if (guard) {
                    done(text, ok);
                }
            },
            Qt::QueuedConnection);
    });
}

QString ConnectionTester::resultText(const PushConnection& connection, const std::optional<FTPError>& error)
{
    if (!error) {
        return tr("✓ Connected successfully");
    }
    return QStringLiteral("✗ ") + FailureAdvice::explained(connection, *error);
}

} // namespace ondrix
