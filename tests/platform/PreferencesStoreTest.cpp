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

#include <csignal>
#include <future>
#include <thread>

using namespace Qt::StringLiterals;

using ondrix::PreferencesStore;
using Dictionary = PreferencesStore::RealDictionary;
using ondrix::test::TestEnvironment;

namespace {

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
    EXPECT_EQ(path, env.configHome() + u"/Ondrix/preferences.sqlite"_s);
    const QByteArray binary("\x00\x01\xff{json}", 8);
    const Dictionary dictionary{{u"/a b"_s, 1.5}, {u"/c"_s, 2}};
    {
        PreferencesStore store(path);
        store.setBool(u"b"_s, true);
        store.setInteger(u"i"_s, -9007199254740993LL);
        store.setDouble(u"d"_s, 0.1);
        store.setString(u"s"_s, u"Grüße 🌍"_s);
        store.setData(u"data"_s, binary);
        store.setStringList(u"list"_s, {u"de"_s, u"a\"b"_s});
        store.setRealDictionary(u"dict"_s, dictionary);
        for (const QString& file : {path, QString(path + u"-wal"_s)})
            EXPECT_EQ(int(QFile::permissions(file)), 0x6600) << qPrintable(file); // rw for the owner only
    }
    // Values a provisioning script writes with SQL, as documented, read like the store's own.
    runSql(path,
           "INSERT INTO preferences (key, type, value) VALUES ('AppleLanguages', 'stringList', '[\"fr\"]'),"
           " ('push_connections', 'data', CAST('[]' AS BLOB)), ('play_sound', 'bool', 0);"
           "INSERT INTO dictionary_entries (key, entry, value) VALUES ('ondrix_uploaded_9', '/p', 12.5);");
    PreferencesStore store(path);
    EXPECT_EQ(store.stringListValue(u"AppleLanguages"_s), QStringList{u"fr"_s});
    EXPECT_EQ(store.dataValue(u"push_connections"_s), QByteArray("[]"));
    EXPECT_EQ(store.stringValue(u"play_sound"_s), u"0"_s);
    EXPECT_EQ(store.realDictionaryValue(u"ondrix_uploaded_9"_s), (Dictionary{{u"/p"_s, 12.5}}));
    EXPECT_TRUE(store.boolValue(u"b"_s));
    EXPECT_EQ(store.integerValue(u"i"_s), -9007199254740993LL);
    EXPECT_EQ(store.doubleValue(u"d"_s), 0.1);
    EXPECT_EQ(store.stringValue(u"s"_s), u"Grüße 🌍"_s);
    EXPECT_EQ(store.dataValue(u"data"_s), binary);
    EXPECT_EQ(store.stringListValue(u"list"_s), (QStringList{"de", "a\"b"}));
    EXPECT_EQ(store.realDictionaryValue(u"dict"_s), dictionary);
    store.remove(u"s"_s);
    EXPECT_FALSE(store.contains(u"s"_s));

    // A value of one type read as another follows the user-defaults rules.
    store.setInteger(u"int7"_s, 7);
    EXPECT_TRUE(store.boolValue(u"int7"_s));
    EXPECT_EQ(store.doubleValue(u"int7"_s), 7.0);
    EXPECT_EQ(store.stringValue(u"int7"_s), u"7"_s);
    store.setDouble(u"real"_s, -2.9);
    EXPECT_EQ(store.integerValue(u"real"_s), -2);
    EXPECT_TRUE(store.boolValue(u"real"_s));
    store.setDouble(u"huge"_s, 1e300);
    EXPECT_EQ(store.integerValue(u"huge"_s), std::numeric_limits<qint64>::max());
    store.setBool(u"bool"_s, true);
    EXPECT_EQ(store.stringValue(u"bool"_s), u"1"_s);
    const std::tuple<const char*, bool, qint64, double> strings[] = {
        {"YES", true, 0, 0},
        {"no", false, 0, 0},
        {"  0012abc", true, 12, 12},
        {"-3.75e1x", true, -3, -37.5},
        {"000", false, 0, 0},
        {".5", false, 0, 0.5},
        {"99999999999999999999", true, std::numeric_limits<qint64>::max(), 1e20}};
    for (const auto& [text, asBool, asInteger, asDouble] : strings) {
        store.setString(u"text"_s, QString::fromLatin1(text));
        EXPECT_EQ(store.boolValue(u"text"_s), asBool) << text;
        EXPECT_EQ(store.integerValue(u"text"_s), asInteger) << text;
        EXPECT_DOUBLE_EQ(store.doubleValue(u"text"_s), asDouble) << text;
    }
    store.setString(u"empty"_s, QString());
    EXPECT_TRUE(store.stringValue(u"empty"_s).isEmpty() && !store.stringValue(u"empty"_s).isNull());

