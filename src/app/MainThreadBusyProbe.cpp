#include "app/MainThreadBusyProbe.h"

#include <QAbstractEventDispatcher>
#include <QThread>

#include <glib.h>

namespace ondrix {

// GLib's default main context is the main thread's under Qt; its poll function is the one place every wait
// of that thread goes through.
struct MainThreadBusyProbe::GlibHook {
    static inline MainThreadBusyProbe* probe = nullptr;
    static inline GPollFunc original = nullptr;

    static gint poll(GPollFD* fds, guint count, gint timeout)
    {
        if (probe != nullptr) {
            probe->aboutToBlock();
        }
        const gint result = original(fds, count, timeout);
        if (probe != nullptr) {
            probe->awake();
        }
        return result;
    }
};

MainThreadBusyProbe::MainThreadBusyProbe(QObject* parent)
    : MainThreadBusyProbe(Clock(), parent)
{}

MainThreadBusyProbe::MainThreadBusyProbe(Clock clock, QObject* parent)
    : QObject(parent)
    , m_clock(std::move(clock))
{
    if (!m_clock) {
        auto elapsed = std::make_shared<QElapsedTimer>();
        elapsed->start();
        m_clock = [elapsed] { return elapsed->nsecsElapsed(); };
    }
    // Counting starts now, as if the thread had just woken: start-up work is busy time too.
    m_awakeAtNs = m_clock();
    m_wakeUps = 1;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(QThread::currentThread());
    if (dispatcher == nullptr) {
        return;
    }
    if (dispatcher->inherits("QEventDispatcherGlib") && GlibHook::probe == nullptr) {
        GMainContext* context = g_main_context_default();
        GlibHook::original = g_main_context_get_poll_func(context);
        GlibHook::probe = this;
        g_main_context_set_poll_func(context, &GlibHook::poll);
        m_watchesPoll = true;
        return;
    }
    connect(dispatcher, &QAbstractEventDispatcher::awake, this, &MainThreadBusyProbe::awake,
            Qt::DirectConnection);
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &MainThreadBusyProbe::aboutToBlock,
            Qt::DirectConnection);
}

MainThreadBusyProbe::~MainThreadBusyProbe()
{
    if (m_watchesPoll) {
        g_main_context_set_poll_func(g_main_context_default(), GlibHook::original);
        GlibHook::probe = nullptr;
    }
}

void MainThreadBusyProbe::awake()
{
    // A dispatcher may report several wake-ups before it blocks again; the stretch began at the first.
    if (m_awakeAtNs < 0) {
        m_awakeAtNs = m_clock();
        ++m_wakeUps;
    }
}

void MainThreadBusyProbe::aboutToBlock()
{
    if (m_awakeAtNs >= 0) {
        m_longestNs = std::max(m_longestNs, m_clock() - m_awakeAtNs);
        m_awakeAtNs = -1;
    }
}

} // namespace ondrix
