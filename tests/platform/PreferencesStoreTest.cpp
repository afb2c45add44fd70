#include "platform/PreferencesStore.h"

#include "platform/AppPaths.h"
#include "support/TestEnvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <future>
#include <thread>

using namespace Qt::StringLiterals;

using ondrix::PreferencesStore;
using ondrix::test::TestEnvironment;

namespace {

mode_t permissions(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 0777) : 0;
}

// Runs SQL against the file the way a provisioning script would, outside the store.
void runSql(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

} // namespace

TEST(PreferencesStore, ValuesSurviveReopeningAndProvisioningAndTheFileIsPrivate)
{
    TestEnvironment env;
    const QString path = ondrix::AppPaths::preferencesFile();
    const QByteArray binary("\x00\x01\xff{json}", 8);
    {
        PreferencesStore store(path);
        store.setBool(u"b"_s, true);
        store.setInteger(u"i"_s, -9007199254740993LL);
        store.setDouble(u"d"_s, 0.1);
        store.setString(u"s"_s, u"Grüße 🌍"_s);
        store.setData(u"data"_s, binary);
        store.setStringList(u"list"_s, {u"de"_s, u"a\"b"_s});
        store.setRealDictionary(u"dict"_s, {{u"/a b"_s, 1.5}, {u"/c"_s, 2}});
        EXPECT_EQ(permissions(path), 0600u);
        EXPECT_EQ(permissions(path + u"-wal"_s), 0600u);
    }
    // Values a provisioning script writes with SQL, as documented, read like the store's own.
    runSql(path,
           "INSERT INTO preferences (key, type, value) VALUES ('AppleLanguages', 'stringList', '[\"fr\"]'),"
           " ('push_connections', 'data', CAST('[]' AS BLOB)), ('play_sound', 'bool', 0);"
           "INSERT INTO dictionary_entries (key, entry, value) VALUES ('ondrix_uploaded_9', '/p', 12.5);");
    PreferencesStore store(path);
    EXPECT_EQ(store.stringListValue(u"AppleLanguages"_s), QStringList{u"fr"_s});
    EXPECT_EQ(store.dataValue(u"push_connections"_s), QByteArray("[]"));
    EXPECT_TRUE(store.contains(u"play_sound"_s));
    EXPECT_FALSE(store.boolValue(u"play_sound"_s));
    EXPECT_EQ(store.realDictionaryValue(u"ondrix_uploaded_9"_s),
              (PreferencesStore::RealDictionary{{u"/p"_s, 12.5}}));
    EXPECT_TRUE(store.boolValue(u"b"_s));
    EXPECT_EQ(store.integerValue(u"i"_s), -9007199254740993LL);
    EXPECT_EQ(store.doubleValue(u"d"_s), 0.1);
    EXPECT_EQ(store.stringValue(u"s"_s), u"Grüße 🌍"_s);
    EXPECT_EQ(store.dataValue(u"data"_s), binary);
    EXPECT_EQ(store.stringListValue(u"list"_s), (QStringList{"de", "a\"b"}));
    const PreferencesStore::RealDictionary expected{{u"/a b"_s, 1.5}, {u"/c"_s, 2}};
    EXPECT_EQ(store.realDictionaryValue(u"dict"_s), expected);

    store.remove(u"s"_s);
    EXPECT_FALSE(store.contains(u"s"_s));
    EXPECT_TRUE(store.stringValue(u"s"_s).isNull());
    EXPECT_EQ(permissions(path), 0600u);
    EXPECT_EQ(path, env.configHome() + u"/Ondrix/preferences.sqlite"_s);
}

