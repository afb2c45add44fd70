#include "transfer/RemoteUrl.h"

#include <gtest/gtest.h>

using namespace ondrix;

TEST(RemoteUrl, HostIsTrimmedAndPortFollowsAColon)
{
    PushConnection connection;
    connection.host = QStringLiteral("  \n ftp.example.test\t ");
    connection.port = 2121;
    EXPECT_EQ(serverUrl(connection, "/"), QByteArray("ftp://ftp.example.test:2121/"));
    connection.transferProtocol = TransferProtocol::ftps;
    EXPECT_EQ(serverUrl(connection, "/"), QByteArray("ftp://ftp.example.test:2121/"));
    connection.transferProtocol = TransferProtocol::sftp;
    EXPECT_EQ(serverUrl(connection, "/a"), QByteArray("sftp://ftp.example.test:2121/a"));
}
