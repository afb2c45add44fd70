// The advice a user gets when a real server goes away in the middle of an upload: a connection that worked
// and then broke is not a protocol to check.
#include "transfer/FailureAdvice.h"

#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/TestEnvironment.h"
#include "transfer/FTPUploader.h"

#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

using namespace ondrix;
using ondrix::test::FtpTestServer;
using ondrix::test::SftpTestServer;
using ondrix::test::TestEnvironment;

namespace {

// Uploads a capped large file to `connection`, calls `kill` once part of it has arrived, and returns how the
// upload ended.
std::optional<FTPError> uploadCutShort(PushConnection connection, const QString& local,
                                       const std::function<void()>& kill)
{
    connection.maxBandwidthKBps = 256;
    const FTPUploader uploader(connection);
    std::atomic<qint64> sent = 0;
    std::optional<FTPError> error;
    std::thread upload([&] {
        error =
            uploader.upload(local, QStringLiteral("/big.bin"), [&](qint64 bytes, qint64) { sent = bytes; });
    });
    const QDeadlineTimer deadline(30000);
    while (sent < 300'000 && !deadline.hasExpired()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const bool midway = sent >= 300'000;
    kill();
    upload.join();
    EXPECT_TRUE(midway) << "the upload did not get going: " << sent;
    return error;
}

} // namespace

TEST(FailureAdviceTest, AServerKilledDuringAnUploadIsNotAProtocolMismatch)
{
    TestEnvironment env;
    const QString local = env.writeFile(QStringLiteral("big.bin"), QByteArray(8'000'000, 'x'));
    const auto judge = [&](const PushConnection& connection, const std::optional<FTPError>& error) {
        ASSERT_TRUE(error) << "the cut upload succeeded";
        // The words the connection test and the activity log show, and those the popover rebuilds from the
        // engine's error text: both may name what to check, but not the protocol.
        for (const QString& advice : {FailureAdvice::explained(connection, *error),
                                      FailureAdvice::forDescription(connection, error->description())}) {
            EXPECT_FALSE(advice.contains(QLatin1String("protocol"), Qt::CaseInsensitive))
                << advice.toStdString();
        }
    };
    {
        SCOPED_TRACE("SFTP"); // the SSH server goes away with its sessions (libcurl: error 79)
        SftpTestServer server;
        server.start();
        judge(server.connection(), uploadCutShort(server.connection(), local, [&] { server.stop(); }));
    }
    {
        SCOPED_TRACE("FTP"); // the data connection is cut (libcurl: error 55)
        FtpTestServer server;
        server.start();
        judge(server.connection(), uploadCutShort(server.connection(), local, [&] { server.stop(); }));
    }
}

TEST(FailureAdviceTest, NamesTheFixForCommonFailures)
{
    PushConnection c;
    c.host = QStringLiteral(" nas.local ");
    EXPECT_TRUE(
        FailureAdvice::forError(c, FTPError::curlExitCode(6, QStringLiteral("Couldn't resolve host name")))
            .contains(QLatin1String("\"nas.local\" was not found")));
    EXPECT_TRUE(FailureAdvice::forError(c, FTPError::curlExitCode(60, QStringLiteral("SSL peer certificate")))
                    .contains(QLatin1String("certificate")));
    EXPECT_TRUE(
        FailureAdvice::forError(c, FTPError::curlExitCode(64, QStringLiteral("Requested SSL level failed")))
            .contains(QLatin1String("does not offer TLS")));
    EXPECT_TRUE(FailureAdvice::forError(c, FTPError::curlExitCode(999, QStringLiteral("?"))).isEmpty());
    // Advice follows what happened: an answer in the wrong protocol is a protocol to check, an SSH session
    // that broke off after working is not.
    const struct {
        TransferProtocol protocol;
        int code;
        const char* advice;
    } advice[] = {
        {TransferProtocol::ftp, 8, "Check that the protocol matches"},
        {TransferProtocol::sftp, 79, "The SSH connection broke off"},
        {TransferProtocol::sftp, 2, ""},
    };
    for (const auto& a : advice) {
        PushConnection p = c;
        p.transferProtocol = a.protocol;
        const QString text = FailureAdvice::forError(p, FTPError::curlExitCode(a.code, QStringLiteral("x")));
        EXPECT_TRUE(QLatin1String(a.advice).isEmpty() ? text.isEmpty()
                                                      : text.contains(QLatin1String(a.advice)))
            << a.code << ": " << text.toStdString();
    }
    // libcurl's "Login denied" over SFTP with a key: a key file that is gone is named as the cause.
    c.transferProtocol = TransferProtocol::sftp;
    c.sshKeyPath = QStringLiteral("/nonexistent/id_ed25519");
    EXPECT_TRUE(
        FailureAdvice::forError(c, FTPError::curlExitCode(67, QStringLiteral("Login denied")))
            .startsWith(QLatin1String("The private key file /nonexistent/id_ed25519 cannot be read")));
}
