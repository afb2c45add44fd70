#include "platform/XattrTagStore.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

using namespace ondrix;
using TagList = TagStore::TagList;

namespace {

bool setRawAttribute(const QString& path, const char* name, const QByteArray& value)
{
    return ::lsetxattr(QFile::encodeName(path).constData(), name, value.constData(),
                       static_cast<size_t>(value.size()), 0) == 0;
}

int rawAttributeError(const QString& path, const char* name)
{
    return ::lgetxattr(QFile::encodeName(path).constData(), name, nullptr, 0) < 0 ? errno : 0;
}

// What Python's own plist reader makes of `raw`, as `expression` of the loaded value `v` prints it.
QString pythonReads(const QByteArray& raw, const QString& expression)
{
    QProcess process;
    process.start(u"/usr/bin/python3"_s,
                  {u"-c"_s, QStringLiteral("import plistlib,sys; v=plistlib.loads("
                                           "sys.stdin.buffer.read()); print(%1, end='')")
                                .arg(expression)});
    process.write(raw);
    process.closeWriteChannel();
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

class XattrTagStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_file = m_env.writeFile(u"watched/photo.jpg"_s, "pixels");
        if (!setRawAttribute(m_file, "user.ondrix-probe", "1")) {
            GTEST_SKIP() << "the test folder's file system has no user extended attributes";
        }
    }

    QByteArray userTags() const
    {
        return XattrTagStore::readAttribute(m_file, XattrTagStore::userTagsAttribute).value_or("");
    }

    test::TestEnvironment m_env;
    QString m_file;
    XattrTagStore m_store;
};

TEST_F(XattrTagStoreTest, UserTagsRoundTripAsBinaryPropertyListAndNeverThroughALink)
{
    // Short and long (a length past the marker's nibble), ASCII and not, and more than a first read holds.
    QStringList tags{u"Work"_s, u"Green\n2"_s, u"Überprüft ✓"_s, u"Kundenprojekt Überprüfung"_s, QString()};
    for (int i = 0; i < 80; ++i) {
        tags.append(u"Customer project number %1"_s.arg(i));
    }
    ASSERT_EQ(m_store.writeTags(m_file, TagList::userTags, tags), 0);
    EXPECT_EQ(m_store.readTags(m_file, TagList::userTags), tags);
    EXPECT_TRUE(userTags().startsWith("bplist00"));
    // An independent reader of the format agrees on the contents.
    EXPECT_EQ(pythonReads(userTags(), u"'|'.join(v)"_s), tags.join(u'|'));

    // A symbolic link is not followed: its target keeps its tags.
    const QString link = m_env.root() + u"/watched/link.jpg"_s;
    ASSERT_EQ(::symlink(QFile::encodeName(m_file).constData(), QFile::encodeName(link).constData()), 0);
    EXPECT_TRUE(m_store.readTags(link, TagList::userTags).isEmpty());
    EXPECT_NE(m_store.writeTags(link, TagList::userTags, {u"Red\n6"_s}), 0);
    EXPECT_EQ(m_store.readTags(m_file, TagList::userTags), tags);
}