// A value of one type read as another follows the user-defaults rules.
TEST(PreferencesStore, ReadsConvertBetweenTypes)
{
    TestEnvironment env;
    PreferencesStore store(ondrix::AppPaths::preferencesFile());
    const auto key = [](const char* name) { return QString::fromLatin1(name); };

    store.setInteger(key("int7"), 7);
    EXPECT_TRUE(store.boolValue(key("int7")));
    EXPECT_EQ(store.doubleValue(key("int7")), 7.0);
    EXPECT_EQ(store.stringValue(key("int7")), u"7"_s);

    store.setDouble(key("real"), -2.9);
    EXPECT_EQ(store.integerValue(key("real")), -2);
    EXPECT_TRUE(store.boolValue(key("real")));
    store.setDouble(key("huge"), 1e300);
    EXPECT_EQ(store.integerValue(key("huge")), std::numeric_limits<qint64>::max());

    store.setBool(key("bool"), true);
    EXPECT_EQ(store.stringValue(key("bool")), u"1"_s);
    const struct {
        const char* text;
        bool asBool;
        qint64 asInteger;
        double asDouble;
    } strings[] = {
        {"YES", true, 0, 0},
        {"no", false, 0, 0},
        {"  0012abc", true, 12, 12},
        {"-3.75e1x", true, -3, -37.5},
        {"000", false, 0, 0},
        {".5", false, 0, 0.5},
        {"99999999999999999999", true, std::numeric_limits<qint64>::max(), 1e20},
    };
    for (const auto& s : strings) {
        store.setString(key("text"), QString::fromLatin1(s.text));
        EXPECT_EQ(store.boolValue(key("text")), s.asBool) << s.text;
        EXPECT_EQ(store.integerValue(key("text")), s.asInteger) << s.text;
        EXPECT_DOUBLE_EQ(store.doubleValue(key("text")), s.asDouble) << s.text;
    }

    store.setString(key("empty"), QString());
    EXPECT_FALSE(store.stringValue(key("empty")).isNull());
    EXPECT_TRUE(store.stringValue(key("empty")).isEmpty());

    // Containers and data never read as scalars, and scalars never as containers.
    store.setData(key("data"), "1");
    EXPECT_FALSE(store.boolValue(key("data")));
    EXPECT_TRUE(store.stringValue(key("data")).isNull());
    EXPECT_TRUE(store.stringListValue(key("int7")).isEmpty());
    EXPECT_TRUE(store.dataValue(key("text")).isEmpty());
    EXPECT_FALSE(store.realDictionaryValue(key("int7")).has_value());
    store.setRealDictionary(key("dict"), {});
    EXPECT_EQ(store.integerValue(key("dict")), 0);
    EXPECT_TRUE(store.contains(key("dict")));
}

TEST(PreferencesStore, DictionaryEntriesAreSetAndRemovedOneByOne)
{
    TestEnvironment env;
    PreferencesStore store(ondrix::AppPaths::preferencesFile());
    const QString key = u"ondrix_uploaded_1"_s;

    store.setRealDictionaryEntry(key, u"/x"_s, 10);
    store.setRealDictionaryEntry(key, u"/y"_s, 20);
    store.setRealDictionaryEntry(key, u"/x"_s, 11);
    EXPECT_EQ(store.realDictionaryValue(key),
              (PreferencesStore::RealDictionary{{u"/x"_s, 11}, {u"/y"_s, 20}}));

    store.removeRealDictionaryEntry(key, u"/x"_s);
    store.removeRealDictionaryEntry(key, u"/absent"_s);
    store.removeRealDictionaryEntry(key, u"/y"_s);
    ASSERT_TRUE(store.realDictionaryValue(key).has_value());
    EXPECT_TRUE(store.realDictionaryValue(key)->isEmpty());

    // Replacing the whole dictionary drops entries that are not in the new value.
    store.setRealDictionaryEntry(key, u"/old"_s, 1);
    store.setRealDictionary(key, {{u"/new"_s, 2}});
    EXPECT_EQ(store.realDictionaryValue(key), (PreferencesStore::RealDictionary{{u"/new"_s, 2}}));

    // Another type stored under the key takes the entries with it; setting an entry makes it a dictionary
    // again that holds only that entry.
    store.setString(key, u"text"_s);
    EXPECT_FALSE(store.realDictionaryValue(key).has_value());
    store.setRealDictionaryEntry(key, u"/z"_s, 3);
    EXPECT_EQ(store.realDictionaryValue(key), (PreferencesStore::RealDictionary{{u"/z"_s, 3}}));
    EXPECT_TRUE(store.stringValue(key).isNull());
}

