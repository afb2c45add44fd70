#include "ui/connections/ConnectionTester.h"

#include "transfer/FTPUploader.h"
#include "transfer/FailureAdvice.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

namespace ondrix {

std::optional<FTPError> ConnectionTester::test(const PushConnection& connection)
{
    // One login and one listing of "/", nothing more: a further request could be refused to a user confined
    // to a folder and fail a connection whose uploads work.
    return FTPUploader(connection, FTPUploader::ConnectionReuse::none).testConnection(true);
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
