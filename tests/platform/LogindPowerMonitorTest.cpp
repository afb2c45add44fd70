#include "platform/LogindPowerMonitor.h"

#include "support/LogindMock.h"
#include "support/MessageCapture.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using ondrix::test::DBusMockSession;
using ondrix::test::LogindMock;
using ondrix::test::MessageCapture;

namespace {

const QString uploading = u"Ondrix is uploading files"_s;
using Inhibitor = LogindMock::Inhibitor;

// The monitor against logind's dbusmock template on a private bus standing in for the system bus.
class LogindPowerMonitorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bus.isRunning()) << m_bus.errorString().toStdString();
        ASSERT_TRUE(m_logind.start()) << m_bus.errorString().toStdString();
    }

    qsizetype countOf(const Inhibitor& inhibitor) const { return m_logind.inhibitors().count(inhibitor); }

    bool waitForCount(const Inhibitor& inhibitor, qsizetype count) const
    {
        return QTest::qWaitFor([&] { return countOf(inhibitor) == count; }, 10000);
    }

    const Inhibitor m_delay{u"sleep"_s, u"Ondrix"_s, LogindPowerMonitor::sleepDelayReason(), u"delay"_s};
    const Inhibitor m_idle{u"idle"_s, u"Ondrix"_s, uploading, u"block"_s};
    DBusMockSession m_bus;
    LogindMock m_logind{m_bus};
};

// Idle assertions are inhibitors held until released. Sleep waits for the pause or the hold, and wake takes
// the delay again. A restarted logind gets the inhibitors again; a monitor that goes releases all it holds.
TEST_F(LogindPowerMonitorTest, InhibitorsAreHeldUntilReleasedAndSurviveARestartOrAbsenceOfLogind)
{
    {
        LogindPowerMonitor monitor(m_bus.connection());
        const quint32 first = monitor.createIdleSleepAssertion(uploading);
        ASSERT_TRUE(waitForCount(m_idle, 1));
        const quint32 second = monitor.createIdleSleepAssertion(uploading);
        EXPECT_NE(second, first);
        ASSERT_TRUE(waitForCount(m_idle, 2));
        monitor.releaseIdleSleepAssertion(first);
        EXPECT_TRUE(waitForCount(m_idle, 1));
        monitor.releaseIdleSleepAssertion(first); // already released: nothing
        monitor.releaseIdleSleepAssertion(12345); // never created: nothing
        monitor.releaseIdleSleepAssertion(second);
        EXPECT_TRUE(waitForCount(m_idle, 0));

        // Released before logind answered: the descriptor that arrives later is let go at once.
        monitor.releaseIdleSleepAssertion(monitor.createIdleSleepAssertion(uploading));
        QTest::qWait(300);
        EXPECT_EQ(countOf(m_idle), 0);

        monitor.start();
        // logind lists the inhibitor a moment before its descriptor reaches the monitor.
        ASSERT_TRUE(waitForCount(m_delay, 1));
        ASSERT_TRUE(QTest::qWaitFor([&] { return monitor.holdsSleepDelay(); }, 10000));

        // Like the manager: the pause itself is a task queued on the main thread by the handler.
        bool heldDuringPause = false;
        int pauses = 0;
        QObject::connect(&monitor, &PowerMonitor::aboutToSleep, &monitor, [&] {
            QMetaObject::invokeMethod(
                &monitor,
                [&] {
                    ++pauses;
                    heldDuringPause = monitor.holdsSleepDelay() && countOf(m_delay) == 1;
                },
                Qt::QueuedConnection);
        });
        QSignalSpy woke(&monitor, &PowerMonitor::didWake);

        ASSERT_TRUE(m_logind.prepareForSleep(true));
        ASSERT_TRUE(QTest::qWaitFor([&] { return pauses == 1; }, 10000));
        EXPECT_TRUE(heldDuringPause);
        EXPECT_TRUE(waitForCount(m_delay, 0)) << "the delay must end once the pause is done";
        EXPECT_EQ(woke.count(), 0);

        ASSERT_TRUE(m_logind.prepareForSleep(false));
        EXPECT_TRUE(woke.wait(10000) || woke.count() == 1);
        EXPECT_TRUE(waitForCount(m_delay, 1));
        EXPECT_EQ(pauses, 1);

        // A held sleep keeps the delay until it is released.
        QObject::connect(&monitor, &PowerMonitor::aboutToSleep, &monitor, [&] { monitor.holdSleep(); });
        ASSERT_TRUE(m_logind.prepareForSleep(true));
        QTest::qWait(300);
        EXPECT_TRUE(monitor.holdsSleepDelay() && countOf(m_delay) == 1);
        monitor.releaseSleep();
        EXPECT_TRUE(waitForCount(m_delay, 0));
        ASSERT_TRUE(m_logind.prepareForSleep(false));

        monitor.createIdleSleepAssertion(uploading);
        ASSERT_TRUE(waitForCount(m_delay, 1) && waitForCount(m_idle, 1));
        m_logind.stop();
        ASSERT_TRUE(m_logind.start()) << m_bus.errorString().toStdString();
        EXPECT_TRUE(waitForCount(m_delay, 1) && waitForCount(m_idle, 1));
        QTest::qWait(100);
        EXPECT_EQ(m_logind.inhibitors().size(), 2);
    }
    EXPECT_TRUE(waitForCount(m_delay, 0) && waitForCount(m_idle, 0));

    // Without logind or without a bus: a log line only.
    m_logind.stop();
    MessageCapture capture;
    LogindPowerMonitor monitor(m_bus.connection());
    monitor.start();
    const quint32 id = monitor.createIdleSleepAssertion(uploading);
    EXPECT_NE(id, 0u);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return capture.matching(u"[LogindPowerMonitor] Inhibit"_s).size() == 2; }, 10000));
    monitor.releaseIdleSleepAssertion(id);

    LogindPowerMonitor detached(QDBusConnection(u"no-such-connection"_s));
    detached.start();
    detached.releaseIdleSleepAssertion(detached.createIdleSleepAssertion(uploading));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !capture.matching(u"[LogindPowerMonitor] No system bus"_s).isEmpty(); }, 1000));
    QTest::qWait(50); // the queued failure answers run without a crash
}

} // namespace
