#include "supervision/DiskSpaceGuard.h"

#include "engine/ConnectionEngine.h"
#include "supervision/ConnectionsManager.h"
#include "support/EngineTestServices.h"
#include "support/SmallVolume.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

constexpr qint64 kMiB = 1024 * 1024;

class DiskSpaceGuardTest : public EngineTestFixture {};

} // namespace

TEST_F(DiskSpaceGuardTest, LowDiskSpacePausesConnectionsThatKeepTheirFilesOncePerCrossing)
{
    SmallVolume volume(env.makeDir(u"volume"_s), u"1100M"_s);
    std::optional<qint64> fakeFree;
    DiskSpaceGuard::FreeSpace freeSpace;
    std::function<void(qint64)> setFree;
    const QString ballast = volume.path + u"/ballast"_s;
    if (volume.mounted) {
        setFree = [&](qint64 used) {
            QFile file(ballast);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            const QByteArray chunk(kMiB, 'b');
            for (qint64 i = 0; i < used / kMiB; ++i) {
                ASSERT_EQ(file.write(chunk), kMiB);
            }
        };
    } else {
        freeSpace = [&](const QString&) { return fakeFree; };
        setFree = [&](qint64 used) { fakeFree = 1100 * kMiB - used; };
        setFree(0);
    }
    settings.setDiskSpaceWarningEnabled(true);
    settings.setDiskSpaceThresholdGB(1);
    settings.setNotificationsEnabled(true);

    const PushConnection keeper = loopbackConnection(u"Keeper"_s, true, u"volume/"_s);
    PushConnection cleaner = loopbackConnection(u"Cleaner"_s, true, u"volume/"_s);
    cleaner.deleteLocalAfterUpload = true;
    ConnectionsManager manager(services, nullptr, nullptr);
    manager.setConnections({keeper, cleaner});
    DiskSpaceGuard guard(manager, services, freeSpace);
    manager.startAll();
    const auto state = [&](const PushConnection& c) { return manager.engine(c.id)->state().kind(); };
    const auto notices = [&] {
        QCoreApplication::sendPostedEvents(&log, QEvent::MetaCall);
        return logMessages().filter(u"disk space"_s, Qt::CaseInsensitive);
    };
    EXPECT_TRUE(state(keeper) == EngineState::Kind::watching && notices().isEmpty());
    setFree(100 * kMiB); // 1000 MiB free, under 1 GiB
    guard.check();
    guard.check();
    EXPECT_EQ(state(keeper), EngineState::Kind::paused);
    EXPECT_EQ(state(cleaner), EngineState::Kind::watching) << "its uploads make room";
    ASSERT_EQ(notices().size(), 1);
    EXPECT_TRUE(notices()[0].contains(u"1.0 GB free"_s) && notices()[0].endsWith(u": Keeper"_s));

    // Just above the threshold is not yet enough: no pausing and resuming at the edge.
    setFree(40 * kMiB);
    guard.check();
    EXPECT_EQ(state(keeper), EngineState::Kind::paused);
    manager.pauseAll(); // a resume of everything leaves the held connection paused
    manager.resumeAll();
    EXPECT_EQ(state(keeper), EngineState::Kind::paused);

    setFree(0);
    guard.check();
    EXPECT_EQ(state(keeper), EngineState::Kind::watching);
    EXPECT_TRUE(notices().size() == 2 && notices()[1].startsWith(u"Disk space is back"_s));
    ASSERT_EQ(center.requests.size(), 2);
    EXPECT_EQ(std::pair(center.requests[0].title, center.requests[0].identifier),
              std::pair(u"Ondrix: Low disk space"_s, center.requests[1].identifier));

    // With the warning off nothing is held or said.
    setFree(100 * kMiB);
    settings.setDiskSpaceWarningEnabled(false);
    guard.check();
    EXPECT_TRUE(state(keeper) == EngineState::Kind::watching && notices().size() == 2);
    QFile::remove(ballast);
}
