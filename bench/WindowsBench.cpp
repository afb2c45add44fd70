// Whether the log and history windows keep the application answering while a burst of uploads finishes:
// both windows open (the history full with 500 entries, the log with 100 lines), then 1 000 finished files
// arrive from a worker thread, each with one log line and one history entry, as the engines report them.
// Prints the longest stretch the main thread spent without returning to its event loop, with the list models
// gathering changes (as shipped) and updating per change (for comparison).
//
// Run offscreen: QT_QPA_PLATFORM=offscreen WindowsBench [--paced-us N]
#include "app/MainThreadBusyProbe.h"
#include "records/HistoryService.h"
#include "records/LogService.h"
#include "ui/history/HistoryListModel.h"
#include "ui/history/HistoryView.h"
#include "ui/log/LogListModel.h"
#include "ui/log/LogView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <thread>

using namespace ondrix;

namespace {

constexpr int kFiles = 1000;

HistoryEntry historyEntry(int i)
{
    HistoryEntry entry;
    entry.timestamp = QDateTime::currentDateTime();
    entry.filename = QStringLiteral("IMG_%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
    entry.bytes = 2'400'000 + i;
    entry.connectionName = QStringLiteral("Studio");
    if (i % 50 == 0) {
        entry.error = QStringLiteral("Upload failed: connection reset by peer");
    }
    return entry;
}

struct Result {
    double longestMs;
    qint64 wakeUps;
    int logSyncs;
    int historySyncs;
    double settleMs;
};

Result run(const QString& folder, int coalesceMs, int pacedMicroseconds)
{
    // The history file as an earlier run left it: full.
    QList<HistoryEntry> earlier;
    for (int i = 0; i < HistoryService::maxEntries; ++i) {
        earlier.append(historyEntry(-1 - i));
    }
    const QString historyPath =
        folder + QStringLiteral("/history-%1-%2.json").arg(coalesceMs).arg(pacedMicroseconds);
    QFile file(historyPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(HistoryService::encode(earlier)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(historyPath));
        std::exit(1);
    }
    file.close();
    HistoryService history(historyPath);
    LogService log(folder + QStringLiteral("/Ondrix.log"));
    for (int i = 0; i < LogService::maxEntries; ++i) {
        log.log(QStringLiteral("[Studio] Watching %1").arg(i), LogEntry::LogLevel::info);
    }

    LogView logView(log);
    HistoryView historyView(history);
    logView.model()->setCoalesceMs(coalesceMs);
    historyView.model()->setCoalesceMs(coalesceMs);
    logView.resize(600, 400);
    historyView.resize(800, 500);
    logView.show();
    historyView.show();
    QTest::qWait(300); // shown, laid out, painted, the log's first lines in
    const int logSyncsBefore = logView.model()->syncCount();
    const int historySyncsBefore = historyView.model()->syncCount();

    MainThreadBusyProbe probe;
    // A second witness: the longest gap between ticks of a 1 ms timer.
    QElapsedTimer tickClock;
    tickClock.start();
    qint64 lastTick = 0;
    qint64 longestGapNs = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = tickClock.nsecsElapsed();
        longestGapNs = std::max(longestGapNs, now - lastTick);
        lastTick = now;
    });
    heartbeat.start(1);
    QElapsedTimer settle;
    settle.start();
    std::thread engines([&] {
        for (int i = 0; i < kFiles; ++i) {
            const HistoryEntry entry = historyEntry(i);
            log.log(QStringLiteral("[Studio] Uploaded: %1 (2.4 MB)").arg(entry.filename),
                    entry.error ? LogEntry::LogLevel::error : LogEntry::LogLevel::success);
            history.add(entry);
            if (pacedMicroseconds > 0) {
                std::this_thread::sleep_for(std::chrono::microseconds(pacedMicroseconds));
            }
        }
    });
    const QString last = historyEntry(kFiles - 1).filename;
    // A real event loop (not QTest's polling wait), so the probe sees the dispatcher block and wake.
    QEventLoop loop;
    QTimer poll;
    bool settled = false;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        settled = historyView.model()->rowCount() > 0 && historyView.model()->entryAt(0).filename == last &&
                  logView.model()->entries() == log.entries() &&
                  log.entries().size() == LogService::maxEntries &&
                  log.entries().constLast().message.contains(last);
        if (settled || settle.elapsed() > 60000) {
            loop.quit();
        }
    });
    poll.start(5);
    loop.exec();
    const double settleMs = double(settle.nsecsElapsed()) / 1e6;
    engines.join();
    if (!settled) {
        std::fprintf(stderr, "the windows did not catch up within a minute\n");
        std::exit(1);
    }
    QTest::qWait(200);
    std::printf("    (longest gap between 1 ms timer ticks: %.1f ms)\n", double(longestGapNs) / 1e6);
    return {probe.longestBusyMs(), probe.wakeUps(), logView.model()->syncCount() - logSyncsBefore,
            historyView.model()->syncCount() - historySyncsBefore, settleMs};
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    int paced = 0;
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype at = arguments.indexOf(QStringLiteral("--paced-us"));
    if (at >= 0 && at + 1 < arguments.size()) {
        paced = arguments.at(at + 1).toInt();
    }
    QTemporaryDir folder;
    std::printf("%d finished files with log and history windows open (history full, log full), %s\n", kFiles,
                paced > 0 ? qPrintable(QStringLiteral("one every %1 us").arg(paced)) : "all at once");
    for (int coalesceMs : {LogListModel::kDefaultCoalesceMs, 0}) {
        const Result r = run(folder.path(), coalesceMs, paced);
        std::printf(
            "  models gathering changes for %3d ms: longest main-thread stretch %7.1f ms, %lld wake-ups, "
            "log rows updated %d times, history rows %d times, windows current after %.0f ms\n",
            coalesceMs, r.longestMs, static_cast<long long>(r.wakeUps), r.logSyncs, r.historySyncs,
            r.settleMs);
    }
    return 0;
}