TEST(PreferencesStore, ValuesWrittenTogetherAppearTogether)
{
    TestEnvironment env;
    const QString path = ondrix::AppPaths::preferencesFile();
    PreferencesStore writer(path);
    PreferencesStore reader(path);
    writer.writeTogether([&] {
        writer.setInteger(u"total_files"_s, 7);
        // Inside the group the writer reads its own writes; another connection does not see them yet.
        EXPECT_EQ(writer.integerValue(u"total_files"_s), 7);
        EXPECT_FALSE(reader.contains(u"total_files"_s));
        writer.writeTogether([&] { writer.setString(u"current_day"_s, u"d"_s); });
        writer.setRealDictionary(u"record"_s, {{u"/a"_s, 1.0}});
        writer.setRealDictionaryEntry(u"record"_s, u"/b"_s, 2.0);
        EXPECT_FALSE(reader.contains(u"current_day"_s)) << "a nested group joins the outer one";
    });
    EXPECT_EQ(reader.integerValue(u"total_files"_s), 7);
    EXPECT_EQ(reader.stringValue(u"current_day"_s), u"d"_s);
    EXPECT_EQ(reader.realDictionaryValue(u"record"_s),
              (PreferencesStore::RealDictionary{{u"/a"_s, 1.0}, {u"/b"_s, 2.0}}));
    // Single writes after a group are their own transactions again, seen at once by the other instance.
    writer.setInteger(u"total_files"_s, 8);
    EXPECT_EQ(reader.integerValue(u"total_files"_s), 8);
    reader.setRealDictionaryEntry(u"record"_s, u"/c"_s, 3);
    EXPECT_EQ(writer.realDictionaryValue(u"record"_s)->value(u"/c"_s), 3);
}

// Threads have connections of their own: the main thread reads on while another thread holds a write open,
// and sees the values from before it. A thread's connection closes when the thread ends.
TEST(PreferencesStore, AReadDoesNotWaitForAnotherThreadsWrite)
{
    TestEnvironment env;
    const QString path = ondrix::AppPaths::preferencesFile();
    PreferencesStore store(path);
    store.setInteger(u"n"_s, 1);
    const auto openFiles = [&] {
        int count = 0;
        for (const QFileInfo& fd : QDir(u"/proc/self/fd"_s).entryInfoList(QDir::System)) {
            count += fd.symLinkTarget() == path;
        }
        return count;
    };
    const int before = openFiles();
    std::promise<void> writing;
    std::promise<void> readDone;
    bool releasedByReader = false;
    std::thread writer([&] {
        store.writeTogether([&] {
            store.setInteger(u"n"_s, 2);
            writing.set_value();
            releasedByReader =
                readDone.get_future().wait_for(std::chrono::seconds(30)) == std::future_status::ready;
        });
    });
    writing.get_future().wait();
    EXPECT_EQ(store.integerValue(u"n"_s), 1);
    readDone.set_value();
    writer.join();
    EXPECT_TRUE(releasedByReader) << "the read waited for the write";
    EXPECT_EQ(store.integerValue(u"n"_s), 2);
    EXPECT_EQ(openFiles(), before);
}

// A damaged file is kept aside with a timestamp; the application carries on with fresh, persistent
// preferences.
TEST(PreferencesStore, CorruptFilesAreMovedAsideAndReplaced)
{
    TestEnvironment env;
    const QString path = ondrix::AppPaths::preferencesFile();

    QByteArray validHeaderGarbageBody("SQLite format 3\0", 16);
    validHeaderGarbageBody.append(QByteArray(8192, '\x5a'));
    const QByteArray damaged[] = {QByteArray("this is not a database, just text\n"), validHeaderGarbageBody};
    for (const QByteArray& contents : damaged) {
        env.writeFile(u"config/Ondrix/preferences.sqlite"_s, contents);
        PreferencesStore store(path);
        ASSERT_FALSE(store.movedAsidePath().isEmpty());
        EXPECT_TRUE(store.isPersistent());
        EXPECT_TRUE(store.movedAsidePath().startsWith(path + u".corrupt-"_s));
        QFile aside(store.movedAsidePath());
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), contents);
        store.setInteger(u"k"_s, 3);
        PreferencesStore reopened(path);
        EXPECT_EQ(reopened.integerValue(u"k"_s), 3);
        EXPECT_TRUE(reopened.movedAsidePath().isEmpty());
        QFile::remove(store.movedAsidePath());
    }
}

