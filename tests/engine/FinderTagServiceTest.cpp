#include "engine/FinderTagService.h"

#include "platform/XattrTagStore.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <condition_variable>
#include <mutex>
#include <unordered_set>

using namespace ondrix;
using Colour = FinderTagService::UploadColour;
using TagList = TagStore::TagList;

namespace {

// Collects the messages of one logging category while it lives.
class LogCapture {
public:
    explicit LogCapture(const char* category)
        : m_category(category)
    {
        s_current = this;
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    QStringList lines() const { return m_lines; }

private:
    static void handle(QtMsgType, const QMessageLogContext& context, const QString& message)
    {
        if (s_current && context.category && qstrcmp(context.category, s_current->m_category) == 0) {
            s_current->m_lines.append(message);
        }
    }

    static inline LogCapture* s_current = nullptr;
    const char* m_category;
    QtMessageHandler m_previous = nullptr;
    QStringList m_lines;
};

class FinderTagServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_file = m_env.writeFile(QStringLiteral("watched/photo.jpg"), "pixels");
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

TEST(FinderTagServiceColourTest, RawValuesOrderAndLookup)
{
    QStringList raw;
    for (const Colour colour : FinderTagService::allColours) {
        raw.append(FinderTagService::rawValue(colour));
        EXPECT_EQ(FinderTagService::colourFromRawValue(FinderTagService::rawValue(colour)), colour);
    }
    EXPECT_EQ(raw, (QStringList{QStringLiteral("Yellow\n5"), QStringLiteral("Blue\n4"),
                                QStringLiteral("Green\n2"), QStringLiteral("Red\n6")}));
    EXPECT_EQ(FinderTagService::colourName(Colour::green), QStringLiteral("Green"));
    for (const char* other : {"Green", "Green\n3", "green\n2", "Green\n2 ", ""}) {
        EXPECT_FALSE(FinderTagService::colourFromRawValue(QString::fromUtf8(other)).has_value()) << other;
    }
    const std::unordered_set<Colour> hashed(FinderTagService::allColours.begin(),
                                            FinderTagService::allColours.end());
    const QSet<Colour> qtHashed(FinderTagService::allColours.begin(), FinderTagService::allColours.end());
    EXPECT_EQ(hashed.size(), 4U);
    EXPECT_EQ(qtHashed.size(), 4);
}

TEST_F(FinderTagServiceTest, ReplacesOnlyTheColourTagAndKeepsOtherTagsInOrder)
{
    setTags({QStringLiteral("Work"), QStringLiteral("Yellow\n5")});
    setTags({QStringLiteral("holiday"), QStringLiteral("Yellow"), QStringLiteral("family")},
            TagList::desktopTags);
    const LogCapture log("ondrix.findertags");

    m_service.setTag(Colour::green, m_file);

    EXPECT_EQ(tags(), (QStringList{QStringLiteral("Work"), QStringLiteral("Green\n2")}));
    EXPECT_EQ(tags(TagList::desktopTags),
              (QStringList{QStringLiteral("holiday"), QStringLiteral("family"), QStringLiteral("Green")}));
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("[FinderTagService] Tagged 'photo.jpg' as Green\n2")});
}

TEST_F(FinderTagServiceTest, FileWithoutTagsGetsABinaryListWithTheColour)
{
    m_service.setTag(Colour::red, m_file);

    const auto raw = XattrTagStore::readAttribute(m_file, XattrTagStore::userTagsAttribute);
    ASSERT_TRUE(raw.has_value());
    EXPECT_TRUE(raw->startsWith("bplist00"));
    EXPECT_EQ(XattrTagStore::decodeUserTags(*raw), QStringList{QStringLiteral("Red\n6")});
    EXPECT_EQ(XattrTagStore::readAttribute(m_file, XattrTagStore::desktopTagsAttribute), QByteArray("Red"));
    EXPECT_EQ(m_service.readTags(m_file), QStringList{QStringLiteral("Red\n6")});
}

