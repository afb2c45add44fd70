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

    // The `n`th Notify call once it arrived, or one of empty arguments.
    QVariantList waitForCall(qsizetype n) const
    {
        QList<QVariantList> calls;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (calls = notifyCalls()).size() >= n; }, 10000)) << n;
        return calls.size() >= n ? calls[n - 1] : QVariantList(expireTimeout + 1);
    }

    // The answer to a permission request, which never arrives from inside the request.
    static std::pair<bool, std::optional<NotificationPermissionError>>
    askPermission(FdoNotificationCenter& center)
    {
        std::optional<std::pair<bool, std::optional<NotificationPermissionError>>> answer;
        center.requestPermission([&](bool granted, std::optional<NotificationPermissionError> error) {
            answer.emplace(granted, error);
        });
        EXPECT_FALSE(answer.has_value());
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
        return answer.value();
    }

    DBusMockSession m_bus;
};

// Of three requests in one go the second is superseded unsent and the last replaces the first. One the user
// closed, or one of a server gone since, is shown anew, in what the new server can show.
TEST_F(FdoNotificationCenterTest, SameIdentifierReplacesUntilClosedOrTheServerChanges)
{
    startServer();
    FdoNotificationCenter center(m_bus.connection());
    center.add({u"err-x"_s, u"t"_s, u"first"_s, true});
    center.add({u"other"_s, u"t"_s, u"unrelated"_s, true});
    center.add({u"err-x"_s, u"t"_s, u"second"_s, true});
    center.add({u"err-x"_s, u"t"_s, u"third"_s, true});

    const std::pair<const char*, uint> sent[] = {{"first", 0}, {"unrelated", 0}, {"third", 1}};
    for (int i = 0; i < 3; ++i) {
        const QVariantList call = waitForCall(i + 1);
        EXPECT_EQ(call[body].toString(), QLatin1String(sent[i].first));
        EXPECT_EQ(call[replacesId].toUInt(), sent[i].second) << "the mock numbers notifications from 1";
    }
    QTest::qWait(50);
    EXPECT_EQ(notifyCalls().size(), 3);

    // Later, once everything settled, the same identifier still replaces.
    center.add({u"err-x"_s, u"t"_s, u"fourth"_s, true});
    EXPECT_EQ(waitForCall(4)[replacesId].toUInt(), 1u);
    QTest::qWait(50); // let the reply with the server's id arrive

    m_bus.call(service, path, service, u"CloseNotification"_s, {1u});
    QTest::qWait(100);
    center.add({u"err-x"_s, u"t"_s, u"again"_s, true});
    EXPECT_EQ(waitForCall(5)[replacesId].toUInt(), 0u);
    QTest::qWait(50);

    m_bus.stopTemplate(service);
    startServer({{u"capabilities"_s, u"body"_s}}); // plain text, ids from 1 again
    QTest::qWait(100);
    center.add({u"err-x"_s, u"t"_s, u"A & B"_s, true});
    const QVariantList fresh = waitForCall(1);
    EXPECT_EQ(fresh[replacesId].toUInt(), 0u) << "an id of the old server means another notification now";
    EXPECT_EQ(fresh[body].toString(), u"A & B"_s);
}

// Without a server or bus: no crash or hang, a log line and still an answer. A server that answers grants
// permission and gets bodies escaped where it interprets markup.
TEST_F(FdoNotificationCenterTest, PermissionFollowsTheServerAndBodiesAreEscapedForMarkup)
{
    MessageCapture capture;
    FdoNotificationCenter center(m_bus.connection());
    FdoNotificationCenter detached(QDBusConnection(u"no-such-connection"_s));
    for (FdoNotificationCenter* c : {&center, &detached}) {
        c->add({u"a"_s, u"t"_s, u"b"_s, true});
        const auto [granted, error] = askPermission(*c);
        EXPECT_TRUE(!granted && error && error->kind == NotificationPermissionError::Kind::other &&
                    !error->description.isEmpty());
    }
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !capture.matching(u"[FdoNotificationCenter]"_s).isEmpty(); }, 10000));

    startServer(); // the template's default capabilities include body-markup
    FdoNotificationCenter served(m_bus.connection());
    served.add({u"a"_s, u"T & T"_s, u"Tom & Jerry <1>.jpg"_s, false});
    const QVariantList call = waitForCall(1);
    // Summaries are plain text; -1 is the server's default timeout.
    EXPECT_EQ((QStringList{call[body].toString(), call[summary].toString(), call[appName].toString(),
                           call[expireTimeout].toString()}),
              (QStringList{u"Tom &amp; Jerry &lt;1&gt;.jpg"_s, u"T & T"_s, u"Ondrix"_s, u"-1"_s}));

    const auto [granted, error] = askPermission(served);
    EXPECT_TRUE(granted && !error);
}

} // namespace
