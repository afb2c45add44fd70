#include "records/LogService.h"

#include "platform/AppPaths.h"
#include "platform/FileName.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <thread>

using namespace ondrix;
using ondrix::test::readFile;
using ondrix::test::TestEnvironment;
using Level = LogEntry::LogLevel;

namespace {

QStringList messages(const QList<LogEntry>& entries)
{
    QStringList out;
    for (const LogEntry& e : entries) {
        out.append(e.message);
    }
    return out;
}

int modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// Lets queued deliveries to the main thread run.
void settle(LogService& log)
{
    log.waitForFileWrites();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

TEST(LogService, KeepsTheNewestHundredButWritesEveryLine)
{
    TestEnvironment env;
    LogService log(AppPaths::logFile());
    EXPECT_EQ(log.logFilePath(), env.stateHome() + QStringLiteral("/Ondrix/Ondrix.log"));
    QSignalSpy changed(&log, &LogService::entriesChanged);
    QStringList added;
    QObject::connect(&log, &LogService::entriesAdded,
                     [&](const QList<LogEntry>& entries) { added += messages(entries); });
    for (int i = 0; i < 150; ++i) {
        log.log(QStringLiteral("line %1").arg(i), Level::info);
    }
    log.clear();
    log.log(QStringLiteral("line 150"), Level::info);
    EXPECT_TRUE(log.entries().isEmpty()); // delivered asynchronously
    settle(log);
    // The uncut feed (the headless echo's) has every line, the ones cleared away included.
    ASSERT_EQ(added.size(), 151);
    EXPECT_EQ(added.first(), QStringLiteral("line 0"));
    EXPECT_EQ(added.last(), QStringLiteral("line 150"));
    for (int i = 0; i < 150; ++i) {
        log.log(QStringLiteral("line %1").arg(i), Level::info);
    }
    settle(log);

    ASSERT_EQ(log.entries().size(), 100);
    EXPECT_EQ(log.entries().first().message, QStringLiteral("line 50"));
    EXPECT_EQ(log.entries().last().message, QStringLiteral("line 149"));
    EXPECT_GE(changed.count(), 1);
    QSet<QUuid> ids;
    for (const LogEntry& e : log.entries()) {
        ids.insert(e.id);
    }
    EXPECT_EQ(ids.size(), 100);

    const QList<QByteArray> lines = readFile(log.logFilePath()).split('\n').mid(151);
    ASSERT_EQ(lines.size(), 151); // the last line feed leaves an empty tail
    for (int i = 0; i < 150; ++i) {
        EXPECT_TRUE(lines[i].endsWith(QByteArray(QByteArray("] [INFO] line ") + QByteArray::number(i))))
            << lines[i].constData();
    }
}

TEST(LogService, LinesHaveTheFixedFormat)
{
    TestEnvironment env;
    const QDateTime at(QDate(2025, 1, 2), QTime(9, 5, 3));
    {
        LogService log(AppPaths::logFile(), [at] { return at; });
        const QUuid photos = QUuid::createUuid();
        log.logFor(photos, QStringLiteral("Photos"), QStringLiteral("Queued: a.jpg"), Level::warning);
        settle(log);
        // The first line creates the file with exactly its bytes; the entry keeps its connection apart.
        EXPECT_EQ(readFile(log.logFilePath()),
                  QByteArray("[2025-01-02 09:05:03] [WARN] [Photos] Queued: a.jpg\n"));
        ASSERT_EQ(log.entries().size(), 1);
        EXPECT_EQ(log.entries()[0].connectionId, photos);
        EXPECT_EQ(log.entries()[0].detail, QStringLiteral("Queued: a.jpg"));
        log.log(QStringLiteral("ok"), Level::success);
        log.log(QStringLiteral("err"), Level::error);
        log.log(QStringLiteral("two\nlines"), Level::info);
    }
    // Destruction writes what is still pending; a second run appends to the same file.
    LogService again(AppPaths::logFile(), [at] { return at; });
    again.log(QStringLiteral("Grüße"), Level::info);
    again.waitForFileWrites();
    EXPECT_EQ(readFile(again.logFilePath()),
              QByteArray("[2025-01-02 09:05:03] [WARN] [Photos] Queued: a.jpg\n"
                         "[2025-01-02 09:05:03] [OK  ] ok\n"
                         "[2025-01-02 09:05:03] [ERR ] err\n"
                         "[2025-01-02 09:05:03] [INFO] two\\nlines\n"
                         "[2025-01-02 09:05:03] [INFO] Grüße\n"));
    // Earlier runs never show up in the list.
    settle(again);
    EXPECT_EQ(messages(again.entries()), QStringList{QStringLiteral("Grüße")});
}

// The file stays open between lines, yet a log moved away (rotated) or deleted is created again under its
// name, and a file an older version left readable to others becomes owner-only.
TEST(LogService, ALogMovedAwayOrDeletedStartsAgainUnderItsName)
{
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("state/Ondrix/Ondrix.log"), "[old] line\n");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    const QDateTime at(QDate(2025, 1, 2), QTime(9, 5, 3));
    LogService log(AppPaths::logFile(), [at] { return at; });
    ASSERT_EQ(log.logFilePath(), path);
    const auto write = [&](const QString& message) {
        log.log(message, Level::info);
        log.waitForFileWrites();
    };
    write(QStringLiteral("first"));
    EXPECT_EQ(modeOf(path), 0600);

    const QString rotated = path + QStringLiteral(".1");
    ASSERT_TRUE(QFile::rename(path, rotated));
    write(QStringLiteral("second"));
    ASSERT_TRUE(QFile::remove(path));
    write(QStringLiteral("third"));
    write(QStringLiteral("fourth"));

    EXPECT_EQ(readFile(rotated), QByteArray("[old] line\n[2025-01-02 09:05:03] [INFO] first\n"));
    EXPECT_EQ(readFile(path), QByteArray("[2025-01-02 09:05:03] [INFO] third\n"
                                         "[2025-01-02 09:05:03] [INFO] fourth\n"));
    EXPECT_EQ(modeOf(path), 0600);
}

// File names are whatever others made them: a line feed or an escape sequence in one neither forges a line
// nor reaches a terminal, and a name that is not UTF-8 is shown, not dropped.
TEST(LogService, NamesAreShownEscapedOnOneLine)
{
    TestEnvironment env;
    LogService log(AppPaths::logFile());
    const struct {
        QString message;
        QString shown;
    } cases[] = {
        {QStringLiteral("✓ a.jpg\n[2026-01-01 00:00:00] [INFO] forged"),
         QStringLiteral("✓ a.jpg\\n[2026-01-01 00:00:00] [INFO] forged")},
        {QStringLiteral("x\x1b[2Jy\r\t\x7f") + QChar(0x9b), QStringLiteral("x\\x1b[2Jy\\r\\t\\x7f\\x9b")},
        {QStringLiteral("caf") + FileName::decode("\xe9") + QStringLiteral(".jpg"),
         QStringLiteral("caf\\xE9.jpg")},
        {QStringLiteral("bad ") + QChar(0xD800) + QStringLiteral(" end"), QStringLiteral("bad \\ud800 end")},
        {QStringLiteral("txt.") + QChar(0x202E) + QStringLiteral("gpj"), QStringLiteral("txt.\\u202egpj")},
        {QStringLiteral("pair ") + QString::fromUcs4(U"\U0001F600"), QStringLiteral("pair 😀")},
    };
    QStringList expected;
    for (const auto& [message, shown] : cases) {
        log.log(message, Level::info);
        expected << shown;
    }
    settle(log);
    EXPECT_EQ(messages(log.entries()), expected);
    const QByteArray file = readFile(log.logFilePath());
    EXPECT_EQ(file.count('\n'), qsizetype(std::size(cases)));
    EXPECT_TRUE(file.contains("[INFO] caf\\xE9.jpg\n"));
}

TEST(LogService, UnwritableFolderLosesOnlyTheFile)
{
    TestEnvironment env;
    // A regular file where the log folder belongs: no one can create the log below it.
    env.writeFile(QStringLiteral("state/Ondrix"), "in the way");
    LogService log(AppPaths::logFile());
    log.log(QStringLiteral("still shown"), Level::warning);
    settle(log);
    EXPECT_EQ(messages(log.entries()), QStringList{QStringLiteral("still shown")});
}

TEST(LogService, ConcurrentCallersKeepTheirOrderInTheFile)
{
    TestEnvironment env;
    LogService log(AppPaths::logFile());
    constexpr int kThreads = 4;
    constexpr int kPerThread = 500;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&log, t] {
            for (int i = 0; i < kPerThread; ++i) {
                log.log(QStringLiteral("t%1 %2").arg(t).arg(i), Level::info);
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    settle(log);
    EXPECT_EQ(log.entries().size(), LogService::maxEntries);

    int next[kThreads] = {};
    const QList<QByteArray> lines = readFile(log.logFilePath()).split('\n');
    ASSERT_EQ(lines.size(), kThreads * kPerThread + 1);
    for (int l = 0; l < kThreads * kPerThread; ++l) {
        const QByteArray message = lines[l].mid(lines[l].indexOf("[INFO] ") + 7);
        const int t = message.mid(1, 1).toInt();
        EXPECT_EQ(message, QByteArray("t" + QByteArray::number(t) + " " + QByteArray::number(next[t])));
        ++next[t];
    }
}
