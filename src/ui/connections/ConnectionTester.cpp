#include "ui/connections/ConnectionTester.h"

#include "transfer/CurlTransferClient.h"
#include "transfer/FTPBrowserService.h"
#include "transfer/FTPUploader.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

#include <curl/curl.h>

namespace ondrix {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ConnectionTester", text);
}

} // namespace

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
    const QString hint = advice(connection, *error);
    return QStringLiteral("✗ ") +
           (hint.isEmpty() ? error->description() : hint + QLatin1Char('\n') + error->description());
}

QString ConnectionTester::advice(const PushConnection& connection, const FTPError& error)
{
    if (error.kind() != FTPError::Kind::curlExitCode) {
        return {};
    }
    const QString host = connection.host.trimmed();
    const bool sftp = connection.transferProtocol == TransferProtocol::sftp;
    switch (error.code()) {
    case CURLE_URL_MALFORMAT:
        return tr("The host name is not valid. Enter a name such as ftp.example.com or an IP address.");
    case CURLE_COULDNT_RESOLVE_HOST:
        return tr("The host \"%1\" was not found. Check its spelling and your network connection.").arg(host);
    case CURLE_COULDNT_CONNECT:
        return tr("Nothing accepted a connection at %1 on port %2. Check the host and the port (FTP and FTPS "
                  "usually use 21, SFTP 22) and that the server is running.")
            .arg(host)
            .arg(connection.port);
    case CURLE_OPERATION_TIMEDOUT:
        return tr("The server did not answer in time. Check the host and the port, and whether a firewall "
                  "blocks the connection.");
    case CURLE_LOGIN_DENIED:
        return tr("The server refused the login. Check the username and the password.");
    case CURLE_REMOTE_ACCESS_DENIED:
        return tr("The server refused access to the folder. Check this user's permissions on the server.");
    case CURLE_PEER_FAILED_VERIFICATION:
        if (sftp) {
            // A changed host key already says what to do (ssh-keygen -R) in its own text.
            return error.text().contains(QLatin1String("ssh-keygen"))
                       ? QString()
                       : tr("The server's host key could not be checked. Connect again; if it persists, "
                            "check "
                            "the known hosts file.");
        }
        return tr("The server's certificate is not trusted or is not made out to \"%1\". Check the host "
                  "name; "
                  "for a private certificate authority, point SSL_CERT_FILE at its certificate.")
            .arg(host);
    case CURLE_SSL_CONNECT_ERROR:
        return tr("The secure connection could not be set up. Check that the server offers explicit FTPS "
                  "(TLS) on this port.");
    case CURLE_USE_SSL_FAILED:
        return tr("The server does not offer TLS. Choose FTP if it has no encryption, or enable TLS on the "
                  "server.");
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_SSH:
        return tr("The server's answer was not understood. Check that the protocol matches the server (SFTP "
                  "for SSH servers, FTP or FTPS otherwise) and the port.");
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_PORT_FAILED:
        return tr("The server could not open the data connection in active mode. Choose passive mode.");
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
        return tr("The connection was cut off. Try again; if it keeps happening, check the protocol, the "
                  "port and the server's connection limits.");
    default:
        return {};
    }
}

} // namespace ondrix
