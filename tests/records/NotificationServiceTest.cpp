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
using ondrix::test::DBusMockSession;
using ondrix::test::MessageCapture;

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");

struct Posted {
    uint replacesId = 0;
    QString title;
    QString body;
    QVariantMap hints;
};

// The service over the real freedesktop centre, against the notification_daemon mock on a private bus.
class NotificationServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(m_bus.isRunning()) << m_bus.errorString().toStdString();
        // Plain-text bodies, so the texts arrive as the service wrote them.
        ASSERT_TRUE(m_bus.startTemplate(QStringLiteral("notification_daemon"), service,
                                        {{QStringLiteral("capabilities"), QStringLiteral("body")}}))
            << m_bus.errorString().toStdString();
    }

    QList<Posted> waitForPosts(qsizetype count)
    {
        QList<QVariantList> calls;
        (void)QTest::qWaitFor(
            [&] {
                calls = m_bus.methodCalls(service, path, QStringLiteral("Notify"));
                return calls.size() >= count;
            },
            10000);
        QList<Posted> posts;
        for (const QVariantList& call : calls)
            posts.append({call[1].toUInt(), call[3].toString(), call[4].toString(), call[6].toMap()});
        return posts;
    }

    static QStringList names(int count)
    {
        QStringList list;
        for (int i = 1; i <= count; ++i)
            list << QStringLiteral("IMG_%1.jpg").arg(i);
        return list;
    }

    const AppSettings& settings(bool enabled, bool grouped, bool sound)
    {
        m_settings.setNotificationsEnabled(enabled);
        m_settings.setGroupNotifications(grouped);
        m_settings.setPlaySoundOnDownload(sound);
        return m_settings;
    }

    ondrix::test::TestEnvironment m_env;
    PreferencesStore m_store{m_env.configHome() + QStringLiteral("/preferences.sqlite")};
    DBusMockSession m_bus;
    FdoNotificationCenter m_center{m_bus.connection()};
    NotificationService m_service{&m_center};
    AppSettings m_settings{m_store, &m_service};
};

TEST_F(NotificationServiceTest, TitlesAndBodiesOfFinishedUploads)
{
    m_service.notifyUploadsFinished(names(7), 3'000'000, QStringLiteral("Office"),
                                    settings(true, false, true));
    m_service.notifyUploadsFinished(names(7), 3'000'000, QStringLiteral("Office"),
                                    settings(true, true, false));
    // Exactly five names: no "more" line.
    m_service.notifyUploadsFinished(names(5), 10, QStringLiteral("Home"), settings(true, false, false));
    // One file with grouping on: still the list form.
    m_service.notifyUploadsFinished({QStringLiteral("a & b.png")}, 5, QStringLiteral("Office"),
                                    settings(true, true, true));
    const QList<Posted> posts = waitForPosts(4);
    ASSERT_EQ(posts.size(), 4);

    EXPECT_EQ(posts[0].title, QStringLiteral("Ondrix: 7 files uploaded"));
    EXPECT_EQ(posts[0].body, QStringLiteral("[Office] IMG_1.jpg\nIMG_2.jpg\nIMG_3.jpg\nIMG_4.jpg\nIMG_5.jpg\n"
                                            "...and 2 more"));
    EXPECT_EQ(posts[0].hints.value(QStringLiteral("sound-name")).toString(),
              FdoNotificationCenter::defaultSoundName());

    EXPECT_EQ(posts[1].title, QStringLiteral("Ondrix: 7 files uploaded"));
    EXPECT_EQ(posts[1].body, QStringLiteral("[Office] 7 files (3.0 MB)"));
    EXPECT_FALSE(posts[1].hints.contains(QStringLiteral("sound-name")));
    EXPECT_TRUE(posts[1].hints.value(QStringLiteral("suppress-sound")).toBool());

    EXPECT_EQ(posts[2].body, QStringLiteral("[Home] IMG_1.jpg\nIMG_2.jpg\nIMG_3.jpg\nIMG_4.jpg\nIMG_5.jpg"));

    EXPECT_EQ(posts[3].title, QStringLiteral("Ondrix: 1 file uploaded"));
    EXPECT_EQ(posts[3].body, QStringLiteral("[Office] a & b.png")); // a plain-text server gets it as written
}

