#include "app/MainThreadBusyProbe.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

using namespace ondrix;

// Timers and queued calls run inside the dispatcher's iterations: each piece of work advances the probe's
// clock, and the probe must count what ran between two waits, not the gaps between iterations.
TEST(MainThreadBusyProbeTest, CountsTheWorkTheDispatcherRunsBetweenTwoWaits)
{
    qint64 now = 0;
    MainThreadBusyProbe probe([&now] { return now; });
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        now += 30'000'000; // a timer that keeps the thread 30 ms
        QMetaObject::invokeMethod(
            &loop,
            [&] {
                now += 5'000'000; // then the thread waits 20 ms before the next short piece
                QTimer::singleShot(20, &loop, [&] {
                    now += 1'000'000;
                    loop.quit();
                });
            },
            Qt::QueuedConnection);
    });
    loop.exec();
    EXPECT_TRUE(probe.longestBusyMs() >= 30.0 && probe.longestBusyMs() <= 35.0 && probe.wakeUps() >= 2)
        << probe.longestBusyMs() << " ms, " << probe.wakeUps() << " wake-ups";
    if (QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib")) {
        EXPECT_TRUE(probe.watchesGlibPoll());
    }
}
