#include "platform/DiskSpace.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sys/statvfs.h>

using namespace ondrix;

TEST(DiskSpace, ReadsTheVolumeOfAnExistingPathAndNothingForAMissingOne)
{
    ondrix::test::TestEnvironment env;
    const std::optional<qint64> free = freeDiskSpaceBytes(env.home());
    ASSERT_TRUE(free.has_value());
    struct statvfs volume {};
    ASSERT_EQ(::statvfs(env.home().toLocal8Bit().constData(), &volume), 0);
    const qint64 expected = qint64(volume.f_bavail) * qint64(volume.f_frsize);
    // Other processes write to the same volume meanwhile; a megabyte of slack covers them.
    EXPECT_NEAR(double(*free), double(expected), 1e6);

    EXPECT_FALSE(freeDiskSpaceBytes(env.root() + QStringLiteral("/does/not/exist")).has_value());
}
