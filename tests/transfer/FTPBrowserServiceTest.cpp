#include "transfer/FTPBrowserService.h"

#include "support/ClosedPort.h"
#include "support/FtpTestServer.h"
#include "support/SshdTestServer.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

#include <curl/curl.h>
#include <gtest/gtest.h>

#include <fstream>

using namespace Qt::StringLiterals;
using namespace ondrix;
using namespace ondrix::test;

namespace {

// The ids of a listing (folders with a slash), or its error's description.
QStringList ids(const FTPBrowserService::ListingResult& result)
{
    if (const FTPError* error = std::get_if<FTPError>(&result)) {
        return {error->description()};
    }
    QStringList ids;
    for (const RemoteItem& item : std::get<QList<RemoteItem>>(result)) {
        ids << (item.isDirectory ? item.id + u'/' : item.id);
    }
    return ids;
}

// One FTP server for the suite; each test works in folders of its own.
struct FTPBrowserServiceTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        s_server = new FtpTestServer;
        s_server->start();
    }
    static void TearDownTestSuite() { delete s_server; }

    FTPBrowserServiceTest() { pool.setMaxThreadCount(4); }

    static FTPBrowserService::ListingResult list(FTPBrowserService& service, const QString& path)
    {
        std::optional<FTPBrowserService::ListingResult> result;
        service.listDirectory(path, nullptr, [&](const FTPBrowserService::ListingResult& r) { result = r; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 20000));
        return result.value_or(FTPError::unknown("no result"));
    }

    static std::optional<FTPError>
    command(const std::function<void(FTPBrowserService::CommandCallback)>& start)
    {
        std::optional<std::optional<FTPError>> result;
        start([&](const std::optional<FTPError>& error) { result.emplace(error); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 20000));
        return result.value_or(std::nullopt);
    }

    TestEnvironment env;
    QThreadPool pool;
    static inline FtpTestServer* s_server = nullptr;
};

} // namespace

TEST(FTPBrowserServiceListing, AListingWithoutEntriesFallsBackToTheNameList)
{
    const FTPError gone = FTPError::curlExitCode(78, "gone");
    struct Case {
        QString path;
        std::variant<QString, FTPError> listing, names;
        QList<bool> asked;
        QStringList result; // the ids, or the error's description
    };
    const QString unix = "-rw-r--r-- 1 u g 3 Jan 1 2024 f\ndrwxr-xr-x 2 u g 4096 Jan 1 2024 d\n";
    const QString refused =
        "The remote path contains a line break or NUL character and was not sent: /a\\nb/";
    const Case cases[] = {
        // Only the total line of a Unix listing: the names-only listing is used, every entry as a file.
        {"/in/", QString("total 0\r\n"), QString("b\n.x\nA dir\n"), {false, true}, {"/in/A dir", "/in/b"}},
        // A listing with entries is used alone, sorted; an error of either listing is the result.
        {"/", unix, gone, {false}, {"/d/", "/f"}},
        {"/", QString(), gone, {false, true}, {gone.description()}},
        // A path with a line break is refused before anything is fetched.
        {"/a\nb/", QString(), QString(), {}, {refused}},
    };
    for (const Case& c : cases) {
        QList<bool> asked;
        const auto result = FTPBrowserService::entriesOf(c.path, [&](bool namesOnly) {
            asked << namesOnly;
            return namesOnly ? c.names : c.listing;
        });
        EXPECT_EQ(asked, c.asked) << c.path.toStdString();
        EXPECT_EQ(ids(result), c.result);
    }
}

