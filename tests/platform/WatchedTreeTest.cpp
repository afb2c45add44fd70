#include "platform/WatchedTree.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

using namespace ondrix;
using Resolution = WatchedTree::Resolution;

namespace {

class WatchedTreeTest : public ::testing::TestWithParam<Resolution> {
protected:
    void SetUp() override
    {
        m_base = QFileInfo(m_env.root()).canonicalFilePath();
        m_root = m_base + u"/drop/watched"_s;
        m_env.writeFile(u"drop/watched/sub/b.bin"_s, "shared");
        m_env.writeFile(u"drop/watched/a.bin"_s, "top");
        m_env.writeFile(u"private/b.bin"_s, "secret");
        m_env.writeFile(u"private/watched/sub/b.bin"_s, "secret too");
    }
    QString at(const QString& relative) const { return m_base + '/'_L1 + relative; }
    static QByteArray contents(const FileDescriptor& fd)
    {
        char buffer[64];
        const ssize_t got = fd.isValid() ? ::read(fd.get(), buffer, sizeof buffer) : -1;
        return got < 0 ? QByteArray("<unreadable>") : QByteArray(buffer, got);
    }

    test::TestEnvironment m_env;
    QString m_base;
    QString m_root;
};

TEST_P(WatchedTreeTest, ReachesFilesBelowTheRootAndNothingThroughALink)
{
    const WatchedTree tree(m_root, GetParam());
    ASSERT_TRUE(tree.isValid()) << tree.error();
    EXPECT_EQ(contents(tree.open(m_root + u"/sub/b.bin"_s, O_RDONLY)), "shared");

    // A sub-folder swapped for a link to a private folder holding a file of the same name; a file that is a
    // link itself; a path that leaves the root.
    ASSERT_TRUE(QDir().rename(at(u"drop/watched/sub"_s), at(u"drop/moved"_s)));
    ASSERT_TRUE(QFile::link(at(u"private"_s), at(u"drop/watched/sub"_s)));
    ASSERT_TRUE(QFile::link(at(u"private/b.bin"_s), at(u"drop/watched/c.bin"_s)));
    const std::pair<QString, int> refused[] = {{m_root + u"/sub/b.bin"_s, ELOOP},
                                               {m_root + u"/../../private/b.bin"_s, EXDEV},
                                               {at(u"private/b.bin"_s), EXDEV}};
    for (const auto& [path, error] : refused) {
        errno = 0;
        EXPECT_TRUE(!tree.open(path, O_RDONLY).isValid() && errno == error) << qPrintable(path);
        struct stat info {};
        EXPECT_EQ(tree.stat(path, info), error) << qPrintable(path);
        EXPECT_EQ(tree.unlink(path), error) << qPrintable(path);
    }
    // A file that is a link is not opened; looked at and removed, it is the link itself.
    errno = 0;
    EXPECT_TRUE(!tree.open(m_root + u"/c.bin"_s, O_RDONLY).isValid() && errno == ELOOP);
    struct stat info {};
    EXPECT_TRUE(tree.stat(m_root + u"/c.bin"_s, info) == 0 && S_ISLNK(info.st_mode));
    EXPECT_EQ(tree.unlink(m_root + u"/c.bin"_s), 0);
    EXPECT_EQ(test::readFile(at(u"private/b.bin"_s)), "secret");
    EXPECT_EQ(tree.unlink(m_root + u"/a.bin"_s), 0);
    EXPECT_FALSE(QFileInfo::exists(m_root + u"/a.bin"_s));

    // The root stays the folder that was opened when its parent is swapped for a link.
    ASSERT_TRUE(QFile::remove(at(u"drop/watched/sub"_s)));
    ASSERT_TRUE(QDir().rename(at(u"drop/moved"_s), at(u"drop/watched/sub"_s)));
    ASSERT_TRUE(QDir().rename(at(u"drop"_s), at(u"drop.old"_s)));
    ASSERT_TRUE(QFile::link(at(u"private"_s), at(u"drop"_s)));
    EXPECT_EQ(contents(tree.open(m_root + u"/sub/b.bin"_s, O_RDONLY)), "shared");
    EXPECT_EQ(tree.unlink(m_root + u"/sub/b.bin"_s), 0);
    EXPECT_EQ(test::readFile(at(u"private/watched/sub/b.bin"_s)), "secret too");

    // Opened again by its name, the root is refused: a link stands on its way now.
    const WatchedTree again(m_root, GetParam());
    EXPECT_FALSE(again.isValid());
    EXPECT_EQ(again.error(), ELOOP);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, WatchedTreeTest,
                         ::testing::Values(Resolution::automatic, Resolution::walk));

} // namespace
