#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

using ondrix::test::TestEnvironment;

TEST(TestEnvironment, RedirectsUserFoldersAndRestoresThem)
{
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    {
        TestEnvironment env;
        EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), env.configHome());
        EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), env.dataHome());
        EXPECT_EQ(QDir::homePath(), env.home());
        const QString file = env.writeFile(QStringLiteral("a/b/c.txt"), "x");
        EXPECT_TRUE(QFile::exists(file));
    }
    EXPECT_EQ(qgetenv("XDG_CONFIG_HOME"), before);
}
