// Figures for the tray popover under a burst of progress: five uploads of one connection run at once against
// a loopback FTP server, capped so that each reports progress about ten times a second, first with the
// popover hidden, then shown. Prints the progress reports per second the popover receives, how often it
// brought its job rows up to date, and the longest stretch the main thread was busy in each phase.
//
// Usage: PopoverBench [seconds per phase, default 8]
#include "app/MainThreadBusyProbe.h"
#include "engine/ConnectionEngine.h"
#include "engine/FinderTagService.h"
#include "model/AppSettings.h"
#include "platform/AppPaths.h"
#include "platform/InotifyFileEventSource.h"
#include "platform/PreferencesStore.h"
#include "platform/XattrTagStore.h"
#include "records/HistoryService.h"
#include "records/LogService.h"
#include "records/NotificationService.h"
#include "records/StatsService.h"
#include "supervision/ConnectionsManager.h"
#include "support/FtpTestServer.h"
#include "support/TestEnvironment.h"
#include "ui/popover/MenuBarView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThreadPool>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace ondrix;

namespace {

// Times every event the main thread handles from its event loop (timers, queued calls, repaints): the
// longest of them is the longest the popover could not answer. The dispatcher's wake-up and block signals
// miss timers and queued calls on the Unix and GLib dispatchers, so this counts the deliveries themselves.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (m_depth > 0) {
            return QApplication::notify(receiver, event);
        }
        ++m_depth;
        QElapsedTimer timer;
        timer.start();
        const bool result = QApplication::notify(receiver, event);
        const qint64 ns = timer.nsecsElapsed();
        --m_depth;
        m_longestNs = std::max(m_longestNs, ns);
        m_totalNs += ns;
        ++m_events;
        return result;
    }

    void reset()
    {
        m_longestNs = 0;
        m_totalNs = 0;
        m_events = 0;
    }
    double longestMs() const { return double(m_longestNs) / 1e6; }
    double totalMs() const { return double(m_totalNs) / 1e6; }
    qint64 events() const { return m_events; }

private:
    int m_depth = 0;
    qint64 m_longestNs = 0;
    qint64 m_totalNs = 0;
    qint64 m_events = 0;
};

constexpr int kJobs = 5;
// libcurl sends a capped upload in 64 KiB steps and reports after each: 640 KiB/s is ten reports a second.
constexpr qint64 kCapKBps = 640;

void run(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Phase {
    double reportsPerSecond = 0;
    double refreshesPerSecond = 0;
    double longestEventMs = 0;
    double busyPercent = 0;
    double probeLongestMs = 0;
};

Phase measure(TimedApplication& app, ConnectionEngine& engine, MenuBarView& view, int ms)
{
    int reports = 0;
    const QMetaObject::Connection counting =
        QObject::connect(&engine, &ConnectionEngine::activeJobsChanged, [&] { ++reports; });
    const int refreshesBefore = view.jobRefreshCount();
    MainThreadBusyProbe probe;
    app.reset();
    run(ms);
    QObject::disconnect(counting);
    const double seconds = ms / 1000.0;
    return {reports / seconds, (view.jobRefreshCount() - refreshesBefore) / seconds, app.longestMs(),
            app.totalMs() / ms * 100.0, probe.longestBusyMs()};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TimedApplication app(argc, argv);
    const int phaseMs = (argc > 1 ? std::max(1, std::atoi(argv[1])) : 8) * 1000;

    test::TestEnvironment env;
    test::FtpTestServer server;
    server.start();

    auto store = std::make_unique<PreferencesStore>(AppPaths::preferencesFile());
    AppSettings settings(*store, nullptr);
    LogService log(AppPaths::logFile());
    StatsService stats(*store);
    HistoryService history(AppPaths::historyFile());
    NotificationService notifications(nullptr);
    FinderTagService tags(std::make_shared<XattrTagStore>());
    QThreadPool pool;
    pool.setMaxThreadCount(kJobs + 2);
    EngineServices services;
    services.settings = &settings;
    services.log = &log;
    services.stats = &stats;
    services.history = &history;
    services.store = store.get();
    services.notifications = &notifications;
    services.tags = &tags;
    services.transferPool = &pool;
    services.makeFileEventSource = [] { return std::make_unique<InotifyFileEventSource>(); };

    PushConnection connection = server.connection();
    connection.name = QStringLiteral("Bench");
    connection.isEnabled = true;
    connection.localFolder = env.makeDir(QStringLiteral("watched"));
    connection.simultaneousUploads = kJobs;
    connection.maxBandwidthKBps = kCapKBps;
    auto manager = std::make_unique<ConnectionsManager>(services, nullptr, nullptr);
    manager->addConnection(connection);
    manager->startAll();

    auto view = std::make_unique<MenuBarView>(*manager, settings, stats, history, MenuBarActions{});
    view->resize(360, 500);

    // Big enough that no file is done before both phases are over.
    const qint64 bytes = kCapKBps * 1024 * (2 * phaseMs / 1000 + 10);
    for (int i = 0; i < kJobs; ++i) {
        env.writeFile(QStringLiteral("watched/clip-%1.mov").arg(i), QByteArray(bytes, 'x'));
    }
    ConnectionEngine* engine = manager->engine(connection.id);
    QElapsedTimer waiting;
    waiting.start();
    while (engine->activeJobs().size() < kJobs && waiting.elapsed() < 30000) {
        run(50);
    }
    if (engine->activeJobs().size() < kJobs) {
        std::fprintf(stderr, "the uploads did not start\n");
        return 1;
    }
    run(500);

    const Phase hidden = measure(app, *engine, *view, phaseMs);
    view->show();
    run(200);
    const Phase shown = measure(app, *engine, *view, phaseMs);

    std::printf("%d uploads capped at %lld KiB/s, %d s per phase\n", kJobs, static_cast<long long>(kCapKBps),
                phaseMs / 1000);
    std::printf("%-8s %10s %12s %17s %14s %17s\n", "popover", "reports/s", "refreshes/s", "longest event ms",
                "main busy %", "probe longest ms");
    for (const auto& [name, phase] : {std::pair{"hidden", hidden}, std::pair{"shown", shown}}) {
        std::printf("%-8s %10.1f %12.1f %17.2f %14.2f %17.2f\n", name, phase.reportsPerSecond,
                    phase.refreshesPerSecond, phase.longestEventMs, phase.busyPercent, phase.probeLongestMs);
    }

    view.reset();
    server.stop();
    manager.reset();
    pool.waitForDone();
    return 0;
}
