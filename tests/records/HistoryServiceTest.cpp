#include "records/HistoryService.h"

#include "platform/AppPaths.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

using namespace ondrix;
using ondrix::test::readFile;
using ondrix::test::TestEnvironment;

namespace {

HistoryEntry makeEntry(int n, std::optional<QString> error = std::nullopt)
{
    HistoryEntry e;
    e.timestamp = QDateTime(QDate(2025, 3, 1), QTime(12, 0), Qt::UTC).addSecs(n);
    e.filename = QStringLiteral("file%1.jpg").arg(n);
    e.bytes = 1000 + n;
    e.connectionName = QStringLiteral("Photos");
    e.error = std::move(error);
    return e;
}

void settle(HistoryService& history)
{
    QCoreApplication::processEvents();
    history.waitForFileWrites();
}

QJsonArray fileArray(const QString& path)
{
    return QJsonDocument::fromJson(readFile(path)).array();
}

} // namespace

TEST(HistoryService, EntriesAreStoredInTheDocumentedForm)
{
    TestEnvironment env;
    HistoryService history(AppPaths::historyFile());
    EXPECT_EQ(history.filePath(), env.dataHome() + QStringLiteral("/Ondrix/history.json"));
    EXPECT_TRUE(history.entries().isEmpty());
    EXPECT_FALSE(QFile::exists(history.filePath()));

    HistoryEntry plain = makeEntry(0);
    plain.id = QUuid(QStringLiteral("{6f1c0d2e-3b4a-4c5d-8e6f-7a8b9c0d1e2f}"));
    plain.timestamp = QDateTime(QDate(2001, 1, 1), QTime(0, 1, 40, 500), Qt::UTC);
    plain.bytes = 9007199254740993LL; // beyond a double's exact integers
    plain.verifiedBy = QStringLiteral("size");
    HistoryEntry failed = makeEntry(1, QStringLiteral("Login incorrect."));
    failed.direction = TransferDirection::download;
    QSignalSpy changed(&history, &HistoryService::entriesChanged);
    history.add(plain);
    history.add(failed);
    settle(history);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(history.entries(), (QList<HistoryEntry>{failed, plain}));

    const QByteArray bytes = readFile(history.filePath());
    EXPECT_FALSE(bytes.contains('\n')); // compact
    const QJsonArray array = QJsonDocument::fromJson(bytes).array();
    ASSERT_EQ(array.size(), 2);
    const QJsonObject newest = array[0].toObject();
    const QJsonObject oldest = array[1].toObject();
    EXPECT_EQ(newest.value(QStringLiteral("error")).toString(), QStringLiteral("Login incorrect."));
    EXPECT_EQ(newest.value(QStringLiteral("direction")).toString(), QStringLiteral("download"));
    EXPECT_FALSE(oldest.contains(QStringLiteral("error")));
    EXPECT_EQ(oldest.value(QStringLiteral("verifiedBy")).toString(), QStringLiteral("size"));
    EXPECT_EQ(plain.verificationText(), QStringLiteral("size verified"));
    EXPECT_FALSE(newest.contains(QStringLiteral("verifiedBy"))) << "written only when there is one";
    EXPECT_EQ(oldest.value(QStringLiteral("id")).toString(),
              QStringLiteral("6F1C0D2E-3B4A-4C5D-8E6F-7A8B9C0D1E2F"));
    EXPECT_EQ(oldest.value(QStringLiteral("timestamp")).toDouble(), 100.5);
    EXPECT_TRUE(bytes.contains("\"bytes\":9007199254740993"));
    EXPECT_EQ(oldest.value(QStringLiteral("direction")).toString(), QStringLiteral("upload"));

    HistoryService reloaded(AppPaths::historyFile());
    EXPECT_EQ(reloaded.entries(), history.entries());
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
        ASSERT_EQ(history.entries().size(), 500);
        EXPECT_EQ(history.entries().first().filename, QStringLiteral("file500.jpg"));
        EXPECT_EQ(history.entries().last().filename, QStringLiteral("file1.jpg"));
        // Written in several rounds, reusing the entries encoded before: the same bytes as one encoding.
        EXPECT_EQ(readFile(history.filePath()), HistoryService::encode(history.entries()));
        const QJsonArray array = fileArray(history.filePath());
        ASSERT_EQ(array.size(), 500);
        EXPECT_EQ(array.last()[QStringLiteral("filename")].toString(), QStringLiteral("file1.jpg"));

        history.clear();
        settle(history);
        EXPECT_TRUE(history.entries().isEmpty());
        EXPECT_EQ(readFile(history.filePath()), QByteArray("[]"));
    }

    // A longer file from elsewhere loads as its first (newest) 500 and is not rewritten by loading.
    QList<HistoryEntry> six;
    for (int i = 0; i < 600; ++i) {
        six.append(makeEntry(600 - i));
    }
    const QByteArray longFile = HistoryService::encode(six);
    env.writeFile(QStringLiteral("data/Ondrix/history.json"), longFile);
    HistoryService history(AppPaths::historyFile());
    ASSERT_EQ(history.entries().size(), 500);
    EXPECT_EQ(history.entries(), six.mid(0, 500));
    settle(history);
    EXPECT_EQ(readFile(history.filePath()), longFile);
}

