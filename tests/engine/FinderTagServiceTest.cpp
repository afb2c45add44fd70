#include "engine/FinderTagService.h"

#include "platform/XattrTagStore.h"
#include "support/MessageCapture.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <mutex>
#include <semaphore>

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

    test::TestEnvironment m_env;
    QString m_file;
    XattrTagStore m_store;
    FinderTagService m_service{std::make_shared<XattrTagStore>()};
};

// Only tags spelled like one of our colours are ours and go (look-alikes and the user's own tags stay, in
// order); only the newest colour is left, in both lists, and the file's contents are untouched.
TEST_F(FinderTagServiceTest, ColourTagsReplaceOnlyOursAndKeepOtherTagsInOrderAndFailuresAreLogged)
{
    const auto list = [](const char* tags) { // tags apart by '|'
        return QString::fromUtf8(tags).split(u'|', Qt::SkipEmptyParts);
    };
    for (const auto& [user, desktop, colours, userAfter, desktopAfter] :
         {std::tuple("Work|Yellow\n5", "holiday|Yellow|family", "g", "Work|Green\n2", "holiday|family|Green"),
          std::tuple("Blue\n1|Bluebird|Green|Reddish\n6|red\n6", "", "bgry",
                     "Bluebird|Reddish\n6|red\n6|Yellow\n5", "Yellow")}) {
        ASSERT_EQ(m_store.writeTags(m_file, TagList::userTags, list(user)), 0);
        ASSERT_EQ(m_store.writeTags(m_file, TagList::desktopTags, list(desktop)), 0);
        const test::MessageCapture log;
        for (const char* c = colours; *c; ++c) { // the colours' initials, in their enumeration's order
            m_service.setTag(Colour(QByteArrayView("ybgr").indexOf(*c)), m_file);
        }
        EXPECT_EQ(tags() + tags(TagList::desktopTags), list(userAfter) + list(desktopAfter));
        EXPECT_EQ(log.matching(u"[FinderTagService]"_s).constLast(),
                  u"[FinderTagService] Tagged 'photo.jpg' as "_s + list(userAfter).constLast());
    }
    EXPECT_EQ(test::readFile(m_file), QByteArray("pixels"));

    // The same colour again leaves both lists untouched: here in forms a rewrite would not keep.
    const std::pair<const char*, QByteArray> raw[] = {
        {XattrTagStore::userTagsAttribute,
         "<plist version=\"1.0\"><array><string>Work</string><string>Green\n2</string></array></plist>"},
        {XattrTagStore::desktopTagsAttribute, "holiday,family,Green,"}};
    for (const auto& [name, value] : raw) {
        ASSERT_EQ(::lsetxattr(QFile::encodeName(m_file).constData(), name, value.data(), value.size(), 0), 0);
    }
    m_service.setTag(Colour::green, m_file);
    for (const auto& [name, value] : raw) {
        EXPECT_EQ(XattrTagStore::readAttribute(m_file, name), value);
    }

    // A file gone before its tag, and a file system without user attributes, each leave one system-log line.
    const test::MessageCapture log;
    m_service.setTag(Colour::green, m_env.root() + u"/watched/gone.jpg"_s);
    m_service.setTag(Colour::green, u"/proc/version"_s);
    EXPECT_EQ(log.matching(u"[FinderTagService]"_s),
              (QStringList{u"[FinderTagService] File not found, skipping: gone.jpg"_s,
                           u"[FinderTagService] setxattr failed (errno %1) for version"_s.arg(EOPNOTSUPP)}));
}

// Holds the first user-tags write until opened, and notes every user-tags write as "file:Colour".
class GatedTagStore : public TagStore {
public:
    QStringList readTags(const QString& path, TagList list) const override
    {
        return m_real.readTags(path, list);
    }
    int writeTags(const QString& path, TagList list, const QStringList& tags) const override
    {
        return m_real.writeTags(path, list, tags);
    }

    int updateTags(const QString& path, TagList list, const Change& change) const override
    {
        return m_real.updateTags(path, list, [&](const QStringList& read) {
            const QStringList tags = change(read);
            if (list == TagList::userTags && tags != read) {
                std::unique_lock lock(m_mutex);
                writes.append(QFileInfo(path).fileName() + u':' + tags.constLast().section(u'\n', 0, 0));
                if (writes.size() == 1) {
                    lock.unlock();
                    held.release();
                    open.acquire();
                }
            }
            return tags;
        });
    }

    mutable std::binary_semaphore held{0}, open{0};
    mutable std::mutex m_mutex;
    mutable QStringList writes;

private:
    XattrTagStore m_real;
};

TEST_F(FinderTagServiceTest, QueuedColoursCoalescePerFileAndSettleWritesAtOnce)
{
    const QString other = m_env.writeFile(u"watched/other.jpg"_s, "more pixels");
    auto store = std::make_shared<GatedTagStore>();
    FinderTagService service(store);

    service.queueTag(Colour::yellow, m_file);
    store->held.acquire(); // the writer is now held inside the photo's first write
    service.queueTag(Colour::blue, m_file);
    service.queueTag(Colour::green, m_file);
    service.queueTag(Colour::yellow, other);
    service.queueTag(Colour::blue, other);

    // The other file's newest colour is written on this thread, ahead of the held writer.
    service.settle(other);
    EXPECT_EQ(m_store.readTags(other, TagList::userTags), QStringList{u"Blue\n4"_s});

    store->open.release();
    service.waitForTagWrites();
    EXPECT_EQ(store->writes, (QStringList{u"photo.jpg:Yellow"_s, u"other.jpg:Blue"_s, u"photo.jpg:Green"_s}));
    EXPECT_EQ(tags() + tags(TagList::desktopTags), (QStringList{u"Green\n2"_s, u"Green"_s}));
}

} // namespace
