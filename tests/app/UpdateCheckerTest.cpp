// The update check against a feed served on loopback.
#include "app/UpdateChecker.h"

#include "platform/PreferencesStore.h"
#include "support/EngineTestServices.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;

namespace {

// Answers every request with `body` as JSON and keeps the request texts; an endless server keeps sending.
class FeedServer : public QTcpServer {
public:
    QByteArray body;
    QList<QByteArray> requests;
    bool endless = false;

    FeedServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    requests << request;
                    if (endless) {
                        socket->write(
                            "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n\r\n{\"notes\": \"");
                        connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
                            if (socket->bytesToWrite() < 65536) {
                                socket->write(QByteArray(65536, 'x'));
                            }
                        });
                        return;
                    }
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nConnection: close\r\n"
                                  "Content-Length: " +
                                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QUrl url() const { return QUrl(u"http://127.0.0.1:%1/linux.json"_s.arg(serverPort())); }
};

} // namespace

TEST(UpdateChecker, ComparesVersionsPartByPart)
{
    EXPECT_EQ(UpdateChecker::compareVersions(u"1.2"_s, u"1.2.0"_s), 0);
    EXPECT_GT(UpdateChecker::compareVersions(u"0.10"_s, u"0.9"_s), 0);
    EXPECT_GT(UpdateChecker::compareVersions(u"1.10.0"_s, u"1.9.9"_s), 0);
    EXPECT_LT(UpdateChecker::compareVersions(u"1.99"_s, u"2"_s), 0);
    EXPECT_EQ(UpdateChecker::compareVersions(u"v1.3.0-beta"_s, u"1.3"_s), 0);
    EXPECT_LT(UpdateChecker::compareVersions(u"0.1.0"_s, u"0.1.1"_s), 0);
}

TEST(UpdateChecker, TellsAboutANewerVersionAtMostDailyAndSendsNothingAboutTheMachine)
{
    FeedServer feed;
    feed.body = R"({"version": "0.10.0", "url": "https://ondrix.io/download", "notes": "Faster uploads."})";
    QTemporaryDir folder;
    PreferencesStore store(folder.filePath(u"preferences.sqlite"_s));
    test::RecordingNotificationCenter center;
    QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'000);
    UpdateChecker checker(feed.url(), u"0.9"_s, store, center, [&] { return now; });
    QSignalSpy checked(&checker, &UpdateChecker::checked);

    checker.checkIfDue();
    ASSERT_TRUE(checked.wait(10000));
    ASSERT_EQ(std::tuple(checked.last().at(1).toBool(), center.requests.size(), feed.requests.size()),
              std::tuple(true, qsizetype(1), qsizetype(1)));
    EXPECT_EQ(center.requests[0].title, u"Ondrix 0.10.0 is available"_s);
    EXPECT_TRUE(center.requests[0].body.contains(QLatin1String("https://ondrix.io/download")));
    const QByteArray request = feed.requests[0];
    EXPECT_TRUE(request.startsWith("GET /linux.json HTTP/1.1\r\n") &&
                request.contains("User-Agent: Ondrix\r\n"))
        << request.constData();

    // Within a day: no second request; a day later: asked again.
    now = now.addSecs(UpdateChecker::kCheckIntervalSeconds - 60);
    checker.checkIfDue();
    QTest::qWait(100);
    EXPECT_EQ(feed.requests.size(), 1);
    now = now.addSecs(120);
    checker.checkIfDue();
    ASSERT_TRUE(checked.wait(10000));
    EXPECT_EQ(feed.requests.size(), 2);

    // The same version: a scheduled check stays quiet, one the user asked for says so.
    feed.body = R"({"version": "0.9.0"})";
    checker.checkNow(false);
    ASSERT_TRUE(checked.wait(10000));
    EXPECT_EQ(center.requests.size(), 2);
    checker.checkNow(true);
    ASSERT_TRUE(checked.wait(10000));
    EXPECT_EQ(std::pair(center.requests.size(), center.requests.last().title),
              std::pair(qsizetype(3), u"Ondrix is up to date"_s));

    // A broken answer is reported only to a user who asked.
    feed.body = "<html>";
    checker.checkNow(true);
    ASSERT_TRUE(checked.wait(10000));
    EXPECT_EQ(center.requests.last().title, u"Could not check for updates"_s);

    // So is an answer that never ends: it is cut off, not held in memory.
    feed.endless = true;
    checker.checkNow(true);
    ASSERT_TRUE(checked.wait(10000));
    EXPECT_FALSE(checked.last().at(1).toBool());
    EXPECT_TRUE(center.requests.last().body.contains(QLatin1String("larger than a feed can be")));

    // Plain HTTP to anything but this machine is never fetched (asked without a request going out).
    EXPECT_FALSE(UpdateChecker::mayFetch(QUrl(u"http://ondrix.io/linux.json"_s)));
    EXPECT_FALSE(UpdateChecker::mayFetch(QUrl(u"http://127.0.0.1.example.com/linux.json"_s)));
    EXPECT_FALSE(UpdateChecker::mayFetch(QUrl(u"ftp://127.0.0.1/linux.json"_s)));
    EXPECT_TRUE(UpdateChecker::mayFetch(feed.url()));
    EXPECT_TRUE(UpdateChecker::mayFetch(QUrl(u"http://[::1]:8080/linux.json"_s)));
    EXPECT_TRUE(UpdateChecker::mayFetch(QUrl(u"https://ondrix.io/updates/linux.json"_s)));
}
