#include "transfer/CurlTransferClient.h"

#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/TestEnvironment.h"
#include "transfer/CurlHandle.h"
#include "transfer/FTPBrowserService.h"
#include "transfer/RemoteCommand.h"
#include "transfer/RemoteListingParser.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace ondrix;
using ondrix::test::FtpServerOptions;
using ondrix::test::FtpTestServer;
using ondrix::test::SftpTestServer;
using ondrix::test::TestEnvironment;

namespace {

QString curlText(int code)
{
    return QString::fromUtf8(curl_easy_strerror(static_cast<CURLcode>(code)));
}

QString text(const std::variant<QString, FTPError>& result)
{
    if (const FTPError* error = std::get_if<FTPError>(&result)) {
        return QStringLiteral("<error> ") + error->description();
    }
    return std::get<QString>(result);
}

QStringList names(const QString& listing)
{
    QStringList result;
    for (const RemoteItem& item : RemoteListingParser::parseListing(listing, "/")) {
        result << (item.isDirectory ? item.name + u'/' : item.name);
    }
    result.sort();
    return result;
}

// Every transfer test gets its own home (for the SFTP known_hosts) and trusts the FTPS test CA.
class CurlTransferClientTest : public ::testing::Test {
protected:
    CurlTransferClientTest()
    {
        env.setVariable("SSL_CERT_FILE", FtpTestServer::caFile());
        env.setVariable("CURL_CA_BUNDLE", QString());
    }

    static void populate(const QString& root)
    {
        QDir(root).mkpath("Sub Folder/inner");
        QDir(root).mkpath("empty");
        QFile file(root + "/report 2026.pdf");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("0123456789");
        file.close();
        QFile hidden(root + "/.secret");
        ASSERT_TRUE(hidden.open(QIODevice::WriteOnly));
    }

    // List, create, rename, delete a file and an empty folder, and the refusals of each, on one server.
    static void exerciseCommands(const PushConnection& connection, const QString& root)
    {
        const CurlTransferClient client(connection);
        const QByteArray rootUrl = FTPBrowserService::listingUrl(connection, "/");
        EXPECT_EQ(names(text(client.fetchListing(rootUrl))),
                  QStringList({"Sub Folder/", "empty/", "report 2026.pdf"}));
        QStringList nameList =
            text(client.fetchNameList(rootUrl)).split(QRegularExpression("[\r\n]+"), Qt::SkipEmptyParts);
        nameList.sort();
        EXPECT_TRUE(nameList.contains("report 2026.pdf")) << nameList.join('|').toStdString();
        EXPECT_TRUE(nameList.contains("Sub Folder"));
        const QByteArray subUrl = FTPBrowserService::listingUrl(connection, "Sub Folder");
        EXPECT_EQ(names(text(client.fetchListing(subUrl))), QStringList({"inner/"}));

        EXPECT_FALSE(client.makeDirectory("new folder"));
        EXPECT_TRUE(QFileInfo(root + "/new folder").isDir());
        // A refused MKD (the folder exists; its parent is missing) is silent.
        EXPECT_FALSE(client.makeDirectory("/new folder"));
        EXPECT_FALSE(client.makeDirectory("/missing/child"));

        EXPECT_FALSE(client.rename("/report 2026.pdf", "/new folder/renamed \"copy\".pdf"));
        EXPECT_TRUE(QFile::exists(root + "/new folder/renamed \"copy\".pdf"));
        EXPECT_FALSE(QFile::exists(root + "/report 2026.pdf"));

        const std::optional<FTPError> notEmpty = client.removeDirectory("/new folder");
        ASSERT_TRUE(notEmpty);
        EXPECT_EQ(notEmpty->kind(), FTPError::Kind::curlExitCode);
        EXPECT_EQ(notEmpty->code(), CURLE_QUOTE_ERROR);
        EXPECT_EQ(notEmpty->text(), curlText(CURLE_QUOTE_ERROR));

        EXPECT_FALSE(client.deleteFile("new folder/renamed \"copy\".pdf"));
        EXPECT_FALSE(client.removeDirectory("new folder"));
        EXPECT_FALSE(QFileInfo::exists(root + "/new folder"));

        for (const std::optional<FTPError>& refused :
             {client.deleteFile("/gone.txt"), client.removeDirectory("/gone"),
              client.rename("/gone", "/x")}) {
            ASSERT_TRUE(refused);
            EXPECT_EQ(refused->code(), CURLE_QUOTE_ERROR);
            EXPECT_EQ(refused->description(), "curl error 21: " + curlText(CURLE_QUOTE_ERROR));
        }
        const std::variant<QString, FTPError> missing =
            client.fetchListing(FTPBrowserService::listingUrl(connection, "/gone"));
        ASSERT_TRUE(std::holds_alternative<FTPError>(missing));
        EXPECT_EQ(std::get<FTPError>(missing).kind(), FTPError::Kind::curlExitCode);
    }

    TestEnvironment env;
};

} // namespace

