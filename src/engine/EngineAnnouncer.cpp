#include "engine/EngineAnnouncer.h"

#include "model/AppSettings.h"
#include "platform/SoundPlayer.h"
#include "records/LogService.h"
#include "records/NotificationService.h"

namespace ondrix {

EngineAnnouncer::EngineAnnouncer(const PushConnection& connection, const EngineServices& services,
                                 QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_connectionId(connection.id)
    , m_name(connection.name)
    , m_failureNotices(services.notifications, services.settings)
{
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(int(kDefaultFlushDelayMs));
    connect(&m_flushTimer, &QTimer::timeout, this, &EngineAnnouncer::flush);
}

void EngineAnnouncer::log(const QString& message, LogEntry::LogLevel level, const QString& file) const
{
    if (m_services.log) {
        m_services.log->logFor(m_connectionId, m_name, message, level, file);
    }
}

void EngineAnnouncer::uploaded(const QString& name, qint64 bytes)
{
    m_gathered.append({name, bytes});
    const int threshold = m_services.settings ? m_services.settings->notifyMinFileCount() : 1;
    if (m_gathered.size() >= threshold) {
        flush();
    }
}

void EngineAnnouncer::waitForMore()
{
    if (!m_gathered.isEmpty()) {
        m_flushTimer.start();
    }
}

void EngineAnnouncer::flush()
{
    m_flushTimer.stop();
    if (m_gathered.isEmpty()) {
        return;
    }
    QStringList names;
    qint64 total = 0;
    for (const auto& [name, bytes] : std::as_const(m_gathered)) {
        names.append(name);
        total += bytes;
    }
    m_gathered.clear();
    AppSettings* settings = m_services.settings;
    if (settings && settings->playSoundOnDownload() && m_services.sounds) {
        m_services.sounds->play(settings->soundName());
    }
    if (settings && m_services.notifications) {
        m_services.notifications->notifyUploadsFinished(names, total, m_name, *settings);
    }
}

void EngineAnnouncer::failed(const QString& path, const QString& name, const QString& message)
{
    m_failureNotices.failed(path, name, m_name, message);
}

void EngineAnnouncer::succeeded(const QString& path)
{
    m_failureNotices.succeeded(path);
}

} // namespace ondrix
