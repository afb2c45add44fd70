#include "app/MainThreadBusyProbe.h"

#include <QAbstractEventDispatcher>
#include <QThread>

namespace ondrix {

MainThreadBusyProbe::MainThreadBusyProbe(QObject* parent)
    : QObject(parent)
{
    m_clock.start();
    // Counting starts now, as if the thread had just woken: start-up work is busy time too.
    m_awakeAtNs = 0;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(QThread::currentThread());
    if (dispatcher == nullptr) {
        return;
    }
    connect(dispatcher, &QAbstractEventDispatcher::awake, this, &MainThreadBusyProbe::awake,
            Qt::DirectConnection);
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &MainThreadBusyProbe::aboutToBlock,
            Qt::DirectConnection);
}

void MainThreadBusyProbe::awake()
{
    // A dispatcher may report several wake-ups before it blocks again; the stretch began at the first.
    if (m_awakeAtNs < 0) {
        m_awakeAtNs = m_clock.nsecsElapsed();
        ++m_wakeUps;
    }
}

void MainThreadBusyProbe::aboutToBlock()
{
    if (m_awakeAtNs >= 0) {
        m_longestNs = std::max(m_longestNs, m_clock.nsecsElapsed() - m_awakeAtNs);
        m_awakeAtNs = -1;
    }
}

} // namespace ondrix