    // Containers and data never read as scalars, and scalars never as containers.
    store.setData(u"data"_s, "1");
    EXPECT_FALSE(store.boolValue(u"data"_s));
    EXPECT_TRUE(store.stringValue(u"data"_s).isNull());
    EXPECT_TRUE(store.stringListValue(u"int7"_s).isEmpty());
    EXPECT_TRUE(store.dataValue(u"text"_s).isEmpty());
    EXPECT_FALSE(store.realDictionaryValue(u"int7"_s).has_value());
    store.setRealDictionary(u"dict"_s, {});
    EXPECT_EQ(store.integerValue(u"dict"_s), 0);
    EXPECT_TRUE(store.contains(u"dict"_s));

    // Entries are set and removed one by one; replacing the whole dictionary drops those not in the new one.
    const QString key = u"ondrix_uploaded_1"_s;
    store.setRealDictionaryEntry(key, u"/x"_s, 10);
    store.setRealDictionaryEntry(key, u"/y"_s, 20);
    store.setRealDictionaryEntry(key, u"/x"_s, 11);
    EXPECT_EQ(store.realDictionaryValue(key), (Dictionary{{u"/x"_s, 11}, {u"/y"_s, 20}}));
    store.removeRealDictionaryEntry(key, u"/x"_s);
    store.removeRealDictionaryEntry(key, u"/absent"_s);
    store.removeRealDictionaryEntry(key, u"/y"_s);
    EXPECT_EQ(store.realDictionaryValue(key), Dictionary{});
    store.setRealDictionaryEntry(key, u"/old"_s, 1);
    store.setRealDictionary(key, {{u"/new"_s, 2}});
    EXPECT_EQ(store.realDictionaryValue(key), (Dictionary{{u"/new"_s, 2}}));
    // Another type stored under the key takes the entries with it; a new entry starts a fresh dictionary.
    store.setString(key, u"text"_s);
    EXPECT_FALSE(store.realDictionaryValue(key).has_value());
    store.setRealDictionaryEntry(key, u"/z"_s, 3);
    EXPECT_EQ(store.realDictionaryValue(key), (Dictionary{{u"/z"_s, 3}}));
    EXPECT_TRUE(store.stringValue(key).isNull());
}

// Values written in one group appear together, a nested one joining it. A thread's own connection closes
// with the thread; the main thread reads on, seeing older values, while another thread holds a write open.
TEST(PreferencesStore, ValuesWrittenTogetherAppearTogetherAndNoReadWaitsForThem)
{
    TestEnvironment env;
    const QString path = ondrix::AppPaths::preferencesFile();
    PreferencesStore writer(path);
    PreferencesStore reader(path);
    writer.writeTogether([&] {
        writer.setInteger(u"total_files"_s, 7);
        EXPECT_EQ(writer.integerValue(u"total_files"_s), 7);
        EXPECT_FALSE(reader.contains(u"total_files"_s));
        writer.writeTogether([&] { writer.setString(u"current_day"_s, u"d"_s); });
        writer.setRealDictionary(u"record"_s, {{u"/a"_s, 1.0}});
        writer.setRealDictionaryEntry(u"record"_s, u"/b"_s, 2.0);
        EXPECT_FALSE(reader.contains(u"current_day"_s));
    });
    EXPECT_EQ(reader.integerValue(u"total_files"_s), 7);
    EXPECT_EQ(reader.stringValue(u"current_day"_s), u"d"_s);
    EXPECT_EQ(reader.realDictionaryValue(u"record"_s), (Dictionary{{u"/a"_s, 1.0}, {u"/b"_s, 2.0}}));
    // Single writes after a group are their own transactions again, seen at once by the other instance.
    reader.setRealDictionaryEntry(u"record"_s, u"/c"_s, 3);
    EXPECT_EQ(writer.realDictionaryValue(u"record"_s)->value(u"/c"_s), 3);

    const auto openFiles = [&] {
        const QFileInfoList fds = QDir(u"/proc/self/fd"_s).entryInfoList(QDir::System);
        return std::count_if(fds.begin(), fds.end(),
                             [&](const QFileInfo& fd) { return fd.symLinkTarget() == path; });
    };
    const auto before = openFiles();
    std::promise<void> writing;
    std::promise<void> readDone;
    bool releasedByReader = false;
    std::thread thread([&] {
        writer.writeTogether([&] {
            writer.setInteger(u"total_files"_s, 8);
            writing.set_value();
            releasedByReader =
                readDone.get_future().wait_for(std::chrono::seconds(30)) == std::future_status::ready;
        });
    });
    writing.get_future().wait();
    EXPECT_EQ(writer.integerValue(u"total_files"_s), 7);
    readDone.set_value();
    thread.join();
    EXPECT_TRUE(releasedByReader) << "the read waited for the write";
    EXPECT_EQ(reader.integerValue(u"total_files"_s), 8);
    EXPECT_EQ(openFiles(), before);
}

