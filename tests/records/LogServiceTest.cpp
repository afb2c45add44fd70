#include "records/LogService.h"

#include "platform/AppPaths.h"
#include "platform/FileName.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <thread>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;
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

// Lets queued deliveries to the main thread run.
void settle(LogService& log)
{
    log.waitForFileWrites();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

// The list keeps the newest hundred; the file and the uncut feed (the headless echo's) get every line, the
// ones cleared away included.
TEST(LogService, KeepsTheNewestHundredButWritesEveryLineInEachThreadsOrder)
{
    TestEnvironment env;
    LogService log(AppPaths::logFile());
    EXPECT_EQ(log.logFilePath(), env.stateHome() + u"/Ondrix/Ondrix.log"_s);
    QSignalSpy changed(&log, &LogService::entriesChanged);
    QStringList added;
    QObject::connect(&log, &LogService::entriesAdded,
                     [&](const QList<LogEntry>& entries) { added += messages(entries); });
    const auto logLines = [&] {
        for (int i = 0; i < 150; ++i) {
            log.log(u"line %1"_s.arg(i), Level::info);
        }
    };
    logLines();
    log.clear();
    log.log(u"line 150"_s, Level::info);
    EXPECT_TRUE(log.entries().isEmpty()) << "delivered asynchronously";
    settle(log);
    EXPECT_EQ(std::pair(added.size(), added.value(150)), std::pair(qsizetype(151), u"line 150"_s));
    logLines();
    settle(log);

    const QStringList shown = messages(log.entries());
    EXPECT_EQ(std::tuple(shown.size(), shown.value(0), shown.value(99), changed.count() > 0),
              std::tuple(qsizetype(100), u"line 50"_s, u"line 149"_s, true));
    const QList<QByteArray> lines = readFile(log.logFilePath()).split('\n').mid(151);
    ASSERT_EQ(lines.size(), 151); // the last line feed leaves an empty tail
    for (int i = 0; i < 150; ++i) {
        EXPECT_TRUE(lines[i].endsWith(QByteArray("] [INFO] line " + QByteArray::number(i))))
            << lines[i].constData();
    }

    constexpr int kThreads = 4, kPerThread = 500;
    std::vector<std::jthread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&log, t] {
            for (int i = 0; i < kPerThread; ++i) {
                log.log(u"t%1 %2"_s.arg(t).arg(i), Level::info);
            }
        });
    }
    threads.clear();
    log.waitForFileWrites();
    int next[kThreads] = {};
    const QList<QByteArray> threadLines = readFile(log.logFilePath()).split('\n').mid(301);
    ASSERT_EQ(threadLines.size(), kThreads * kPerThread + 1);
    for (int l = 0; l < kThreads * kPerThread; ++l) {
        const QByteArray message = threadLines[l].mid(threadLines[l].indexOf("[INFO] ") + 7);
        const int t = message.mid(1, 1).toInt();
        EXPECT_EQ(message, QByteArray("t" + QByteArray::number(t) + " " + QByteArray::number(next[t]++)));
    }

    // A file in the log folder's place loses only the file, not the list.
    QDir(env.stateHome()).removeRecursively();
    env.writeFile(u"state/Ondrix"_s, "in the way");
    LogService blocked(AppPaths::logFile());
    blocked.log(u"still shown"_s, Level::warning);
    settle(blocked);
    EXPECT_EQ(messages(blocked.entries()), QStringList{u"still shown"_s});
}

// Lines have a fixed form; the file stays open between lines, yet a log moved away (rotated) or deleted is
// created again under its name, and a file an older version left readable to others becomes owner-only.
TEST(LogService, LinesHaveTheFixedFormatOnOneLineAndALogMovedAwayStartsAgainUnderItsName)
{
    TestEnvironment env;
    const QString path = env.writeFile(u"state/Ondrix/Ondrix.log"_s, "[old] line\n");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    const auto mode = [&] {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
    };
    const QDateTime at(QDate(2025, 1, 2), QTime(9, 5, 3));
    {
        LogService log(AppPaths::logFile(), [at] { return at; });
        const QUuid photos = QUuid::createUuid();
        log.logFor(photos, u"Photos"_s, u"Queued: a.jpg"_s, Level::warning);
        settle(log);
        EXPECT_EQ(mode(), 0600);
        EXPECT_EQ(std::tuple(log.entries().size(), log.entries().value(0).connectionId,
                             log.entries().value(0).detail),
                  std::tuple(qsizetype(1), photos, u"Queued: a.jpg"_s));
        log.log(u"ok"_s, Level::success);
        log.log(u"err"_s, Level::error);
        log.log(u"two\nlines"_s, Level::info);
    }
    LogService log(AppPaths::logFile(), [at] { return at; });
    const auto write = [&](const QString& message) {
        log.log(message, Level::info);
        log.waitForFileWrites();
    };
    write(u"Grüße"_s);
    const QByteArray written = "[old] line\n"
                               "[2025-01-02 09:05:03] [WARN] [Photos] Queued: a.jpg\n"
                               "[2025-01-02 09:05:03] [OK  ] ok\n"
                               "[2025-01-02 09:05:03] [ERR ] err\n"
                               "[2025-01-02 09:05:03] [INFO] two\\nlines\n"
                               "[2025-01-02 09:05:03] [INFO] Grüße\n";
    EXPECT_EQ(readFile(path), written);
    settle(log);
    EXPECT_EQ(messages(log.entries()), QStringList{u"Grüße"_s}) << "earlier runs never show in the list";

    const QString rotated = path + u".1"_s;
    ASSERT_TRUE(QFile::rename(path, rotated));
    write(u"second"_s);
    ASSERT_TRUE(QFile::remove(path));
    write(u"third"_s);
    write(u"fourth"_s);
    EXPECT_EQ(readFile(rotated), written);
    EXPECT_EQ(readFile(path), "[2025-01-02 09:05:03] [INFO] third\n[2025-01-02 09:05:03] [INFO] fourth\n");
    EXPECT_EQ(mode(), 0600);

    // File names are whatever others made them: a line feed or an escape sequence in one neither forges a
    // line nor reaches a terminal, and a name that is not UTF-8 is shown, not dropped.
    const struct {
        QString message, shown;
    } cases[] = {
        {u"✓ a.jpg\n[2026-01-01 00:00:00] [INFO] forged"_s,
         u"✓ a.jpg\\n[2026-01-01 00:00:00] [INFO] forged"_s},
        {u"x\x1b[2Jy\r\t\x7f"_s + QChar(0x9b), u"x\\x1b[2Jy\\r\\t\\x7f\\x9b"_s},
        {u"caf"_s + FileName::decode("\xe9") + u".jpg"_s, u"caf\\xE9.jpg"_s},
        {u"bad "_s + QChar(0xD800) + u" end"_s, u"bad \\ud800 end"_s},
        {u"txt."_s + QChar(0x202E) + u"gpj"_s, u"txt.\\u202egpj"_s},
        {u"pair "_s + QString::fromUcs4(U"\U0001F600"), u"pair 😀"_s},
    };
    QStringList expected{u"Grüße"_s, u"second"_s, u"third"_s, u"fourth"_s};
    for (const auto& [message, shown] : cases) {
        log.log(message, Level::info);
        expected << shown;
    }
    settle(log);
    EXPECT_EQ(messages(log.entries()), expected);
    EXPECT_EQ(readFile(path).count('\n'), qsizetype(2 + std::size(cases)));
    EXPECT_TRUE(readFile(path).contains("[INFO] caf\\xE9.jpg\n"));
}
