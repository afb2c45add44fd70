#include "platform/FdoNotificationCenter.h"

#include "support/DBusMockSession.h"
#include "support/MessageCapture.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using ondrix::test::DBusMockSession;
using ondrix::test::MessageCapture;

namespace {

const QString service = u"org.freedesktop.Notifications"_s;
const QString path = u"/org/freedesktop/Notifications"_s;

// Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout)
enum NotifyArg { appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout };

class FdoNotificationCenterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_bus.isRunning()) << m_bus.errorString().toStdString(); }

    void startServer(const QVariantMap& parameters = {})
    {
        ASSERT_TRUE(m_bus.startTemplate(u"notification_daemon"_s, service, parameters))
            << m_bus.errorString().toStdString();
    }

    QList<QVariantList> notifyCalls() const { return m_bus.methodCalls(service, path, u"Notify"_s); }

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
    center.add({u"a"_s, u"T & T"_s, u"Tom & Jerry <1>.jpg"_s, false});
    const QList<QVariantList> calls = waitForNotifyCalls(1);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0][body].toString(), u"Tom &amp; Jerry &lt;1&gt;.jpg"_s);
    EXPECT_EQ(calls[0][summary].toString(), u"T & T"_s); // summaries are plain text
    EXPECT_EQ(calls[0][appName].toString(), u"Ondrix"_s);
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

// Three requests in one go: the second is superseded before it could be sent, and the last one must still
// replace the first notification rather than open a second one. One the user closed, or one of a server
// that has gone since, is not replaced but shown anew, in what the new server can show.
TEST_F(FdoNotificationCenterTest, SameIdentifierReplacesUntilClosedOrTheServerChanges)
{
    startServer();
    FdoNotificationCenter center(m_bus.connection());
    center.add({u"err-x"_s, u"t"_s, u"first"_s, true});
    center.add({u"other"_s, u"t"_s, u"unrelated"_s, true});
    center.add({u"err-x"_s, u"t"_s, u"second"_s, true});
    center.add({u"err-x"_s, u"t"_s, u"third"_s, true});

    QList<QVariantList> calls = waitForNotifyCalls(3);
    QTest::qWait(50);
    ASSERT_EQ(notifyCalls().size(), 3);
    const std::pair<const char*, uint> sent[] = {{"first", 0}, {"unrelated", 0}, {"third", 1}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[i][body].toString(), QLatin1String(sent[i].first));
        EXPECT_EQ(calls[i][replacesId].toUInt(), sent[i].second) << "the mock numbers notifications from 1";
    }

    // Later, once everything settled, the same identifier still replaces.
    center.add({u"err-x"_s, u"t"_s, u"fourth"_s, true});
    calls = waitForNotifyCalls(4);
    ASSERT_EQ(calls.size(), 4);
    EXPECT_EQ(calls[3][replacesId].toUInt(), 1u);
    QTest::qWait(50); // let the reply with the server's id arrive

    m_bus.call(service, path, service, u"CloseNotification"_s, {1u});
    QTest::qWait(100);
    center.add({u"err-x"_s, u"t"_s, u"again"_s, true});
    calls = waitForNotifyCalls(5);
    ASSERT_EQ(calls.size(), 5);
    EXPECT_EQ(calls[4][replacesId].toUInt(), 0u);
    QTest::qWait(50);

    m_bus.stopTemplate(service);
    startServer({{u"capabilities"_s, u"body"_s}}); // plain text, ids from 1 again
    QTest::qWait(100);
    center.add({u"err-x"_s, u"t"_s, u"A & B"_s, true});
    calls = waitForNotifyCalls(1);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0][replacesId].toUInt(), 0u) << "an id of the old server means another notification now";
    EXPECT_EQ(calls[0][body].toString(), u"A & B"_s);
}

TEST_F(FdoNotificationCenterTest, MissingServerCostsALogLineAndAnsweredPermissionRequest)
{
    MessageCapture capture;
    FdoNotificationCenter center(m_bus.connection());
    center.add({u"a"_s, u"t"_s, u"b"_s, true});

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
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !capture.matching(u"[FdoNotificationCenter]"_s).isEmpty(); }, 10000));

    // Without a bus at all: neither a crash nor a hang, and still an answer.
    FdoNotificationCenter detached(QDBusConnection(u"no-such-connection"_s));
    detached.add({u"a"_s, u"t"_s, u"b"_s, true});
    answer.reset();
    detached.requestPermission([&](bool granted, std::optional<NotificationPermissionError> error) {
        answer = std::make_pair(granted, error);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
    EXPECT_FALSE(answer->first);
    EXPECT_TRUE(answer->second.has_value());
}

} // namespace