// Operations asked for back to back run in order; a failure reaches the caller and the state, and a failed
// listing keeps the last items and path.
TEST_F(FTPBrowserServiceTest, ListingsAndOperationsRunInOrderAndFailuresReachTheCallerAndTheState)
{
    const QString root = s_server->rootDir();
    for (const char* name : {"in box/b.txt", "in box/A.txt", "in box/.hidden", "in box/Alpha #1/.only-hidden",
                             "in box/zeta/.x", "ops/old.txt"}) {
        writeFileAt(root + u'/' + QLatin1String(name), "x");
    }
    QDir(root).mkpath("full/child");
    FTPBrowserService service(s_server->connection(), &pool);
    QSignalSpy itemsChanged(&service, &FTPBrowserService::itemsChanged);
    const auto listed = list(service, "in box");
    EXPECT_EQ(ids(listed),
              QStringList({"/in box/Alpha #1/", "/in box/zeta/", "/in box/A.txt", "/in box/b.txt"}));
    EXPECT_EQ(listed, FTPBrowserService::ListingResult(service.items()));
    EXPECT_EQ(service.currentPath(), "/in box/");
    EXPECT_EQ(itemsChanged.count(), 1);
    // A folder whose name needs encoding lists too; holding only hidden entries, it lists empty.
    EXPECT_EQ(ids(list(service, "/in box/Alpha #1")), QStringList());
    EXPECT_EQ(service.currentPath(), "/in box/Alpha #1/");

    QSignalSpy loading(&service, &FTPBrowserService::isLoadingChanged);
    QSignalSpy failed(&service, &FTPBrowserService::operationFailed);

    QStringList order;
    std::optional<FTPBrowserService::ListingResult> listing;
    const auto record = [&](const QString& name) {
        return [&order, name](const std::optional<FTPError>& error) {
            order << (error ? name + ": " + error->description() : name);
        };
    };
    service.createFolder("/ops/new", nullptr, record("create"));
    service.renameItem("/ops/old.txt", "/ops/new/moved.txt", nullptr, record("rename"));
    service.deleteItem("/ops/new/moved.txt", false, nullptr, record("delete file"));
    service.deleteItem("/ops/new", true, nullptr, record("delete folder"));
    service.createFolder("/ops/final", nullptr, record("create again"));
    service.listDirectory("/ops", nullptr, [&](const auto& r) {
        order << "list";
        listing = r;
    });
    EXPECT_TRUE(service.isLoading());
    ASSERT_TRUE(QTest::qWaitFor([&] { return listing.has_value(); }, 20000));

    EXPECT_EQ(order,
              QStringList({"create", "rename", "delete file", "delete folder", "create again", "list"}));
    EXPECT_EQ(ids(*listing), QStringList({"/ops/final/"}));
    EXPECT_EQ(loading.count(), 2) << "busy once for the whole run";

    const QList<RemoteItem> before = std::get<QList<RemoteItem>>(list(service, "/"));

    // Removing a folder that is not empty is refused by the server.
    const FTPError refused =
        command([&](auto done) { service.deleteItem("/full", true, nullptr, done); }).value();
    EXPECT_EQ(refused.code(), CURLE_QUOTE_ERROR);
    EXPECT_EQ(service.errorMessage(), refused.description());
    EXPECT_EQ(QList<QVariantList>(failed), QList<QVariantList>{{refused.description()}});

    // A refused MKD is silent; the next listing starts with the error cleared.
    EXPECT_FALSE(command([&](auto done) { service.createFolder("/full", nullptr, done); }));
    ASSERT_TRUE(std::holds_alternative<QList<RemoteItem>>(list(service, "/")));
    EXPECT_TRUE(service.errorMessage().isEmpty());

    // A listing that fails keeps the last items and path.
    EXPECT_EQ(std::get<FTPError>(list(service, "/nowhere")).kind(), FTPError::Kind::curlExitCode);
    EXPECT_EQ(std::pair(service.items(), service.currentPath()), std::pair(before, u"/"_s));
    EXPECT_FALSE(service.errorMessage().isEmpty());
}

TEST_F(FTPBrowserServiceTest, AnUnreachableServerReportsLibcurlsErrorAndGoneCallersAreSkipped)
{
    const ClosedPort closed;
    auto service = std::make_unique<FTPBrowserService>(
        PushConnection{.host = u"127.0.0.1"_s, .port = closed.port()}, &pool);
    const FTPError error = std::get<FTPError>(list(*service, "/"));
    EXPECT_EQ(error, FTPError::curlExitCode(7, QString::fromUtf8(curl_easy_strerror(CURLE_COULDNT_CONNECT))));
    EXPECT_EQ(service->errorMessage(), "curl error 7: " + error.text());
    EXPECT_TRUE(service->items().isEmpty() && service->currentPath().isEmpty());

    // A caller destroyed while its operation waits is not called, and the queue goes on; a service destroyed
    // with work in flight calls nobody.
    QStringList called;
    {
        QObject caller;
        service->deleteItem("/a", false, &caller, [&](const auto&) { called << "gone caller"; });
    }
    service->deleteItem("/b", false, nullptr, [&](const auto&) { called << "later"; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !called.isEmpty(); }, 20000));
    EXPECT_FALSE(service->isLoading());
    service->listDirectory("/", nullptr, [&](const auto&) { called << "list"; });
    service->createFolder("/x", nullptr, [&](const auto&) { called << "create"; });
    service.reset();
    pool.waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(called, QStringList{"later"});
}

// sshd lists "." and ".." and pads its columns; a name that is not UTF-8 keeps its bytes.
TEST_F(FTPBrowserServiceTest, OpenSshBrowsingSkipsDotEntries)
{
    if (!SshdTestServer::isAvailable()) {
        GTEST_SKIP() << "sshd is not installed";
    }
    SshdTestServer server;
    server.start();
    const QString root = server.rootDir();
    writeFileAt(root + "/two  spaces.txt", "1234567890");
    QDir(root).mkpath("Sub Folder/inner");
    ASSERT_TRUE(QFile::link("two  spaces.txt", root + "/link"));
    std::ofstream(QByteArray(QFile::encodeName(root) + "/caf\xE9.txt").constData());
    const QString latin1 = root + "/caf" + QChar(char16_t(0xDCE9)) + ".txt";
    FTPBrowserService service(server.connection(), &pool);

    EXPECT_EQ(ids(list(service, root)),
              QStringList({root + "/Sub Folder/", latin1, root + "/link -> two spaces.txt",
                           root + "/two spaces.txt"}));
    EXPECT_EQ(service.currentPath(), root + "/");
    EXPECT_FALSE(command([&](auto done) { service.deleteItem(latin1, false, nullptr, done); }));
    EXPECT_FALSE(
        command([&](auto done) { service.deleteItem(root + "/two  spaces.txt", false, nullptr, done); }));
    EXPECT_EQ(ids(list(service, root)),
              QStringList({root + "/Sub Folder/", root + "/link -> two spaces.txt"}));
}
