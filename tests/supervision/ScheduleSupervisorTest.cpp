#include "supervision/ScheduleSupervisor.h"

#include "engine/ConnectionEngine.h"
#include "supervision/ConnectionsManager.h"
#include "supervision/ScheduleWindow.h"
#include "support/EngineTestServices.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

const QTimeZone berlin("Europe/Berlin");

QDateTime at(int year, int month, int day, int hour, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), berlin);
}

PushConnection scheduled(int start, int end, QList<qint64> days, PushConnection c = {})
{
    c.scheduleEnabled = true;
    c.scheduleStartHour = start;
    c.scheduleEndHour = end;
    c.scheduleDays = std::move(days);
    return c;
}

class ScheduleSupervisorTest : public EngineTestFixture {
protected:
    QStringList transitions() const { return logMessages().filter(u"scheduled hours"_s); }
};

} // namespace

TEST(ScheduleWindow, HoursDaysAndWindowsPastMidnight)
{
    // Friday 22:00 to Saturday 06:00; 2026-10-23 is a Friday.
    const ScheduleWindow night(scheduled(22, 6, {5}));
    EXPECT_TRUE(night.contains(at(2026, 10, 23, 22)));
    EXPECT_TRUE(night.contains(at(2026, 10, 24, 5, 59)));
    EXPECT_FALSE(night.contains(at(2026, 10, 24, 6)));
    EXPECT_FALSE(night.contains(at(2026, 10, 23, 5))) << "Thursday's night is not selected";
    EXPECT_FALSE(night.contains(at(2026, 10, 24, 23))) << "nor Saturday's";
    EXPECT_FALSE(ScheduleWindow(scheduled(9, 9, {1, 2, 3, 4, 5, 6, 7})).contains(at(2026, 10, 23, 9)));
    EXPECT_TRUE(ScheduleWindow(PushConnection{}).contains(at(2026, 10, 25, 3))) << "no schedule";

    // The hour that daylight saving skips or repeats is one boundary, whatever its wall-clock length.
    EXPECT_EQ(ScheduleWindow::nextHourBoundary(at(2026, 3, 29, 1, 30)), at(2026, 3, 29, 3));
    const QDateTime firstTwo = at(2026, 10, 25, 1, 59).addSecs(60 + 30 * 60); // 02:30 summer time
    const QDateTime secondTwo = ScheduleWindow::nextHourBoundary(firstTwo);
    EXPECT_EQ(firstTwo.msecsTo(secondTwo), 30 * 60 * 1000);
    EXPECT_EQ(secondTwo.time(), QTime(2, 0)) << "02:00 again, now in winter time";
}

TEST_F(ScheduleSupervisorTest, AFakeClockWalksANightWindowAcrossBothDaylightSavingChanges)
{
    settings.setNotifySchedulePauseResume(true);
    const PushConnection c = scheduled(22, 6, {6}, loopbackConnection(u"Night"_s));
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList({c}));

    for (const auto& [start, hours] :
         {std::pair{at(2026, 10, 24, 12), 25}, std::pair{at(2026, 3, 28, 12), 23}}) {
        SCOPED_TRACE(start.toString(Qt::ISODate).toStdString());
        log.clear();
        center.requests.clear();
        QDateTime now = start;
        ConnectionsManager manager(services, nullptr, nullptr);
        ScheduleSupervisor supervisor(manager, services, nullptr, [&now] { return now; });
        manager.startAll();
        ConnectionEngine* engine = manager.engine(c.id);
        ASSERT_NE(engine, nullptr);
        EXPECT_EQ(engine->state().kind(), EngineState::Kind::paused) << "Saturday noon is outside";

        // A pause and resume of everything (the network came back) leaves the schedule's pause alone.
        manager.pauseAll();
        manager.resumeAll();
        EXPECT_EQ(engine->state().kind(), EngineState::Kind::paused);

        QList<QDateTime> changes;
        int boundaries = 0;
        while (now < start.addDays(1)) {
            const bool wasPaused = engine->state().kind() == EngineState::Kind::paused;
            EXPECT_LE(now.msecsTo(supervisor.nextCheck()), 3600000);
            now = supervisor.nextCheck();
            ++boundaries;
            supervisor.evaluate();
            if (wasPaused != (engine->state().kind() == EngineState::Kind::paused)) {
                changes.append(now);
            }
        }
        EXPECT_EQ(boundaries, hours);
        EXPECT_EQ(changes, (QList<QDateTime>{QDateTime(start.date(), QTime(22, 0), berlin),
                                             QDateTime(start.date().addDays(1), QTime(6, 0), berlin)}));
        QCoreApplication::sendPostedEvents(&log, QEvent::MetaCall);
        const QStringList lines = transitions();
        EXPECT_TRUE(lines.size() == 3 &&
                    lines[0].startsWith("[Night] Paused: outside its scheduled hours (22:00–6:00)") &&
                    lines[1].contains("Resumed") && lines[2].contains("Paused"))
            << lines.join('\n').toStdString();
        ASSERT_EQ(center.requests.size(), 3);
        EXPECT_EQ(std::pair(center.requests[0].identifier, center.requests[1].title),
                  std::pair(center.requests[2].identifier, u"Ondrix: Night resumed"_s));
    }
}

// The schedule lifts only its own pause: a pause the user chose holds past the start of the window. A
// connection without a schedule runs and nothing is said about it.
TEST_F(ScheduleSupervisorTest, TheWindowOpeningLeavesTheUsersPauseInPlace)
{
    const PushConnection c = scheduled(9, 17, {1, 2, 3, 4, 5, 6, 7}, loopbackConnection(u"Day"_s));
    const PushConnection unscheduled = loopbackConnection(u"Always"_s);
    store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList({c, unscheduled}));
    QDateTime now = at(2026, 10, 23, 8, 30);
    ConnectionsManager manager(services, nullptr, nullptr);
    ScheduleSupervisor supervisor(manager, services, nullptr, [&now] { return now; });
    manager.startAll();
    ConnectionEngine* engine = manager.engine(c.id);
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(manager.engine(unscheduled.id)->state(), EngineState::watching());
    using R = PauseReasons::Reason;
    EXPECT_EQ(manager.pauseReasons().reasons(c.id), QList<R>{R::schedule});
    manager.pauseAll();
    now = supervisor.nextCheck();
    supervisor.evaluate();
    EXPECT_EQ(std::pair(manager.pauseReasons().reasons(c.id), engine->state().kind()),
              std::pair(QList<R>{R::user}, EngineState::Kind::paused));
    manager.resumeAll();
    EXPECT_EQ(engine->state(), EngineState::watching());
    QCoreApplication::sendPostedEvents(&log, QEvent::MetaCall);
    EXPECT_TRUE(transitions().filter(u"[Always]"_s).isEmpty()) << transitions().join(u'\n').toStdString();
    manager.stopAll();
}