TEST_F(FinderTagServiceTest, UserTagsNamedLikeAColourAreReplacedToo)
{
    setTags({QStringLiteral("Blue\n1"), QStringLiteral("Bluebird"), QStringLiteral("Green"),
             QStringLiteral("Reddish\n6"), QStringLiteral("red\n6")});

    m_service.setTag(Colour::yellow, m_file);

    EXPECT_EQ(tags(), (QStringList{QStringLiteral("Bluebird"), QStringLiteral("Reddish\n6"),
                                   QStringLiteral("red\n6"), QStringLiteral("Yellow\n5")}));
}

TEST_F(FinderTagServiceTest, PipelineLeavesOnlyTheLatestColour)
{
    setTags({QStringLiteral("Client A")});
    for (const Colour colour : {Colour::yellow, Colour::blue, Colour::green, Colour::red, Colour::blue}) {
        m_service.setTag(colour, m_file);
    }
    EXPECT_EQ(tags(), (QStringList{QStringLiteral("Client A"), QStringLiteral("Blue\n4")}));
    EXPECT_EQ(tags(TagList::desktopTags), QStringList{QStringLiteral("Blue")});
    QFile file(m_file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("pixels"));
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
        if (list == TagList::userTags) {
            std::unique_lock lock(m_mutex);
            m_writes.append(QFileInfo(path).fileName() + QLatin1Char(':') +
                            tags.constLast().section(QLatin1Char('\n'), 0, 0));
            m_changed.notify_all();
            m_changed.wait(lock, [this] { return m_open || m_writes.size() > 1; });
        }
        return m_real.writeTags(path, list, tags);
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
    const QString other = m_env.writeFile(QStringLiteral("watched/other.jpg"), "more pixels");
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
    EXPECT_EQ(m_store.readTags(other, TagList::userTags), QStringList{QStringLiteral("Blue\n4")});

    store->open();
    service.waitForTagWrites();
    EXPECT_EQ(store->writes(),
              (QStringList{QStringLiteral("photo.jpg:Yellow"), QStringLiteral("other.jpg:Blue"),
                           QStringLiteral("photo.jpg:Green")}));
    EXPECT_EQ(tags(), QStringList{QStringLiteral("Green\n2")});
    EXPECT_EQ(tags(TagList::desktopTags), QStringList{QStringLiteral("Green")});
}

TEST_F(FinderTagServiceTest, MalformedAttributesAreTreatedAsNoTags)
{
    const QByteArray dictionaryRoot =
        "<plist version=\"1.0\"><dict><key>Work</key><string>x</string></dict></plist>";
    for (const QByteArray& malformed : {QByteArray("\x00\x01garbage\xff", 11), dictionaryRoot}) {
        const QByteArray path = QFile::encodeName(m_file);
        ASSERT_EQ(::lsetxattr(path.constData(), XattrTagStore::userTagsAttribute, malformed.constData(),
                              static_cast<size_t>(malformed.size()), 0),
                  0);
        m_service.setTag(Colour::blue, m_file);
        EXPECT_EQ(tags(), QStringList{QStringLiteral("Blue\n4")});
    }
    QFile file(m_file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("pixels"));
}

TEST_F(FinderTagServiceTest, MissingFileIsSkippedWithALogLine)
{
    const QString missing = m_env.root() + QStringLiteral("/watched/gone.jpg");
    const LogCapture log("ondrix.findertags");

    m_service.setTag(Colour::green, missing);

    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(log.lines(),
              QStringList{QStringLiteral("[FinderTagService] File not found, skipping: gone.jpg")});
}

TEST_F(FinderTagServiceTest, FileSystemWithoutUserAttributesLeavesALogLine)
{
    // procfs refuses user attributes (EOPNOTSUPP), as some network and FAT mounts do.
    const LogCapture log("ondrix.findertags");
    m_service.setTag(Colour::green, QStringLiteral("/proc/version"));
    EXPECT_EQ(
        log.lines(),
        QStringList{
            QStringLiteral("[FinderTagService] setxattr failed (errno %1) for version").arg(EOPNOTSUPP)});
}

} // namespace
