// Measures the folder watcher under a burst of file creations: how many reach the owner, what the watcher
// costs in CPU, and how long after the last write the last event arrives.
//
//   FolderWatcherBench [files=20000] [--stall-ms N] [--hold-reader] [--new-dirs]
//
// --stall-ms N blocks the main thread for N ms in the middle of the burst, as a busy user interface would.
// --hold-reader also stops the reader thread for that time: what a reader on the main thread would suffer.
// --new-dirs creates the folders during the burst instead of before it.
#include "engine/FolderWatcher.h"
#include "platform/InotifyFileEventSource.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

using namespace ondrix;

namespace {

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

std::string leafDir(const std::string& root, int index)
{
    return root + "/d" + std::to_string(index / 10) + "/e" + std::to_string(index % 10);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int files = 20000;
    int stallMs = 0;
    bool newDirs = false;
    bool holdReader = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--stall-ms") == 0 && i + 1 < argc) {
            stallMs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--hold-reader") == 0) {
            holdReader = true;
        } else if (std::strcmp(argv[i], "--new-dirs") == 0) {
            newDirs = true;
        } else {
            files = std::atoi(argv[i]);
        }
    }
    constexpr int kLeaves = 100; // root / d0..d9 / e0..e9

    QTemporaryDir dir;
    const std::string root = dir.path().toStdString();
    auto makeDirs = [&] {
        for (int d = 0; d < 10; ++d) {
            ::mkdir((root + "/d" + std::to_string(d)).c_str(), 0755);
            for (int e = 0; e < 10; ++e) {
                ::mkdir(leafDir(root, d * 10 + e).c_str(), 0755);
            }
        }
    };
    if (!newDirs) {
        makeDirs();
    }

    auto source = std::make_unique<InotifyFileEventSource>();
    InotifyFileEventSource* reader = source.get();
    FolderWatcher watcher(dir.path(), std::move(source));
    QSet<QString> seen;
    qint64 events = 0;
    qint64 lastEventNs = 0;
    int overflows = 0;
    QElapsedTimer clock;
    clock.start();
    watcher.setOnFileEvent([&](const QString& path, FolderWatcher::FSEventKind) {
        ++events;
        seen.insert(path);
        lastEventNs = clock.nsecsElapsed();
    });
    QObject::connect(&watcher, &FolderWatcher::eventsLost, [&](const QString&) { ++overflows; });
    QElapsedTimer startTimer;
    startTimer.start();
    watcher.start();
    const double startMs = double(startTimer.nsecsElapsed()) / 1e6;
    // The folders below the root are watched by the reader thread; writes begin once they are.
    while (!reader->isTreeWatched()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double treeMs = double(startTimer.nsecsElapsed()) / 1e6;

    const double cpuBefore = processCpuSeconds();
    std::atomic<qint64> lastWriteNs = -1;
    std::atomic<double> writerCpu = 0.0;
    std::atomic_bool halfway = false;
    std::thread writer([&] {
        const double start = threadCpuSeconds();
        if (newDirs) {
            makeDirs();
        }
        char block[1024];
        std::memset(block, 'x', sizeof block);
        for (int i = 0; i < files; ++i) {
            const std::string path = leafDir(root, i % kLeaves) + "/IMG_" + std::to_string(i) + ".jpg";
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd >= 0) {
                [[maybe_unused]] const ssize_t written = ::write(fd, block, sizeof block);
                ::close(fd);
            }
            if (i == files / 2) {
                halfway = true;
            }
        }
        lastWriteNs = clock.nsecsElapsed();
        writerCpu = threadCpuSeconds() - start;
    });

    bool stalled = stallMs == 0;
    QTimer poll;
    qint64 quietSinceEvents = -1;
    qint64 quietSinceNs = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!stalled && halfway) {
            stalled = true;
            reader->setReadingSuspended(holdReader);
            QThread::msleep(stallMs);
            reader->setReadingSuspended(false);
        }
        if (lastWriteNs < 0) {
            return;
        }
        if (events != quietSinceEvents) {
            quietSinceEvents = events;
            quietSinceNs = clock.nsecsElapsed();
        } else if (clock.nsecsElapsed() - quietSinceNs > 2'000'000'000) {
            app.quit();
        }
    });
    poll.start(10);
    app.exec();
    writer.join();
    const double cpu = processCpuSeconds() - cpuBefore - writerCpu;
    watcher.stop();

    std::printf("files written              %d (%s)\n", files,
                newDirs ? "folders created during the burst" : "folders made beforehand");
    std::printf("main-thread stall          %d ms%s\n", stallMs, holdReader ? ", reader held too" : "");
    std::printf("start (root watched)       %.2f ms; whole tree watched after %.2f ms (%d folders)\n",
                startMs, treeMs, newDirs ? 1 : 111);
    std::printf("events delivered           %lld\n", static_cast<long long>(events));
    std::printf("distinct files reported    %lld (missing %lld)\n", static_cast<long long>(seen.size()),
                static_cast<long long>(files - seen.size()));
    std::printf("overflow signals           %d\n", overflows);
    std::printf("watcher CPU                %.3f s (process minus writer thread)\n", cpu);
    std::printf("writer CPU                 %.3f s\n", writerCpu.load());
    std::printf("last write -> last event   %.1f ms\n", double(lastEventNs - lastWriteNs) / 1e6);
    return 0;
}
