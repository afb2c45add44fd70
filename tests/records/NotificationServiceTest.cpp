#include "records/NotificationService.h"

#include "model/AppSettings.h"
#include "platform/FdoNotificationCenter.h"
#include "platform/PreferencesStore.h"
#include "records/FailureNotices.h"
#include "support/DBusMockSession.h"
#include "support/MessageCapture.h"
#include "support/TestEnvironment.h"

#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

const QString service = u"org.freedesktop.Notifications"_s;
const QString path = u"/org/freedesktop/Notifications"_s;

struct Posted {
    uint replacesId = 0;
    QString title, body;
    QVariantMap hints;
};

class NotificationServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(m_bus.isRunning()) << m_bus.errorString().toStdString();
        // Plain-text bodies, so the texts arrive as the service wrote them.
        ASSERT_TRUE(m_bus.startTemplate(u"notification_daemon"_s, service, {{u"capabilities"_s, u"body"_s}}))
            << m_bus.errorString().toStdString();
    }

    QList<Posted> waitForPosts(qsizetype count)
    {
        QList<QVariantList> calls;
        (void)QTest::qWaitFor(
            [&] { return (calls = m_bus.methodCalls(service, path, u"Notify"_s)).size() >= count; }, 10000);
        QList<Posted> posts;
        for (const QVariantList& call : calls)
            posts.append({call[1].toUInt(), call[3].toString(), call[4].toString(), call[6].toMap()});
        return posts;
    }

    const AppSettings& settings(bool enabled, bool grouped, bool sound)
    {
        m_settings.setNotificationsEnabled(enabled);
        m_settings.setGroupNotifications(grouped);
        m_settings.setPlaySoundOnDownload(sound);
        return m_settings;
    }

    TestEnvironment m_env;
    PreferencesStore m_store{m_env.configHome() + u"/preferences.sqlite"_s};
    DBusMockSession m_bus;
    FdoNotificationCenter m_center{m_bus.connection()};
    NotificationService m_service{&m_center};
    AppSettings m_settings{m_store, &m_service};
};

// Successes are posted when on and something was uploaded, as up to five names or, grouped, a count; failures
// always, a repeat replacing the earlier notice. A permission request logs only errors a user did not cause.
TEST_F(NotificationServiceTest, TitlesAndBodiesOfFinishedAndFailedUploadsAndPermissionErrors)
{
    const QStringList names{u"IMG_1.jpg"_s, u"IMG_2.jpg"_s, u"IMG_3.jpg"_s, u"IMG_4.jpg"_s,
                            u"IMG_5.jpg"_s, u"IMG_6.jpg"_s, u"IMG_7.jpg"_s};
    MessageCapture capture;
    m_service.notifyUploadsFinished(names.first(3), 30, u"Office"_s, settings(false, true, true));
    m_service.notifyUploadsFinished({}, 0, u"Office"_s, settings(true, true, true));
    m_service.notifyUploadsFinished(names, 3'000'000, u"Office"_s, settings(true, false, true));
    m_service.notifyUploadsFinished(names, 3'000'000, u"Office"_s, settings(true, true, false));
    m_service.notifyUploadsFinished(names.first(5), 10, u"Home"_s, settings(true, false, false));
    m_service.notifyUploadsFinished({u"a & b.png"_s}, 5, u"Office"_s, settings(true, true, true));
    m_service.notifyUploadFailed(u"report.pdf"_s, u"Office"_s, u"Login denied"_s);
    ASSERT_EQ(waitForPosts(5).size(), 5);
    QTest::qWait(100);
    m_service.notifyUploadFailed(u"report.pdf"_s, u"Office"_s, u"later"_s);
    const QList<Posted> posts = waitForPosts(6);
    ASSERT_EQ(posts.size(), 6);
    QStringList shown; // a plain-text server gets the texts as written
    for (const Posted& p : posts)
        shown << p.title + u'|' + p.body + u'|' + p.hints.value(u"sound-name"_s).toString() + u'|' +
                     p.hints.value(u"suppress-sound"_s).toString();
    const QString chime = FdoNotificationCenter::defaultSoundName(),
                  list = u"IMG_1.jpg\nIMG_2.jpg\nIMG_3.jpg\nIMG_4.jpg\nIMG_5.jpg"_s;
    EXPECT_EQ(
        shown.first(5),
        (QStringList{u"Ondrix: 7 files uploaded|[Office] "_s + list + u"\n...and 2 more|"_s + chime + u"|"_s,
                     u"Ondrix: 7 files uploaded|[Office] 7 files (3.0 MB)||true"_s,
                     u"Ondrix: 5 files uploaded|[Home] "_s + list + u"||true"_s,
                     u"Ondrix: 1 file uploaded|[Office] a & b.png|"_s + chime + u"|"_s,
                     u"Ondrix: Upload failed|[Office] report.pdf: Login denied|"_s + chime + u"|"_s}));
    EXPECT_EQ(posts[5].replacesId, 5u);

    NotificationService::handlePermissionAnswer(true, std::nullopt);
    NotificationService::handlePermissionAnswer(
        false, NotificationPermissionError{NotificationPermissionError::Kind::notAllowed, u"no"_s});
    EXPECT_TRUE(capture.matching(u"[NotificationService]"_s).isEmpty()) << "the server answered";
    NotificationService::handlePermissionAnswer(
        false, NotificationPermissionError{NotificationPermissionError::Kind::other, u"bus gone"_s});
    EXPECT_EQ(capture.matching(u"[NotificationService]"_s),
              QStringList{u"[NotificationService] Permission request error: bus gone"_s});
    m_bus.stopTemplate(service);
    m_service.requestNotificationPermission();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return capture.matching(u"Permission request error"_s).size() == 2; }, 10000));
}

TEST_F(NotificationServiceTest, FailuresAreAnnouncedAfterTheSetCountOnceAndThenReplaced)
{
    FailureNotices notices(&m_service, &m_settings);
    const auto fail = [&](int times, const QString& name = u"a.jpg"_s) {
        for (int i = 0; i < times; ++i)
            notices.failed(u"/w/"_s + name, name, u"Office"_s, u"Timeout"_s);
    };
    m_settings.setNotificationsEnabled(true);
    m_settings.setNotifyErrors(false);
    fail(4);
    m_settings.setNotifyErrors(true);
    m_settings.setNotifyErrorsAfterAttempts(7);
    fail(2);                          // the 6th failure in a row
    notices.succeeded(u"/w/a.jpg"_s); // starts the count again
    m_settings.setNotifyErrorsAfterAttempts(3);
    fail(2);
    fail(3, u"b.jpg"_s); // another file's count is its own
    fail(1);             // 3rd
    ASSERT_EQ(waitForPosts(2).size(), 2);
    QTest::qWait(100);
    fail(5); // 8th
    QList<Posted> posts;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return (posts = waitForPosts(0)).constLast().body ==
                   u"[Office] a.jpg: Timeout (failed 8 times in a row)"_s;
        },
        10000));
    // Back-to-back failures may reach the server as fewer updates; each one replaces the file's notice.
    ASSERT_GE(posts.size(), 3);
    EXPECT_EQ(std::pair(posts[1].replacesId, posts[1].body),
              std::pair(0u, u"[Office] a.jpg: Timeout (failed 3 times in a row)"_s));
    for (qsizetype i = 2; i < posts.size(); ++i)
        EXPECT_EQ(posts[i].replacesId, 2u) << "every later failure replaces it";
}

} // namespace
