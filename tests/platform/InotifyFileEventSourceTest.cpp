#include "platform/InotifyFileEventSource.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace Qt::StringLiterals;

using namespace ondrix;
using Flag = FileEvent::Flag;

namespace {

class InotifyFileEventSourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(&m_source, &FileEventSource::eventsArrived, [this](const QList<FileEvent>& events) {
            for (const FileEvent& event : events) {
                m_events.append({QDir(m_root).relativeFilePath(event.path), event.flags});
            }
        });
    }
    QString path(const QString& relative) const { return m_root + '/'_L1 + relative; }
    bool waitForWatches(int count)
    {
        return QTest::qWaitFor([&] { return m_source.watchCount() == count; });
    }
    bool waitForEvent(const QString& relative, FileEvent::Flags flags)
    {
        return QTest::qWaitFor([&] { return m_events.contains(FileEvent{relative, flags}); });
    }

    test::TestEnvironment m_env;
    QString m_root = m_env.makeDir(u"watched"_s);
    InotifyFileEventSource m_source;
    QList<FileEvent> m_events;
};

TEST_F(InotifyFileEventSourceTest, ReportsTheSystemsFlagsInOrderUntilStoppedAndWatchesFollowFolders)
{
    ASSERT_TRUE(m_source.start(m_root));
    m_env.writeFile(u"watched/a.jpg"_s, "data");
    ASSERT_TRUE(QFile::rename(path(u"a.jpg"_s), path(u"b.jpg"_s)));
    ASSERT_TRUE(QDir(m_root).mkdir(u"sub"_s));
    ASSERT_TRUE(waitForEvent(u"sub"_s, Flag::IsDirectory | Flag::Created));
    EXPECT_EQ(m_events, (QList<FileEvent>{{"a.jpg", Flag::IsFile | Flag::Created},
                                          {"a.jpg", Flag::IsFile | Flag::Modified},
                                          {"a.jpg", Flag::IsFile | Flag::WriteClosed},
                                          {"a.jpg", Flag::IsFile | Flag::Removed},
                                          {"b.jpg", Flag::IsFile | Flag::Renamed},
                                          {"sub", Flag::IsDirectory | Flag::Created}}));

    // Stop drops what was still under way, and a new start begins afresh.
    m_events.clear();
    m_env.writeFile(u"watched/before.jpg"_s, "x");
    // The reader posts its batch meanwhile; the main thread does not get to run it before stop().
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    m_source.stop();
    EXPECT_TRUE(!m_source.isWatching() && m_source.watchCount() == 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_events.isEmpty());

    ASSERT_TRUE(QDir(m_root).mkpath(u"x/y"_s));
    ASSERT_TRUE(m_source.start(m_root));
    m_env.writeFile(u"watched/after.jpg"_s, "x");
    ASSERT_TRUE(waitForEvent(u"after.jpg"_s, Flag::IsFile | Flag::WriteClosed));
    InotifyFileEventSource missing;
    EXPECT_FALSE(missing.start(m_root + u"/nope"_s));

    // Watches follow folders there at the start (set by the reader thread) and those that come, go and move.
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_source.isTreeWatched(); }));
    EXPECT_EQ(m_source.watchCount(), 4);
    ASSERT_TRUE(QDir(m_root).mkpath(u"n1/n2/n3"_s));
    ASSERT_TRUE(waitForWatches(7));
    ASSERT_TRUE(QDir(path(u"n1"_s)).removeRecursively());
    ASSERT_TRUE(waitForWatches(4));

    // Moved out: forgotten. Moved in: watched, its files discovered.
    const QString outside = m_env.root() + u"/outside"_s;
    ASSERT_TRUE(QDir().rename(path(u"x"_s), outside));
    ASSERT_TRUE(waitForWatches(2));
    ASSERT_TRUE(QDir().rename(outside, path(u"back"_s)));
    ASSERT_TRUE(waitForWatches(4));

    // Renamed inside the tree: changes below it carry the new path.
    m_env.writeFile(u"watched/back/y/old.jpg"_s, "x");
    ASSERT_TRUE(QDir().rename(path(u"back"_s), path(u"renamed"_s)));
    ASSERT_TRUE(waitForEvent(u"renamed/y/old.jpg"_s, Flag::IsFile | Flag::Renamed | Flag::Discovered));
    m_events.clear();
    m_env.writeFile(u"watched/renamed/y/new.jpg"_s, "x");
    ASSERT_TRUE(waitForEvent(u"renamed/y/new.jpg"_s, Flag::IsFile | Flag::WriteClosed));
    for (const FileEvent& event : std::as_const(m_events)) {
        EXPECT_FALSE(event.path.startsWith("back"_L1)) << event.path.toStdString();
    }
    EXPECT_EQ(m_source.watchCount(), 4);
}

} // namespace
