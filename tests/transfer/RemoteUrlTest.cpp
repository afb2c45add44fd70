#include "transfer/RemoteUrl.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;

TEST(RemoteUrl, HostIsTrimmedAndPortFollowsAColon)
{
    PushConnection connection{.host = u"  \n ftp.example.test\t "_s, .port = 2121};
    EXPECT_EQ(serverUrl(connection, "/"), QByteArray("ftp://ftp.example.test:2121/"));
    connection.transferProtocol = TransferProtocol::ftps;
    EXPECT_EQ(serverUrl(connection, "/"), QByteArray("ftp://ftp.example.test:2121/"));
    connection.transferProtocol = TransferProtocol::sftp;
    EXPECT_EQ(serverUrl(connection, "/a"), QByteArray("sftp://ftp.example.test:2121/a"));
}