// A damaged file is kept aside with a timestamp, copies older than 30 days go, fresh preferences persist and
// an overwritten value (a blanked password) leaves no trace. A store that merely cannot be opened now (full
// disk, a lock file where SQLite wants its own, a foreign database) stays where it is, so the next start
// finds every connection again.
TEST(PreferencesStore, OnlyDamagedFilesAreMovedAsideAndOldCopiesAndOverwrittenValuesGo)
{
    TestEnvironment env;
    const QString path = ondrix::AppPaths::preferencesFile();
    const auto stamped = [](int daysAgo) -> QString {
        return u".corrupt-"_s +
               QDateTime::currentDateTimeUtc().addDays(-daysAgo).toString(u"yyyyMMdd'T'HHmmss'Z'"_s);
    };
    const std::pair<QString, bool> copies[] = {{stamped(31), false},
                                               {stamped(31) + u"-1-wal"_s, false},
                                               {stamped(29), true},
                                               {u".corrupt-unknown"_s, true}};
    for (const auto& [suffix, kept] : copies) {
        env.writeFile(u"config/Ondrix/preferences.sqlite"_s + suffix, "old");
    }
    const QByteArray damaged[] = {"this is not a database, just text\n",
                                  QByteArray("SQLite format 3\0", 16) + QByteArray(8192, '\x5a')};
    for (const QByteArray& contents : damaged) {
        env.writeFile(u"config/Ondrix/preferences.sqlite"_s, contents);
        PreferencesStore store(path);
        EXPECT_TRUE(store.movedAsidePath().startsWith(path + u".corrupt-"_s))
            << qPrintable(store.movedAsidePath());
        EXPECT_EQ(ondrix::test::readFile(store.movedAsidePath()), contents);
        // Values as large as a connection list live in overflow pages, which a rewrite frees.
        store.setData(u"k"_s, QByteArray(6000, 'x') + "needle-b7Qx-needle");
        store.setData(u"k"_s, QByteArray(6100, 'y'));
        PreferencesStore reopened(path);
        EXPECT_EQ(reopened.dataValue(u"k"_s), QByteArray(6100, 'y'));
        EXPECT_TRUE(reopened.movedAsidePath().isEmpty());
        QFile::remove(store.movedAsidePath());
    }
    for (const auto& [suffix, kept] : copies) {
        EXPECT_EQ(QFile::exists(path + suffix), kept) << qPrintable(suffix);
    }
    EXPECT_FALSE(QFile::exists(path + u"-wal"_s));
    EXPECT_FALSE(ondrix::test::readFile(path).contains("needle-b7Qx"));

    const QString folder = QFileInfo(path).absolutePath();
    PreferencesStore(path).setData(u"push_connections"_s, "[{\"name\":\"Studio\"}]");

    // SQLite cannot open its write-ahead log: the folder holds something else by that name.
    ASSERT_TRUE(QDir(folder).mkdir(QFileInfo(path).fileName() + u"-wal"_s));
    {
        PreferencesStore store(path);
        EXPECT_FALSE(store.isPersistent());
        EXPECT_TRUE(store.openProblem().contains(path)) << qPrintable(store.openProblem());
    }
    ASSERT_TRUE(QDir(folder).rmdir(QFileInfo(path).fileName() + u"-wal"_s));

    // A full disk: no file may grow.
    {
        struct rlimit saved {};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previous = ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit full = saved;
        full.rlim_cur = 0;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
        const QByteArray read = PreferencesStore(path).dataValue(u"push_connections"_s);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, previous);
        EXPECT_TRUE(read.isEmpty() || read == "[{\"name\":\"Studio\"}]");
    }

    // Neither a database with tables not ours nor a file where the folder should be is moved: the
    // application carries on in memory.
    const QString other = folder + u"/other.sqlite"_s;
    runSql(other, "CREATE TABLE preferences (name TEXT);");
    env.writeFile(u"blocked"_s, "not a folder");
    for (const QString& unusable : {other, QString(env.root() + u"/blocked/preferences.sqlite"_s)}) {
        PreferencesStore store(unusable);
        EXPECT_TRUE(store.movedAsidePath().isEmpty());
        EXPECT_FALSE(store.isPersistent());
        store.setRealDictionaryEntry(u"d"_s, u"/a"_s, 1);
        EXPECT_EQ(store.realDictionaryValue(u"d"_s), (Dictionary{{u"/a"_s, 1}}));
    }
    EXPECT_EQ(QDir(folder).entryList({u"*.corrupt-*"_s}, QDir::AllEntries | QDir::System).size(), 2);

    PreferencesStore reopened(path);
    EXPECT_TRUE(reopened.isPersistent());
    EXPECT_TRUE(reopened.openProblem().isEmpty());
    EXPECT_EQ(reopened.dataValue(u"push_connections"_s), "[{\"name\":\"Studio\"}]");
}
