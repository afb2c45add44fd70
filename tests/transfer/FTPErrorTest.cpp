#include "transfer/FTPError.h"

#include <gtest/gtest.h>

using ondrix::FTPError;

TEST(FTPError, DescriptionsAppendTheirPayload)
{
    EXPECT_EQ(FTPError::connectionFailed(QStringLiteral("x")).description(),
              QStringLiteral("Connection failed: x"));
    EXPECT_EQ(FTPError::remotePathNotFound(QStringLiteral("/a")).description(),
              QStringLiteral("Remote path not found: /a"));
    EXPECT_EQ(FTPError::localFileNotReadable(QStringLiteral("/tmp/ä b")).description(),
              QStringLiteral("Cannot read file: /tmp/ä b"));
    EXPECT_EQ(FTPError::localFolderNotWritable(QStringLiteral("/r")).description(),
              QStringLiteral("Cannot write to: /r"));
    EXPECT_EQ(FTPError::transferFailed(QStringLiteral("t")).description(),
              QStringLiteral("Transfer failed: t"));
    EXPECT_EQ(FTPError::curlExitCode(7, QStringLiteral("Couldn't connect to server")).description(),
              QStringLiteral("curl error 7: Couldn't connect to server"));
    EXPECT_EQ(FTPError::curlExitCode(-1, QStringLiteral("Failed to initialize libcurl")).description(),
              QStringLiteral("curl error -1: Failed to initialize libcurl"));
    EXPECT_EQ(FTPError::unknown(QStringLiteral("as is")).description(), QStringLiteral("as is"));
    EXPECT_EQ(FTPError::authenticationFailed().description(), QStringLiteral("Authentication failed"));
    EXPECT_EQ(FTPError::cancelled().description(), QStringLiteral("Cancelled"));
}