TEST_F(XattrTagStoreTest, DecodesAnyFormatDesktopTagsAreTextAndEmptyValuesAreNone)
{
    const QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<plist version=\"1.0\"><array><string>Work</string>"
                           "<string>Red\n6</string></array></plist>";
    EXPECT_EQ(XattrTagStore::decodeUserTags(xml), (QStringList{u"Work"_s, u"Red\n6"_s}));

    const QByteArray binary = XattrTagStore::encodeUserTags({u"A"_s, u"B"_s});
    for (qsizetype cut = 0; cut < binary.size(); ++cut) {
        EXPECT_TRUE(XattrTagStore::decodeUserTags(binary.left(cut)).isEmpty()) << "cut at " << cut;
    }

    for (const QByteArray& other :
         {QByteArray("<plist version=\"1.0\"><dict><key>W</key><string>x</string></dict></plist>"),
          QByteArray("\xff\x00garbage\x01", 10)}) {
        EXPECT_TRUE(XattrTagStore::decodeUserTags(other).isEmpty()) << other.constData();
    }

    // A string with an embedded NUL (found by fuzzing: libplist asserts on it when asked for a copy) ends
    // at the NUL, as it would when written back.
    const QByteArray embeddedNul(
        "bplist00\xa2\x01\x02TWorkWBlue\x00\n4\x08\x0b\x10\0\0\0\0\0\0\x01\x01\0\0\0\0\0\0\0"
        "\x03\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x18",
        59);
    EXPECT_EQ(XattrTagStore::decodeUserTags(embeddedNul), (QStringList{u"Work"_s, u"Blue"_s}));

    ASSERT_TRUE(setRawAttribute(m_file, XattrTagStore::desktopTagsAttribute, "holiday,,Café"));
    EXPECT_EQ(m_store.readTags(m_file, TagList::desktopTags), (QStringList{u"holiday"_s, u"Café"_s}));
    ASSERT_EQ(m_store.writeTags(m_file, TagList::desktopTags, {u"Red"_s, u"Green"_s}), 0);
    EXPECT_EQ(XattrTagStore::readAttribute(m_file, XattrTagStore::desktopTagsAttribute),
              QByteArray("Red,Green"));
    ASSERT_EQ(m_store.writeTags(m_file, TagList::userTags, {u"Red\n6"_s}), 0);
    EXPECT_EQ(m_store.writeTags(m_file, TagList::userTags, {}), 0);
    EXPECT_EQ(m_store.writeTags(m_file, TagList::desktopTags, {}), 0);
    EXPECT_EQ(rawAttributeError(m_file, XattrTagStore::userTagsAttribute), ENODATA);
    EXPECT_EQ(rawAttributeError(m_file, XattrTagStore::desktopTagsAttribute), ENODATA);
    EXPECT_EQ(m_store.writeTags(m_file, TagList::userTags, {}), 0); // nothing to remove is fine too

    // A malformed or empty value reads as no tags.
    for (const QByteArray& value : {QByteArray("bplist00 not really"), QByteArray()}) {
        ASSERT_TRUE(setRawAttribute(m_file, XattrTagStore::userTagsAttribute, value));
        EXPECT_TRUE(m_store.readTags(m_file, TagList::userTags).isEmpty());
    }
    // Values longer than the first buffer are read whole (ext4 keeps a value within one block).
    for (const int size : {1023, 1024, 1025, 3900}) {
        const QByteArray value = QByteArray(size - 1, 'x') + 'z';
        ASSERT_TRUE(setRawAttribute(m_file, "user.ondrix-long", value)) << size;
        EXPECT_EQ(XattrTagStore::readAttribute(m_file, "user.ondrix-long"), value) << size;
    }
}

// A list another program extended with a non-string entry: an unchanged list keeps its bytes, a changed one
// keeps the user's tags and that entry. A file that is gone is reported without a write.
TEST_F(XattrTagStoreTest, AnUpdateWritesOnlyAChangeAndKeepsWhatItCannotRead)
{
    const QByteArray xml = "<plist version=\"1.0\"><array><string>Client</string><integer>42</integer>"
                           "<string>Green\n2</string></array></plist>";
    ASSERT_TRUE(setRawAttribute(m_file, XattrTagStore::userTagsAttribute, xml));
    QStringList seen;
    const auto unchanged = [&](const QStringList& tags) {
        seen = tags;
        return tags;
    };
    EXPECT_EQ(m_store.updateTags(m_file, TagList::userTags, unchanged), 0);
    EXPECT_EQ(seen, (QStringList{u"Client"_s, u"Green\n2"_s}));
    EXPECT_EQ(userTags(), xml);

    const QStringList blue{u"Client"_s, u"Blue\n4"_s};
    EXPECT_EQ(m_store.updateTags(m_file, TagList::userTags, [&](const QStringList&) { return blue; }), 0);
    EXPECT_EQ(userTags(), XattrTagStore::encodeUserTags(blue, xml));
    EXPECT_EQ(pythonReads(userTags(), u"repr(v)"_s), u"['Client', 'Blue\\n4', 42]"_s);
    ASSERT_EQ(m_store.writeTags(m_file, TagList::userTags, {u"Client"_s}), 0);
    EXPECT_EQ(pythonReads(userTags(), u"repr(v)"_s), u"['Client', 42]"_s);

    ASSERT_TRUE(setRawAttribute(m_file, XattrTagStore::desktopTagsAttribute, "holiday"));
    EXPECT_EQ(
        m_store.updateTags(m_file, TagList::desktopTags, [](const QStringList&) { return QStringList(); }),
        0);
    EXPECT_EQ(rawAttributeError(m_file, XattrTagStore::desktopTagsAttribute), ENODATA);

    seen = {u"not asked"_s};
    EXPECT_EQ(m_store.updateTags(m_env.root() + u"/watched/gone.jpg"_s, TagList::userTags, unchanged),
              ENOENT);
    EXPECT_EQ(seen, QStringList{u"not asked"_s});
}

} // namespace
