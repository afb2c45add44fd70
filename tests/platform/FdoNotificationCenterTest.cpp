#include "platform/FdoNotificationCenter.h"

#include "support/DBusMockSession.h"
#include "support/MessageCapture.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using ondrix::test::DBusMockSession;
using ondrix::test::MessageCapture;

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");

// Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout)
enum NotifyArg { appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout };

class FdoNotificationCenterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_bus.isRunning()) << m_bus.errorString().toStdString(); }

    void startServer(const QVariantMap& parameters = {})
    {
        ASSERT_TRUE(m_bus.startTemplate(QStringLiteral("notification_daemon"), service, parameters))
            << m_bus.errorString().toStdString();
    }

    QList<QVariantList> notifyCalls() const
    {
        return m_bus.methodCalls(service, path, QStringLiteral("Notify"));
    }

    QList<QVariantList> waitForNotifyCalls(qsizetype count) const
    {
        QList<QVariantList> calls;
        (void)QTest::qWaitFor(
            [&] {
                calls = notifyCalls();
                return calls.size() >= count;
            },
            10000);
        return calls;
    }

    DBusMockSession m_bus;
};

// Plain-text servers, sound hints and texts are covered through the notification service's tests.
TEST_F(FdoNotificationCenterTest, EscapesBodiesForServersThatInterpretMarkup)
{
    startServer(); // the template's default capabilities include body-markup
    FdoNotificationCenter center(m_bus.connection());
    center.add({QStringLiteral("a"), QStringLiteral("T & T"), QStringLiteral("Tom & Jerry <1>.jpg"), false});
    const QList<QVariantList> calls = waitForNotifyCalls(1);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0][body].toString(), QStringLiteral("Tom &amp; Jerry &lt;1&gt;.jpg"));
    EXPECT_EQ(calls[0][summary].toString(), QStringLiteral("T & T")); // summaries are plain text
    EXPECT_EQ(calls[0][appName].toString(), QStringLiteral("Ondrix"));
    EXPECT_EQ(calls[0][expireTimeout].toInt(), -1); // the server's default

    // A server that answers grants permission.
    std::optional<bool> granted;
    std::optional<NotificationPermissionError> error;
    center.requestPermission([&](bool g, std::optional<NotificationPermissionError> e) {
        granted = g;
        error = e;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return granted.has_value(); }, 10000));
    EXPECT_TRUE(*granted);
    EXPECT_FALSE(error.has_value());
}

TEST_F(FdoNotificationCenterTest, SameIdentifierReplacesEvenWhenPostedBackToBack)
{
    startServer();
    FdoNotificationCenter center(m_bus.connection());
    // Three requests in one go: the second is superseded before it could be sent, and the last one must
    // still replace the first notification rather than open a second one.
    center.add({QStringLiteral("err-x"), QStringLiteral("t"), QStringLiteral("first"), true});
    center.add({QStringLiteral("other"), QStringLiteral("t"), QStringLiteral("unrelated"), true});
    center.add({QStringLiteral("err-x"), QStringLiteral("t"), QStringLiteral("second"), true});
    center.add({QStringLiteral("err-x"), QStringLiteral("t"), QStringLiteral("third"), true});

    const QList<QVariantList> calls = waitForNotifyCalls(3);
    QTest::qWait(50);
    ASSERT_EQ(notifyCalls().size(), 3);
    EXPECT_EQ(calls[0][body].toString(), QStringLiteral("first"));
    EXPECT_EQ(calls[0][replacesId].toUInt(), 0u);
    EXPECT_EQ(calls[1][body].toString(), QStringLiteral("unrelated"));
    EXPECT_EQ(calls[1][replacesId].toUInt(), 0u);
    EXPECT_EQ(calls[2][body].toString(), QStringLiteral("third"));
    EXPECT_EQ(calls[2][replacesId].toUInt(), 1u); // the mock numbers notifications from 1

    // Later, once everything settled, the same identifier still replaces.
    center.add({QStringLiteral("err-x"), QStringLiteral("t"), QStringLiteral("fourth"), true});
    const QList<QVariantList> later = waitForNotifyCalls(4);
    ASSERT_EQ(later.size(), 4);
    EXPECT_EQ(later[3][replacesId].toUInt(), 1u);
}

TEST_F(FdoNotificationCenterTest, ClosedNotificationIsNotReplacedButShownAnew)
{
    startServer();
    FdoNotificationCenter center(m_bus.connection());
    center.add({QStringLiteral("err-x"), QStringLiteral("t"), QStringLiteral("first"), true});
    ASSERT_EQ(waitForNotifyCalls(1).size(), 1);
    QTest::qWait(50); // let the reply with the server's id arrive

    m_bus.call(service, path, service, QStringLiteral("CloseNotification"), {1u});
    QTest::qWait(100);
    center.add({QStringLiteral("err-x"), QStringLiteral("t"), QStringLiteral("again"), true});
    const QList<QVariantList> calls = waitForNotifyCalls(2);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[1][replacesId].toUInt(), 0u);
}

TEST_F(FdoNotificationCenterTest, AnotherServerStartsWithFreshIdsAndAbilities)
{
    startServer({{QStringLiteral("capabilities"), QStringLiteral("body")}});
    FdoNotificationCenter center(m_bus.connection());
    center.add({QStringLiteral("err-x"), QStringLiteral("t"), QStringLiteral("A & B"), true});
    ASSERT_EQ(waitForNotifyCalls(1).size(), 1);
    QTest::qWait(50);

    m_bus.stopTemplate(service);
    startServer(); // this one interprets markup, and numbers its notifications from 1 again
    QTest::qWait(100);
    center.add({QStringLiteral("err-x"), QStringLiteral("t"), QStringLiteral("A & B"), true});
    const QList<QVariantList> calls = waitForNotifyCalls(1);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0][replacesId].toUInt(), 0u) << "id 1 of the old server means another notification now";
    EXPECT_EQ(calls[0][body].toString(), QStringLiteral("A &amp; B"));
}

TEST_F(FdoNotificationCenterTest, MissingServerCostsALogLineAndAnsweredPermissionRequest)
{
    MessageCapture capture;
    FdoNotificationCenter center(m_bus.connection());
    center.add({QStringLiteral("a"), QStringLiteral("t"), QStringLiteral("b"), true});

    std::optional<std::pair<bool, std::optional<NotificationPermissionError>>> answer;
    center.requestPermission([&](bool granted, std::optional<NotificationPermissionError> error) {
        answer = std::make_pair(granted, error);
    });
    EXPECT_FALSE(answer.has_value()) << "the answer must not arrive from inside the request";
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
    EXPECT_FALSE(answer->first);
    ASSERT_TRUE(answer->second.has_value());
    EXPECT_EQ(answer->second->kind, NotificationPermissionError::Kind::other);
    EXPECT_FALSE(answer->second->description.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !capture.matching(QStringLiteral("[FdoNotificationCenter]")).isEmpty(); }, 10000));

    // Without a bus at all: neither a crash nor a hang, and still an answer.
    FdoNotificationCenter detached(QDBusConnection(QStringLiteral("no-such-connection")));
    detached.add({QStringLiteral("a"), QStringLiteral("t"), QStringLiteral("b"), true});
    answer.reset();
    detached.requestPermission([&](bool granted, std::optional<NotificationPermissionError> error) {
        answer = std::make_pair(granted, error);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
    EXPECT_FALSE(answer->first);
    EXPECT_TRUE(answer->second.has_value());
}

} // namespace
