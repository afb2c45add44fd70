// Figures for the records layer: how long a log call keeps its caller (4 threads logging at once), and what
// recording one upload in the uploaded-file dictionary costs when the dictionary is small and when it is
// full.
#include "platform/PreferencesStore.h"
#include "records/LogService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

using namespace ondrix;
using Clock = std::chrono::steady_clock;

namespace {

struct Summary {
    double median;
    double p90;
    double p99;
    double max;
};

Summary summarise(std::vector<double> ns)
{
    std::sort(ns.begin(), ns.end());
    const auto at = [&](double q) { return ns[std::min(ns.size() - 1, std::size_t(q * double(ns.size())))]; };
    return {at(0.5), at(0.9), at(0.99), ns.back()};
}

void benchLog(const QString& folder)
{
    constexpr int kThreads = 4;
    constexpr int kCalls = 10000;
    LogService log(folder + QStringLiteral("/Ondrix.log"));
    for (int round = 0; round < 5; ++round) {
        std::vector<std::vector<double>> perThread(kThreads);
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                auto& samples = perThread[std::size_t(t)];
                samples.reserve(kCalls / kThreads);
                const QString message = QStringLiteral("[Photos] Uploaded: IMG_%1.jpg (2.4 MB)").arg(t);
                for (int i = 0; i < kCalls / kThreads; ++i) {
                    const auto start = Clock::now();
                    log.log(message, LogEntry::LogLevel::success);
                    samples.push_back(std::chrono::duration<double, std::nano>(Clock::now() - start).count());
                }
            });
        }
        for (auto& thread : threads) {
            thread.join();
        }
        std::vector<double> all;
        for (const auto& samples : perThread) {
            all.insert(all.end(), samples.begin(), samples.end());
        }
        const Summary s = summarise(all);
        std::printf("log, %d calls from %d threads: median %.0f ns, p90 %.0f ns, p99 %.0f ns, max %.0f ns\n",
                    kCalls, kThreads, s.median, s.p90, s.p99, s.max);
        QElapsedTimer drain;
        drain.start();
        log.waitForFileWrites();
        QCoreApplication::processEvents();
        std::printf("    file and list caught up %lld ms after the last call\n", drain.elapsed());
    }
}

void benchDictionary(const QString& folder, int size)
{
    PreferencesStore store(folder + QStringLiteral("/prefs-%1.sqlite").arg(size));
    const QString key = QStringLiteral("ondrix_uploaded_42");
    PreferencesStore::RealDictionary initial;
    for (int i = 0; i < size; ++i) {
        initial.insert(QStringLiteral("/home/user/Pictures/2025/IMG_%1.jpg").arg(i), 1.7e9 + i);
    }
    QElapsedTimer replace;
    replace.start();
    store.setRealDictionary(key, initial);
    const double replaceMs = double(replace.nsecsElapsed()) / 1e6;

    constexpr int kSets = 2000;
    std::vector<double> samples;
    for (int i = 0; i < kSets; ++i) {
        // Half overwrite an existing entry, half add a new one, as uploads of changed and new files do.
        const QString entry = (i % 2) ? QStringLiteral("/home/user/Pictures/2025/IMG_%1.jpg").arg(i % size)
                                      : QStringLiteral("/home/user/Pictures/new/N_%1.jpg").arg(i);
        const auto start = Clock::now();
        store.setRealDictionaryEntry(key, entry, 1.8e9 + i);
        samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    QElapsedTimer reopen;
    reopen.start();
    PreferencesStore second(store.path());
    const double reopenMs = double(reopen.nsecsElapsed()) / 1e6;
    const Summary s = summarise(samples);
    std::printf("opening the store with it (integrity check included): %.1f ms\n", reopenMs);
    std::printf("set one entry of a %5d-entry dictionary: median %.1f us, p90 %.1f us, p99 %.1f us "
                "(replacing the whole dictionary once: %.1f ms)\n",
                size, s.median, s.p90, s.p99, replaceMs);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    benchLog(dir.path());
    benchDictionary(dir.path(), 10);
    benchDictionary(dir.path(), 10000);
    benchDictionary(dir.path(), 10);
    benchDictionary(dir.path(), 10000);
    return 0;
}
