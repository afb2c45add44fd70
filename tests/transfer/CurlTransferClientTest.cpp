#include "transfer/CurlTransferClient.h"

#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/TestEnvironment.h"
#include "transfer/CurlHandle.h"
#include "transfer/FTPBrowserService.h"
#include "transfer/FTPUploader.h"
#include "transfer/RemoteCommand.h"
#include "transfer/RemoteListingParser.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

namespace {

// The sorted names of a listing (folders with a slash), or the error.
QStringList names(const std::variant<QString, FTPError>& result)
{
    if (const FTPError* error = std::get_if<FTPError>(&result)) {
        return {u"<error> "_s + error->description()};
    }
    QStringList names;
    for (const RemoteItem& item : RemoteListingParser::parseListing(std::get<QString>(result), "/")) {
        names << (item.isDirectory ? item.name + u'/' : item.name);
    }
    names.sort();
    return names;
}

const QStringList kPopulated = {"Sub Folder/", "empty/", "report 2026.pdf"};

void populate(const QString& root)
{
    QDir(root).mkpath("Sub Folder/inner");
    QDir(root).mkpath("empty");
    writeFileAt(root + "/report 2026.pdf", "0123456789");
    writeFileAt(root + "/.secret", {});
}

struct CurlTransferClientTest : ::testing::Test {
    TestEnvironment env;
};

} // namespace

TEST_F(CurlTransferClientTest, LineBreaksAndNulsAreRefusedBeforeAnythingIsSent)
{
    FtpTestServer server;
    server.start();
    CurlTransferClient client(server.connection());
    // The uploader creates remote folders named after local ones, whose names may hold anything.
    FTPUploader uploader(server.connection());
    int handles = 0;
    client.setHandleInspector([&](const CurlHandle&) { ++handles; });
    uploader.setHandleInspector([&](const CurlHandle&) { ++handles; });

    const QString nul = u"/a"_s + QChar(u'\0') + u"b"_s;
    for (const std::optional<FTPError>& refusal :
         {client.makeDirectory("/x\r\nRMD /keep"), client.removeDirectory("/keep\nx"), client.deleteFile(nul),
          client.rename("/keep", "/kept\r\nRMD /keep"), client.rename("/ke\rep", "/kept"),
          uploader.createDirectory("/in/x\r\nDELE /victim.txt"),
          uploader.createDirectory("/in/x\nDELE /victim.txt"), uploader.createDirectory("/in/x\rRMD /keep"),
          uploader.createDirectory(nul)}) {
        EXPECT_EQ(refusal.value().kind(), FTPError::Kind::unknown);
        EXPECT_TRUE(refusal->description().contains("line break or NUL"));
    }
    EXPECT_TRUE(std::holds_alternative<FTPError>(client.fetchListing("ftp://127.0.0.1/a\r\nDELE b/")));
    EXPECT_EQ(handles, 0);
    EXPECT_FALSE(uploader.createDirectory(u"/in"_s));
    EXPECT_GT(handles, 0) << "a safe path is sent";
    EXPECT_FALSE(RemoteCommand::refuseUnsafePath("/plain name\t(1).txt"));
}

// Listings without hidden names, a rename to a name with quotes and each command's refusal, on both servers.
TEST_F(CurlTransferClientTest, CommandsAndRefusalsOnRealServers)
{
    FtpTestServer ftp;
    ftp.start();
    SftpTestServer sftp;
    sftp.start();
    PushConnection byKey = sftp.connection();
    byKey.password.clear();
    byKey.sshKeyPath = SftpTestServer::clientKeyFile();
    for (const auto& [connection, root] :
         {std::pair{ftp.connection(), ftp.rootDir()}, std::pair{sftp.connection(), sftp.rootDir()},
          std::pair{byKey, sftp.rootDir()}}) {
        SCOPED_TRACE(connection.sshKeyPath.isEmpty() ? rawValue(connection.transferProtocol).toStdString()
                                                     : "key");
        QDir(root).removeRecursively();
        populate(root);
        const CurlTransferClient client(connection);
        const QByteArray rootUrl = FTPBrowserService::listingUrl(connection, "/");
        EXPECT_EQ(names(client.fetchListing(rootUrl)), kPopulated);
        const QString nameList = std::get<QString>(client.fetchNameList(rootUrl));
        EXPECT_TRUE(nameList.contains("report 2026.pdf") && nameList.contains("Sub Folder"));
        EXPECT_EQ(names(client.fetchListing(FTPBrowserService::listingUrl(connection, "Sub Folder"))),
                  QStringList({"inner/"}));
        EXPECT_EQ(
            names(client.fetchListing(FTPBrowserService::listingUrl(connection, "/gone"))).value(0).left(18),
            "<error> curl error");

        EXPECT_FALSE(client.rename("/report 2026.pdf", "/Sub Folder/renamed \"copy\".pdf"));
        EXPECT_FALSE(QFile::exists(root + "/report 2026.pdf"));
        for (const std::optional<FTPError>& refused :
             {client.removeDirectory("/Sub Folder"), client.deleteFile("/gone.txt"),
              client.removeDirectory("/gone"), client.rename("/gone", "/x")}) {
            EXPECT_EQ(refused.value().description(),
                      "curl error 21: " + QString::fromUtf8(curl_easy_strerror(CURLE_QUOTE_ERROR)));
        }
        EXPECT_FALSE(client.deleteFile("Sub Folder/renamed \"copy\".pdf"));
        EXPECT_FALSE(client.removeDirectory("empty"));
        EXPECT_FALSE(QFileInfo::exists(root + "/empty"));
    }
    // The rename went out as RNFR then RNTO on one control connection.
    const QString lines = QString::fromUtf8(readFile(ftp.logFile()));
    const QRegularExpression rename(
        QStringLiteral(R"(127\.0\.0\.1:(\d+)-\[ondrix\] RNFR \S*/report 2026\.pdf 350\n)"
                       R"(.*127\.0\.0\.1:\1-\[ondrix\] RNTO \S*/Sub Folder/renamed "copy"\.pdf 250)"));
    EXPECT_TRUE(rename.match(lines).hasMatch()) << lines.toStdString();
}

// Without MLSD, LIST is used after one try, also in active mode; a listing beyond the limit is an error.
TEST_F(CurlTransferClientTest, AServerWithoutMachineListingsIsListedTheOldWay)
{
    FtpTestServer server;
    server.start(FtpServerOptions{.machineListings = false});
    populate(server.rootDir());
    CurlTransferClient client(server.connection());
    int asked = 0;
    client.setHandleInspector([&](const CurlHandle& handle) {
        asked += handle.textOption(CURLOPT_CUSTOMREQUEST) == QByteArray("MLSD") ? 1 : 0;
    });
    const QByteArray url = FTPBrowserService::listingUrl(server.connection(), "/");
    for (int round = 0; round < 2; ++round) {
        const auto listing = client.fetchListing(url);
        EXPECT_EQ(names(listing), kPopulated);
        EXPECT_TRUE(
            RemoteListingParser::parseListing(std::get<QString>(listing), "/").front().modified.isValid());
    }
    EXPECT_EQ(asked, 1);

    PushConnection active = server.connection();
    active.ftpMode = FTPMode::active;
    EXPECT_EQ(names(CurlTransferClient(active).fetchListing(url)), kPopulated);
    client.setMaxListingBytes(40);
    EXPECT_TRUE(names(client.fetchListing(url)).value(0).contains("larger than 40 bytes"));
}