TEST(HistoryService, UndecodableFilesAreAnEmptyHistoryUntilTheNextChange)
{
    const QByteArray valid = HistoryService::encode({makeEntry(1), makeEntry(2)});
    QByteArray unknownDirection = valid;
    unknownDirection.replace("\"upload\"", "\"sideways\"");
    QByteArray missingKey = valid;
    missingKey.replace("\"connectionName\"", "\"connection\"");
    QByteArray fractionalBytes = valid;
    fractionalBytes.replace("\"bytes\":1001", "\"bytes\":1001.5");
    QByteArray badId = valid;
    badId.replace("\"id\":\"", "\"id\":\"x");
    QByteArray nullName = valid;
    nullName.replace("\"filename\":\"file1.jpg\"", "\"filename\":null");
    const QByteArray bad[] = {
        unknownDirection,
        missingKey,
        fractionalBytes,
        badId,
        nullName,
        valid.left(valid.size() / 2), // truncated
        QByteArray("{\"entries\":[]}"),
        QByteArray("[1,2]"),
        QByteArray("\x00\xff\xfe garbage", 12),
        QByteArray(),
    };
    for (const QByteArray& contents : bad) {
        TestEnvironment env;
        env.writeFile(QStringLiteral("data/Ondrix/history.json"), contents);
        HistoryService history(AppPaths::historyFile());
        EXPECT_TRUE(history.entries().isEmpty()) << contents.constData();
        EXPECT_EQ(readFile(history.filePath()), contents);
        history.add(makeEntry(7));
        settle(history);
        EXPECT_EQ(fileArray(history.filePath()).size(), 1);
    }

    // An explicit null error is no error.
    QByteArray nullError = valid;
    nullError.replace("\"direction\"", "\"error\":null,\"direction\"");
    const auto decoded = HistoryService::decode(nullError);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_FALSE(decoded->first().error.has_value());
}

TEST(HistoryService, AddsFromWorkerThreadsArriveOnTheOwnerThread)
{
    TestEnvironment env;
    HistoryService history(AppPaths::historyFile());
    QSignalSpy changed(&history, &HistoryService::entriesChanged);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&history, t] {
            for (int i = 0; i < 50; ++i) {
                history.add(makeEntry(t * 100 + i));
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    settle(history);
    EXPECT_EQ(history.entries().size(), 200);
    EXPECT_EQ(changed.count(), 200);
    EXPECT_EQ(HistoryService::decode(readFile(history.filePath())), history.entries());
}

TEST(HistoryService, UnwritableFolderKeepsTheListInMemory)
{
    TestEnvironment env;
    env.writeFile(QStringLiteral("data/Ondrix"), "in the way");
    HistoryService history(AppPaths::historyFile());
    history.add(makeEntry(1));
    history.add(makeEntry(2));
    settle(history);
    EXPECT_EQ(history.entries().size(), 2);
}
