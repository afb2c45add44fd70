#include "app/MetricsFile.h"

#include "supervision/StatusSnapshot.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

StatusSnapshot snapshotOf(const QStringList& names)
{
    const QDateTime started = QDateTime::fromSecsSinceEpoch(1700000000);
    StatusSnapshot snapshot{.version = u"1.2.3"_s, .startedAt = started, .takenAt = started.addSecs(60)};
    for (const QString& name : names) {
        snapshot.connections.append({.id = QUuid::createUuid(),
                                     .name = name,
                                     .running = true,
                                     .state = EngineState::paused(),
                                     .pauseReasons = {PauseReasons::Reason::schedule},
                                     .counters = {.uploadedFiles = 20, .failedFiles = 3}});
    }
    return snapshot;
}

} // namespace

// Names with quotes, backslashes, line feeds and non-ASCII letters end up escaped in label values, and the
// whole text passes promtool's checks (types, help, naming, one series per label set).
TEST(MetricsFile, LabelValuesAreEscapedAndTheTextPassesPromtool)
{
    const QStringList names{uR"(Say "cheese")"_s, uR"(C:\drop)"_s, u"two\nlines"_s, u"Bücher"_s};
    const QByteArray text = MetricsFile::encode(snapshotOf(names), true);
    QProcess promtool;
    promtool.setProcessChannelMode(QProcess::MergedChannels);
    promtool.start(u"promtool"_s, {u"check"_s, u"metrics"_s});
    promtool.write(text);
    promtool.closeWriteChannel();
    ASSERT_TRUE(promtool.waitForFinished(20000));
    EXPECT_EQ(promtool.exitCode(), 0) << promtool.readAll().constData() << "\n" << text.constData();
    for (const char* sample :
         {R"(connection="Say \"cheese\"")", R"(connection="C:\\drop")", R"(connection="two\nlines")",
          R"(connection="Bücher")", R"(reason="schedule"} 1)", R"(reason="user"} 0)", R"(state="paused"} 1)",
          "\nondrix_up 1\n"}) {
        EXPECT_TRUE(text.contains(sample)) << sample;
    }
    EXPECT_TRUE(text.startsWith("# HELP ondrix_up ") &&
                MetricsFile::encode(snapshotOf(names), false).contains("\nondrix_up 0\n"));
}

// A reader polling the file as fast as it can while it is rewritten finds it whole every time; a file that
// cannot be written is said once until a write succeeds again.
TEST(MetricsFile, ReadersNeverSeeHalfAFileAndAFailureIsSaidOnce)
{
    TestEnvironment env;
    QStringList names;
    for (int i = 0; i < 60; ++i) {
        names.append(u"connection %1"_s.arg(i));
    }
    const StatusSnapshot snapshot = snapshotOf(names);
    const QByteArray whole = MetricsFile::encode(snapshot, true);
    const qsizetype lines = whole.count('\n');
    const QByteArray lastLine = whole.mid(whole.lastIndexOf('\n', whole.size() - 2) + 1);
    int counter = 0;
    MetricsFile metrics([&] {
        StatusSnapshot changing = snapshot;
        changing.connections[0].counters.uploadedFiles = ++counter;
        return changing;
    });
    const QString path = env.makeDir(u"textfile"_s) + u"/ondrix.prom"_s;
    metrics.setPath(path);

    std::atomic<bool> done = false;
    std::atomic<int> reads = 0, broken = 0;
    std::thread reader([&] {
        while (!done) {
            const QByteArray text = readFile(path); // the file is there from setPath on
            broken += text.count('\n') != lines || !text.endsWith(lastLine) ? 1 : 0;
            ++reads;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    for (int i = 0; i < 400; ++i) {
        ASSERT_TRUE(metrics.write(true));
    }
    done = true;
    reader.join();
    EXPECT_EQ(std::pair(reads > 100, broken.load()), std::pair(true, 0));
    EXPECT_TRUE(QFile::remove(path));

    QSignalSpy problems(&metrics, &MetricsFile::problem);
    metrics.setPath(env.root() + u"/missing/ondrix.prom"_s);
    metrics.write(true);
    metrics.write(true);
    EXPECT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.value(0).value(0).toString().startsWith(
        u"The metrics file %1/missing/ondrix.prom cannot be written: "_s.arg(env.root())));
    metrics.setPath(path);
    EXPECT_TRUE(QFile::exists(path)) << "written at once";
}
