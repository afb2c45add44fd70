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

TEST(RemoteUrl, PathKeepsTheUrlPathCharactersAndEncodesTheRest)
{
    EXPECT_EQ(percentEncodePath(QStringLiteral("/a b/c#d%e;f?g")), QByteArray("/a%20b/c%23d%25e%3Bf%3Fg"));
    EXPECT_EQ(percentEncodePath(QStringLiteral("/x!$&'()*+,-.:=@_~/AZaz09")),
              QByteArray("/x!$&'()*+,-.:=@_~/AZaz09"));
    EXPECT_EQ(percentEncodePath(QStringLiteral("/Zürich/č.jpg")), QByteArray("/Z%C3%BCrich/%C4%8D.jpg"));
    EXPECT_EQ(percentEncodePath(QStringLiteral("/\"<>[]\\^`{|}")),
              QByteArray("/%22%3C%3E%5B%5D%5C%5E%60%7B%7C%7D"));
}
