#include "transfer/FailureAdvice.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <curl/curl.h>

namespace ondrix {

QString FailureAdvice::forError(const PushConnection& connection, const FTPError& error)
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
        if (sftp && !connection.sshKeyPath.isEmpty()) {
            // libcurl says only "Login denied" when the key file is missing or unreadable.
            if (!QFileInfo(connection.sshKeyPath).isReadable()) {
                return tr("The private key file %1 cannot be read. Choose the key file again in the "
                          "connection's settings.")
                    .arg(connection.sshKeyPath);
            }
            return tr("The server refused the login with the key %1. Check the username, and that the key's "
                      "public part is in the server's authorized_keys file.")
                .arg(connection.sshKeyPath);
        }
        return tr("The server refused the login. Check the username and the password.");
    case CURLE_REMOTE_ACCESS_DENIED:
        return tr("The server refused to open the folder: it may not exist, or this user may not have access "
                  "to it. Check the remote path and the user's permissions on the server.");
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return tr("The folder or file does not exist on the server. Check the remote path.");
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
        return tr("The server's answer was not understood. Check that the protocol matches the server (SFTP "
                  "for SSH servers, FTP or FTPS otherwise) and the port.");
    case CURLE_SSH:
        // libcurl says this once an SSH session is up (a failed handshake is another code), so the protocol
        // is right: the session itself broke off, as when the server goes away during an upload.
        return tr("The SSH connection broke off. The file is sent again; if it keeps happening, check the "
                  "network and the server's session and connection limits.");
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_PORT_FAILED:
        return tr("The server could not open the data connection in active mode. Choose passive mode.");
    case CURLE_PARTIAL_FILE:
        return tr("The connection ended before the whole file arrived. The file is sent again.");
    case CURLE_UPLOAD_FAILED:
        return tr("The server refused to store the file. Check that the user may write to the remote folder "
                  "and that the server has free space.");
    case CURLE_REMOTE_DISK_FULL:
        return tr("The server's disk is full. Free space on the server; the file is sent again.");
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        // Data stopped on a connection that was already up and speaking: a cut, not a protocol to check.
        return tr("The connection was cut off. The file is sent again; if it keeps happening, check the "
                  "network and the server's connection limits.");
    case CURLE_GOT_NOTHING:
        return tr("The connection was cut off. Try again; if it keeps happening, check the protocol, the "
                  "port and the server's connection limits.");
    default:
        return {};
    }
}

QString FailureAdvice::explained(const PushConnection& connection, const FTPError& error)
{
    const QString hint = forError(connection, error);
    return hint.isEmpty() ? error.description() : hint + QLatin1Char('\n') + error.description();
}

QString FailureAdvice::forDescription(const PushConnection& connection, const QString& description)
{
    // The same opening FTPError::description() writes, in the same language.
    const QString opening = QCoreApplication::translate("FTPError", "curl error ");
    if (!description.startsWith(opening)) {
        return {};
    }
    const qsizetype colon = description.indexOf(QStringLiteral(": "), opening.size());
    bool isNumber = false;
    const int code = description.mid(opening.size(), colon - opening.size()).toInt(&isNumber);
    if (colon < 0 || !isNumber) {
        return {};
    }
    return forError(connection, FTPError::curlExitCode(code, description.mid(colon + 2)));
}

} // namespace ondrix
