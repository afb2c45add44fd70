#include "supervision/ScheduleSupervisor.h"

#include "model/AppSettings.h"
#include "platform/PowerMonitor.h"
#include "records/LogService.h"
#include "records/NotificationService.h"
#include "supervision/ConnectionsManager.h"
#include "supervision/ScheduleWindow.h"

namespace ondrix {

namespace {

// A timer may fire a little early; looking just after the boundary finds the new hour.
constexpr qint64 kPastBoundaryMs = 500;

} // namespace

ScheduleSupervisor::ScheduleSupervisor(ConnectionsManager& manager, const EngineServices& services,
                                       PowerMonitor* power, Clock clock, QObject* parent)
    : QObject(parent)
    , m_manager(manager)
    , m_services(services)
    , m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ScheduleSupervisor::evaluate);
    // Queued: an edited connection's new engine exists only once the manager has finished the edit.
    connect(&manager, &ConnectionsManager::connectionsChanged, this, &ScheduleSupervisor::evaluate,
            Qt::QueuedConnection);
    if (power != nullptr) {
        connect(power, &PowerMonitor::didWake, this, &ScheduleSupervisor::evaluate, Qt::QueuedConnection);
    }
    evaluate();
}

void ScheduleSupervisor::evaluate()
{
    const QDateTime now = m_clock();
    QSet<QUuid> outside;
    for (const PushConnection& connection : m_manager.connections()) {
        if (!connection.isEnabled || ScheduleWindow(connection).contains(now)) {
            continue;
        }
        outside.insert(connection.id);
        if (!m_outside.contains(connection.id)) {
            m_manager.setHeld(connection.id, PauseReasons::Reason::schedule, true);
            announce(connection, true);
        }
    }
    for (const QUuid& id : std::as_const(m_outside)) {
        if (outside.contains(id)) {
            continue;
        }
        m_manager.setHeld(id, PauseReasons::Reason::schedule, false);
        for (const PushConnection& connection : m_manager.connections()) {
            // A connection switched off or deleted is not "resumed".
            if (connection.id == id && connection.isEnabled) {
                announce(connection, false);
            }
        }
    }
    m_outside = outside;
    m_nextCheck = ScheduleWindow::nextHourBoundary(now);
    m_timer.start(
        int(std::clamp<qint64>(now.msecsTo(m_nextCheck) + kPastBoundaryMs, 0, 3600000 + kPastBoundaryMs)));
}

void ScheduleSupervisor::announce(const PushConnection& connection, bool paused)
{
    const QString hours = ScheduleWindow(connection).hoursText();
    const QString reason = paused ? tr("Paused: outside its scheduled hours (%1)").arg(hours)
                                  : tr("Resumed: within its scheduled hours (%1)").arg(hours);
    if (m_services.log) {
        m_services.log->logFor(connection.id, connection.name, reason, LogEntry::LogLevel::info);
    }
    AppSettings* settings = m_services.settings;
    if (settings && settings->notifySchedulePauseResume() && m_services.notifications) {
        m_services.notifications->notifyStatus(QStringLiteral("schedule-") +
                                                   connection.id.toString(QUuid::WithoutBraces),
                                               paused ? tr("Ondrix: %1 paused").arg(connection.name)
                                                      : tr("Ondrix: %1 resumed").arg(connection.name),
                                               reason, *settings);
    }
}

} // namespace ondrix