// Copies of a damaged store go once they were moved aside more than 30 days ago; and a value written over
// leaves no trace in the file (secure_delete), as a password blanked in the store must not.
TEST(PreferencesStore, OldDamagedCopiesGoAndOverwrittenValuesLeaveNoTrace)
{
    TestEnvironment env;
    const QString path = ondrix::AppPaths::preferencesFile();
    const auto stamped = [](int daysAgo) {
        return QDateTime::currentDateTimeUtc().addDays(-daysAgo).toString(u"yyyyMMdd'T'HHmmss'Z'"_s);
    };
    const struct {
        QString suffix;
        bool kept;
    } copies[] = {
        {u".corrupt-"_s + stamped(31), false},
        {u".corrupt-"_s + stamped(31) + u"-1-wal"_s, false},
        {u".corrupt-"_s + stamped(29), true},
        {u".corrupt-unknown"_s, true},
    };
    for (const auto& copy : copies) {
        env.writeFile(u"config/Ondrix/preferences.sqlite"_s + copy.suffix, "old");
    }
    {
        PreferencesStore store(path);
        // Values as large as a connection list live in overflow pages, which a rewrite frees.
        store.setData(u"k"_s, QByteArray(6000, 'x') + "needle-b7Qx-needle");
        store.setData(u"k"_s, QByteArray(6100, 'y'));
    }
    for (const auto& copy : copies) {
        EXPECT_EQ(QFile::exists(path + copy.suffix), copy.kept) << qPrintable(copy.suffix);
    }
    EXPECT_FALSE(QFile::exists(path + u"-wal"_s));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("needle-b7Qx"));
}

// Only damage sets a store aside. A store that merely cannot be opened now (a full disk, a file owned by
// another user, a lock file where SQLite wants its own) stays exactly where it is, so the next start finds
// every connection again.
TEST(PreferencesStore, AStoreThatIsNotDamagedStaysWhereItIs)
{
    TestEnvironment env;
    const QString path = ondrix::AppPaths::preferencesFile();
    const QString folder = QFileInfo(path).absolutePath();
    const auto setAside = [&] {
        return QDir(folder).entryList({u"*.corrupt-*"_s}, QDir::AllEntries | QDir::System);
    };
    {
        PreferencesStore store(path);
        store.setData(u"push_connections"_s, "[{\"name\":\"Studio\"}]");
    }

    // SQLite cannot open its write-ahead log: the folder holds something else by that name.
    ASSERT_TRUE(QDir(folder).mkdir(QFileInfo(path).fileName() + u"-wal"_s));
    {
        PreferencesStore store(path);
        EXPECT_TRUE(store.movedAsidePath().isEmpty());
        EXPECT_FALSE(store.isPersistent());
        EXPECT_TRUE(store.openProblem().contains(path)) << qPrintable(store.openProblem());
    }
    ASSERT_TRUE(QDir(folder).rmdir(QFileInfo(path).fileName() + u"-wal"_s));
    EXPECT_TRUE(setAside().isEmpty()) << qPrintable(setAside().join(u' '));

    // A full disk: no file may grow.
    {
        struct rlimit saved {};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previous = ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit full = saved;
        full.rlim_cur = 0;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
        PreferencesStore store(path);
        const bool movedAside = !store.movedAsidePath().isEmpty();
        const QByteArray read = store.dataValue(u"push_connections"_s);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, previous);
        EXPECT_FALSE(movedAside);
        EXPECT_TRUE(read.isEmpty() || read == "[{\"name\":\"Studio\"}]");
    }
    EXPECT_TRUE(setAside().isEmpty()) << qPrintable(setAside().join(u' '));

    // A database whose tables are not ours is not damaged either; it is not ours to move. A regular file
    // where the folder should be cannot be worked around, not even by root. Either way the application
    // carries on in memory.
    const QString other = folder + u"/other.sqlite"_s;
    runSql(other, "CREATE TABLE preferences (name TEXT);");
    env.writeFile(u"blocked"_s, "not a folder");
    for (const QString& unusable : {other, QString(env.root() + u"/blocked/preferences.sqlite"_s)}) {
        PreferencesStore store(unusable);
        EXPECT_TRUE(store.movedAsidePath().isEmpty());
        EXPECT_FALSE(store.isPersistent());
        store.setRealDictionaryEntry(u"d"_s, u"/a"_s, 1);
        store.setString(u"s"_s, u"kept"_s);
        EXPECT_EQ(store.stringValue(u"s"_s), u"kept"_s);
        EXPECT_EQ(store.realDictionaryValue(u"d"_s)->size(), 1);
    }

    PreferencesStore reopened(path);
    EXPECT_TRUE(reopened.isPersistent());
    EXPECT_TRUE(reopened.openProblem().isEmpty());
    EXPECT_EQ(reopened.dataValue(u"push_connections"_s), "[{\"name\":\"Studio\"}]");
}
