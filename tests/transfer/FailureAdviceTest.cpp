#include "transfer/FailureAdvice.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;

TEST(FailureAdviceTest, NamesTheFixForCommonFailures)
{
    const struct {
        TransferProtocol protocol;
        int code;
        const char* sshKey;
        const char* advice; // a part of the advice, or "" for none
    } cases[] = {
        {TransferProtocol::ftp, 6, "", "\"nas.local\" was not found"},
        {TransferProtocol::ftp, 60, "", "certificate"},
        {TransferProtocol::ftps, 64, "", "does not offer TLS"},
        {TransferProtocol::ftp, 999, "", ""},
        // An answer in the wrong protocol is a protocol to check, an SSH session that broke off is not.
        {TransferProtocol::ftp, 8, "", "Check that the protocol matches"},
        {TransferProtocol::sftp, 79, "", "The SSH connection broke off"},
        {TransferProtocol::sftp, 2, "", ""},
        // libcurl's "Login denied" with a key file that is gone names the file as the cause.
        {TransferProtocol::sftp, 67, "/nonexistent/id_ed25519",
         "The private key file /nonexistent/id_ed25519 cannot be read"},
    };
    for (const auto& c : cases) {
        const PushConnection connection{.transferProtocol = c.protocol,
                                        .host = u" nas.local "_s,
                                        .sshKeyPath = QString::fromUtf8(c.sshKey)};
        const QString text = FailureAdvice::forError(connection, FTPError::curlExitCode(c.code, "x"));
        EXPECT_TRUE(*c.advice == 0 ? text.isEmpty() : text.contains(QLatin1String(c.advice)))
            << c.code << ": " << text.toStdString();
    }
}