TEST_F(CurlTransferClientTest, LineBreaksAndNulsAreRefusedBeforeAnythingIsSent)
{
    FtpTestServer server;
    server.start();
    QDir(server.rootDir()).mkpath("keep");
    CurlTransferClient client(server.connection());
    int handles = 0;
    client.setHandleInspector([&](const CurlHandle&) { ++handles; });

    const QString nul = QStringLiteral("/a") + QChar(u'\0') + QStringLiteral("b");
    const QList<std::optional<FTPError>> refusals = {
        client.makeDirectory("/x\r\nRMD /keep"), client.removeDirectory("/keep\nx"), client.deleteFile(nul),
        client.rename("/keep", "/kept\r\nRMD /keep"), client.rename("/ke\rep", "/kept")};
    for (const std::optional<FTPError>& refusal : refusals) {
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->kind(), FTPError::Kind::unknown);
        EXPECT_TRUE(refusal->description().contains("line break or NUL"))
            << refusal->description().toStdString();
    }
    EXPECT_EQ(refusals[0]->description(),
              "The remote path contains a line break or NUL character and was not sent: /x\\r\\nRMD /keep");
    EXPECT_TRUE(std::holds_alternative<FTPError>(client.fetchListing("ftp://127.0.0.1/a\r\nDELE b/")));
    EXPECT_EQ(handles, 0);
    EXPECT_TRUE(QFileInfo(server.rootDir() + "/keep").isDir());
    EXPECT_FALSE(QFileInfo::exists(server.rootDir() + "/kept"));
    EXPECT_FALSE(RemoteCommand::refuseUnsafePath("/plain name\t(1).txt"));
}

TEST_F(CurlTransferClientTest, FtpOperationsOnARealServer)
{
    FtpTestServer server;
    server.start();
    populate(server.rootDir());
    exerciseCommands(server.connection(), server.rootDir());

    // The rename went out as RNFR then RNTO on one control connection.
    QFile log(server.logFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString lines = QString::fromUtf8(log.readAll());
    const QRegularExpression rename(
        QStringLiteral(R"(127\.0\.0\.1:(\d+)-\[ondrix\] RNFR \S*/report 2026\.pdf 350\n)"
                       R"(.*127\.0\.0\.1:\1-\[ondrix\] RNTO \S*/new folder/renamed "copy"\.pdf 250)"));
    EXPECT_TRUE(rename.match(lines).hasMatch()) << lines.toStdString();

    // An active-mode data connection carries the listing too.
    PushConnection active = server.connection();
    active.ftpMode = FTPMode::active;
    EXPECT_EQ(
        names(text(CurlTransferClient(active).fetchListing(FTPBrowserService::listingUrl(active, "/")))),
        QStringList({"Sub Folder/", "empty/"}));

    // A listing beyond the limit ends with an error that says so, not with memory used up.
    CurlTransferClient capped(server.connection());
    capped.setMaxListingBytes(40);
    const auto tooLarge = capped.fetchListing(FTPBrowserService::listingUrl(server.connection(), "/"));
    ASSERT_TRUE(std::holds_alternative<FTPError>(tooLarge));
    EXPECT_TRUE(std::get<FTPError>(tooLarge).description().contains("larger than 40 bytes"))
        << std::get<FTPError>(tooLarge).description().toStdString();
}

// A server that does not know MLSD (as vsftpd) is listed with LIST, and asked for MLSD only the first time.
TEST_F(CurlTransferClientTest, AServerWithoutMachineListingsIsListedTheOldWay)
{
    FtpTestServer server;
    FtpServerOptions options;
    options.machineListings = false;
    server.start(options);
    populate(server.rootDir());
    CurlTransferClient client(server.connection());
    int asked = 0;
    client.setHandleInspector([&](const CurlHandle& handle) {
        asked += handle.textOption(CURLOPT_CUSTOMREQUEST) == QByteArray("MLSD") ? 1 : 0;
    });
    const QByteArray url = FTPBrowserService::listingUrl(server.connection(), "/");
    for (int round = 0; round < 2; ++round) {
        const QString listing = text(client.fetchListing(url));
        EXPECT_EQ(names(listing), QStringList({"Sub Folder/", "empty/", "report 2026.pdf"}));
        EXPECT_TRUE(RemoteListingParser::parseListing(listing, "/").front().modified.isValid());
    }
    EXPECT_EQ(asked, 1);
}

TEST_F(CurlTransferClientTest, SftpOperationsOnARealServer)
{
    SftpTestServer server;
    server.start();
    populate(server.rootDir());
    exerciseCommands(server.connection(), server.rootDir());

    PushConnection byKey = server.connection();
    byKey.password.clear();
    byKey.sshKeyPath = SftpTestServer::clientKeyFile();
    EXPECT_EQ(names(text(CurlTransferClient(byKey).fetchListing(FTPBrowserService::listingUrl(byKey, "/")))),
              QStringList({"Sub Folder/", "empty/"}));
}