TEST_F(NotificationServiceTest, SuccessesAreSilentWhenOffOrEmptyButFailuresAreAlwaysPosted)
{
    m_service.notifyUploadsFinished(names(3), 30, QStringLiteral("Office"), settings(false, true, true));
    m_service.notifyUploadsFinished({}, 0, QStringLiteral("Office"), settings(true, true, true));
    m_service.notifyUploadFailed(QStringLiteral("report.pdf"), QStringLiteral("Office"),
                                 QStringLiteral("Login denied"));
    ASSERT_EQ(waitForPosts(1).size(), 1);
    QTest::qWait(100);
    // A repeated failure of the same file replaces the earlier notice.
    m_service.notifyUploadFailed(QStringLiteral("report.pdf"), QStringLiteral("Office"),
                                 QStringLiteral("later"));
    const QList<Posted> posts = waitForPosts(2);
    ASSERT_EQ(posts.size(), 2);
    EXPECT_EQ(posts[0].title, QStringLiteral("Ondrix: Upload failed"));
    EXPECT_EQ(posts[0].body, QStringLiteral("[Office] report.pdf: Login denied"));
    EXPECT_EQ(posts[0].hints.value(QStringLiteral("sound-name")).toString(),
              FdoNotificationCenter::defaultSoundName());
    EXPECT_EQ(posts[1].replacesId, 1u);
}

TEST_F(NotificationServiceTest, FailuresAreAnnouncedAfterTheSetCountOnceAndThenReplaced)
{
    FailureNotices notices(&m_service, &m_settings);
    const auto fail = [&](int times, const QString& name = QStringLiteral("a.jpg")) {
        for (int i = 0; i < times; ++i)
            notices.failed(QStringLiteral("/w/") + name, name, QStringLiteral("Office"),
                           QStringLiteral("Timeout"));
    };
    m_settings.setNotificationsEnabled(true);
    m_settings.setNotifyErrors(false);
    fail(4);
    m_settings.setNotifyErrors(true);
    m_settings.setNotifyErrorsAfterAttempts(7);
    fail(2); // the 6th failure in a row
    notices.succeeded(QStringLiteral("/w/a.jpg"));
    EXPECT_EQ(notices.failures(QStringLiteral("/w/a.jpg")), 0);
    m_settings.setNotifyErrorsAfterAttempts(3);
    fail(2);
    fail(3, QStringLiteral("b.jpg")); // another file's count is its own
    QTest::qWait(200);
    EXPECT_EQ(waitForPosts(0).size(), 1) << "only the other file reached 3";
    fail(1); // 3rd
    ASSERT_EQ(waitForPosts(2).size(), 2);
    QTest::qWait(100);
    fail(5); // 8th
    const QString last = QStringLiteral("[Office] a.jpg: Timeout (failed 8 times in a row)");
    QList<Posted> posts;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            posts = waitForPosts(0);
            return !posts.isEmpty() && posts.last().body == last;
        },
        10000));
    // Back-to-back failures may reach the server as fewer updates; each one replaces the file's notice.
    ASSERT_GE(posts.size(), 3);
    EXPECT_EQ(posts[1].replacesId, 0u) << "the first notice of this file is a new one";
    EXPECT_EQ(posts[1].body, QStringLiteral("[Office] a.jpg: Timeout (failed 3 times in a row)"));
    for (qsizetype i = 2; i < posts.size(); ++i)
        EXPECT_EQ(posts[i].replacesId, 2u) << "every later failure replaces it";
}

TEST_F(NotificationServiceTest, PermissionAnswersLogOnlyUnexpectedErrors)
{
    MessageCapture capture;
    NotificationService::handlePermissionAnswer(true, std::nullopt);
    NotificationService::handlePermissionAnswer(
        false,
        NotificationPermissionError{NotificationPermissionError::Kind::notAllowed, QStringLiteral("no")});
    EXPECT_TRUE(capture.matching(QStringLiteral("[NotificationService]")).isEmpty());
    NotificationService::handlePermissionAnswer(
        false,
        NotificationPermissionError{NotificationPermissionError::Kind::other, QStringLiteral("bus gone")});
    EXPECT_EQ(capture.matching(QStringLiteral("[NotificationService]")),
              QStringList{QStringLiteral("[NotificationService] Permission request error: bus gone")});

    // Switching notifications on asks the centre: a server that answers logs nothing, a missing one logs.
    capture.clear();
    m_settings.setNotificationsEnabled(false);
    m_settings.setNotificationsEnabled(true);
    QTest::qWait(200);
    EXPECT_TRUE(capture.matching(QStringLiteral("[NotificationService]")).isEmpty());
    m_bus.stopTemplate(service);
    m_service.requestNotificationPermission();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !capture.matching(QStringLiteral("Permission request error")).isEmpty(); }, 10000));
}

} // namespace
