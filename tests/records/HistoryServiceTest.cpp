#include "records/HistoryService.h"

#include "platform/AppPaths.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <thread>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

HistoryEntry makeEntry(int n)
{
    return {.timestamp = QDateTime(QDate(2025, 3, 1), QTime(12, 0), Qt::UTC).addSecs(n),
            .filename = u"file%1.jpg"_s.arg(n),
            .bytes = 1000 + n,
            .connectionName = u"Photos"_s};
}

void settle(HistoryService& history)
{
    QCoreApplication::processEvents();
    history.waitForFileWrites();
}

} // namespace

// The file's form, byte for byte: newest first, compact, seconds since 2001, integers beyond a double's.
// Entries added from worker threads arrive on the owner's thread, one change each.
TEST(HistoryService, EntriesAreStoredInTheDocumentedFormFromAnyThread)
{
    TestEnvironment env;
    HistoryService history(AppPaths::historyFile());
    HistoryEntry plain = makeEntry(0);
    plain.id = QUuid(u"{6f1c0d2e-3b4a-4c5d-8e6f-7a8b9c0d1e2f}"_s);
    plain.timestamp = QDateTime(QDate(2001, 1, 1), QTime(0, 1, 40, 500), Qt::UTC);
    plain.bytes = 9007199254740993LL;
    plain.verifiedBy = u"size"_s;
    HistoryEntry failed = makeEntry(1);
    failed.id = QUuid(u"{00000000-0000-4000-8000-00000000000a}"_s);
    failed.error = u"Login incorrect."_s;
    failed.direction = TransferDirection::download;
    QSignalSpy changed(&history, &HistoryService::entriesChanged);
    history.add(plain);
    history.add(failed);
    settle(history);
    EXPECT_EQ(history.entries(), (QList<HistoryEntry>{failed, plain}));
    EXPECT_EQ(plain.verificationText(), u"size verified"_s);
    EXPECT_EQ(
        readFile(history.filePath()),
        R"([{"bytes":1001,"connectionName":"Photos","direction":"download","error":"Login incorrect.",)"
        R"("filename":"file1.jpg","id":"00000000-0000-4000-8000-00000000000A","timestamp":762523201},)"
        R"({"bytes":9007199254740993,"connectionName":"Photos","direction":"upload","filename":)"
        R"("file0.jpg","id":"6F1C0D2E-3B4A-4C5D-8E6F-7A8B9C0D1E2F","timestamp":100.5,"verifiedBy":"size"}])");
    EXPECT_EQ(HistoryService(AppPaths::historyFile()).entries(), history.entries());

    std::vector<std::jthread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&history, t] {
            for (int i = 0; i < 50; ++i) {
                history.add(makeEntry(t * 100 + i));
            }
        });
    }
    threads.clear();
    settle(history);
    EXPECT_EQ(std::pair(history.entries().size(), changed.count()),
              std::pair(qsizetype(202), qsizetype(202)));
    EXPECT_EQ(HistoryService::decode(readFile(history.filePath())), history.entries());
}

TEST(HistoryService, KeepsTheNewestFiveHundredAndClearsToAnEmptyArray)
{
    TestEnvironment env;
    {
        HistoryService history(AppPaths::historyFile());
        for (int i = 0; i < 501; ++i) {
            history.add(makeEntry(i));
            if (i == 300) {
                settle(history);
            }
        }
        settle(history);
        EXPECT_EQ(std::tuple(history.entries().size(), history.entries().value(0).filename,
                             history.entries().value(499).filename),
                  std::tuple(qsizetype(500), u"file500.jpg"_s, u"file1.jpg"_s));
        EXPECT_EQ(readFile(history.filePath()), HistoryService::encode(history.entries()));
        history.clear();
        settle(history);
        EXPECT_TRUE(history.entries().isEmpty() && readFile(history.filePath()) == "[]");
    }

    // A longer file from elsewhere loads as its first (newest) 500 and is not rewritten by loading.
    QList<HistoryEntry> six;
    for (int i = 0; i < 600; ++i) {
        six.append(makeEntry(600 - i));
    }
    const QByteArray longFile = HistoryService::encode(six);
    env.writeFile(u"data/Ondrix/history.json"_s, longFile);
    HistoryService history(AppPaths::historyFile());
    EXPECT_EQ(history.entries(), six.mid(0, 500));
    settle(history);
    EXPECT_EQ(readFile(history.filePath()), longFile);
}

// A file that does not decode is an empty history, left as it is until the next entry replaces it; an
// unwritable folder keeps the list in memory.
TEST(HistoryService, UndecodableFilesAreAnEmptyHistoryUntilTheNextChange)
{
    const QByteArray valid = HistoryService::encode({makeEntry(1), makeEntry(2)});
    const auto edited = [&](const char* from, const char* to) { return QByteArray(valid).replace(from, to); };
    const QByteArray bad[] = {valid.left(valid.size() / 2),
                              "{\"entries\":[]}",
                              "[1,2]",
                              QByteArray("\x00\xff\xfe garbage", 12),
                              QByteArray(),
                              edited("\"upload\"", "\"sideways\""),
                              edited("\"connectionName\"", "\"connection\""),
                              edited("\"bytes\":1001", "\"bytes\":1001.5"),
                              edited("\"id\":\"", "\"id\":\"x"),
                              edited("\"filename\":\"file1.jpg\"", "\"filename\":null")};
    for (const QByteArray& contents : bad) {
        TestEnvironment env;
        env.writeFile(u"data/Ondrix/history.json"_s, contents);
        HistoryService history(AppPaths::historyFile());
        EXPECT_TRUE(history.entries().isEmpty()) << contents.constData();
        EXPECT_EQ(readFile(history.filePath()), contents);
        history.add(makeEntry(7));
        settle(history);
        EXPECT_EQ(QJsonDocument::fromJson(readFile(history.filePath())).array().size(), 1);
    }
    EXPECT_FALSE(HistoryService::decode(edited("\"direction\"", "\"error\":null,\"direction\""))
                     .value()
                     .first()
                     .error.has_value());

    TestEnvironment env;
    env.writeFile(u"data/Ondrix"_s, "in the way");
    HistoryService history(AppPaths::historyFile());
    history.add(makeEntry(1));
    history.add(makeEntry(2));
    settle(history);
    EXPECT_EQ(history.entries().size(), 2);
}
