#include "engine/FinderTagService.h"

#include "platform/XattrTagStore.h"
#include "support/MessageCapture.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <condition_variable>
#include <mutex>

using namespace Qt::StringLiterals;

using namespace ondrix;
using Colour = FinderTagService::UploadColour;
using TagList = TagStore::TagList;

namespace {

class FinderTagServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_file = m_env.writeFile(u"watched/photo.jpg"_s, "pixels");
        if (::lsetxattr(QFile::encodeName(m_file).constData(), "user.ondrix-probe", "1", 1, 0) != 0) {
            GTEST_SKIP() << "the test folder's file system has no user extended attributes";
        }
    }

    QStringList tags(TagList list = TagList::userTags) const { return m_store.readTags(m_file, list); }
    void setTags(const QStringList& tags, TagList list = TagList::userTags) const
    {
        ASSERT_EQ(m_store.writeTags(m_file, list, tags), 0);
    }

    test::TestEnvironment m_env;
    QString m_file;
    XattrTagStore m_store;
    FinderTagService m_service{std::make_shared<XattrTagStore>()};
};

TEST_F(FinderTagServiceTest, ReplacesOnlyTheColourTagAndKeepsOtherTagsInOrder)
{
    setTags({u"Work"_s, u"Yellow\n5"_s});
    setTags({u"holiday"_s, u"Yellow"_s, u"family"_s}, TagList::desktopTags);
    const test::MessageCapture log;

    m_service.setTag(Colour::green, m_file);

    EXPECT_EQ(tags(), (QStringList{u"Work"_s, u"Green\n2"_s}));
    EXPECT_EQ(tags(TagList::desktopTags), (QStringList{u"holiday"_s, u"family"_s, u"Green"_s}));
    EXPECT_EQ(log.matching(u"[FinderTagService]"_s),
              QStringList{u"[FinderTagService] Tagged 'photo.jpg' as Green\n2"_s});

    // The same colour again leaves both lists untouched: here in forms a rewrite would not keep.
    const QByteArray xml = "<plist version=\"1.0\"><array><string>Work</string><string>Green\n2</string>"
                           "</array></plist>";
    const QByteArray desktop = "holiday,family,Green,";
    for (const auto& [name, value] : {std::pair{XattrTagStore::userTagsAttribute, xml},
                                      std::pair{XattrTagStore::desktopTagsAttribute, desktop}}) {
        ASSERT_EQ(::lsetxattr(QFile::encodeName(m_file).constData(), name, value.constData(),
                              size_t(value.size()), 0),
                  0);
    }
    m_service.setTag(Colour::green, m_file);
    EXPECT_EQ(XattrTagStore::readAttribute(m_file, XattrTagStore::userTagsAttribute), xml);
    EXPECT_EQ(XattrTagStore::readAttribute(m_file, XattrTagStore::desktopTagsAttribute), desktop);
}

// Tags spelled like one of our colours are ours and go; look-alikes stay. Only the newest colour is left.
TEST_F(FinderTagServiceTest, UserTagsNamedLikeAColourAreReplacedAndOnlyTheLatestColourStays)
{
    setTags({u"Blue\n1"_s, u"Bluebird"_s, u"Green"_s, u"Reddish\n6"_s, u"red\n6"_s});

    for (const Colour colour : {Colour::blue, Colour::green, Colour::red, Colour::yellow}) {
        m_service.setTag(colour, m_file);
    }

    EXPECT_EQ(tags(), (QStringList{u"Bluebird"_s, u"Reddish\n6"_s, u"red\n6"_s, u"Yellow\n5"_s}));
    EXPECT_EQ(tags(TagList::desktopTags), QStringList{u"Yellow"_s});
    EXPECT_EQ(test::readFile(m_file), QByteArray("pixels"));
}

// Holds the first user-tags write until released, and notes every user-tags write as "file:Colour".
class GatedTagStore : public TagStore {
public:
    QStringList readTags(const QString& path, TagList list) const override
    {
        return m_real.readTags(path, list);
    }
    int writeTags(const QString& path, TagList list, const QStringList& tags) const override
    {
        return updateTags(path, list, [&](const QStringList&) { return tags; });
    }
    int updateTags(const QString& path, TagList list, const Change& change) const override
    {
        return m_real.updateTags(path, list, [&](const QStringList& read) {
            const QStringList tags = change(read);
            if (list == TagList::userTags && tags != read) {
                std::unique_lock lock(m_mutex);
                m_writes.append(QFileInfo(path).fileName() + QLatin1Char(':') +
                                tags.constLast().section(QLatin1Char('\n'), 0, 0));
                m_changed.notify_all();
                m_changed.wait(lock, [this] { return m_open || m_writes.size() > 1; });
            }
            return tags;
        });
    }
    void waitForFirstWrite()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_writes.isEmpty(); });
    }
    void open()
    {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    QStringList writes() const
    {
        std::lock_guard lock(m_mutex);
        return m_writes;
    }

private:
    XattrTagStore m_real;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    mutable QStringList m_writes;
    bool m_open = false;
};

TEST_F(FinderTagServiceTest, QueuedColoursCoalescePerFileAndSettleWritesAtOnce)
{
    const QString other = m_env.writeFile(u"watched/other.jpg"_s, "more pixels");
    auto store = std::make_shared<GatedTagStore>();
    FinderTagService service(store);

    service.queueTag(Colour::yellow, m_file);
    store->waitForFirstWrite(); // the writer is now held inside the photo's first write
    service.queueTag(Colour::blue, m_file);
    service.queueTag(Colour::green, m_file);
    service.queueTag(Colour::yellow, other);
    service.queueTag(Colour::blue, other);

    // The other file's newest colour is written on this thread, ahead of the held writer.
    service.settle(other);
    EXPECT_EQ(m_store.readTags(other, TagList::userTags), QStringList{u"Blue\n4"_s});

    store->open();
    service.waitForTagWrites();
    EXPECT_EQ(store->writes(),
              (QStringList{u"photo.jpg:Yellow"_s, u"other.jpg:Blue"_s, u"photo.jpg:Green"_s}));
    EXPECT_EQ(tags(), QStringList{u"Green\n2"_s});
    EXPECT_EQ(tags(TagList::desktopTags), QStringList{u"Green"_s});
}

// A file gone before its tag and a file system without user attributes (procfs refuses them with
// EOPNOTSUPP, as some network and FAT mounts do) each leave one system-log line.
TEST_F(FinderTagServiceTest, MissingFileAndFileSystemWithoutAttributesLeaveALogLine)
{
    const test::MessageCapture log;
    m_service.setTag(Colour::green, m_env.root() + u"/watched/gone.jpg"_s);
    m_service.setTag(Colour::green, u"/proc/version"_s);
    EXPECT_EQ(log.matching(u"[FinderTagService]"_s),
              (QStringList{u"[FinderTagService] File not found, skipping: gone.jpg"_s,
                           u"[FinderTagService] setxattr failed (errno %1) for version"_s.arg(EOPNOTSUPP)}));
}

} // namespace
