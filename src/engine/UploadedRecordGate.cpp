#include "engine/UploadedRecordGate.h"

#include "engine/UploadedRecord.h"

#include <QThreadPool>

namespace ondrix {

UploadedRecordGate::UploadedRecordGate(std::shared_ptr<UploadedRecord> record, QThreadPool* pool,
                                       Release release, QObject* parent)
    : QObject(parent)
    , m_record(std::move(record))
    , m_pool(pool)
    , m_release(std::move(release))
{
    m_timer.setInterval(kPollMs);
    connect(&m_timer, &QTimer::timeout, this, &UploadedRecordGate::poll);
}

bool UploadedRecordGate::isReady()
{
    if (m_record->isLoaded()) {
        return true;
    }
    if (!std::exchange(m_loadStarted, true)) {
        if (m_pool == nullptr) {
            m_record->load();
            return true;
        }
        m_pool->start([record = m_record] { record->load(); });
    }
    if (!m_timer.isActive()) {
        m_timer.start();
    }
    return false;
}

bool UploadedRecordGate::admit(const QString& path)
{
    if (isReady()) {
        return true;
    }
    m_held.insert(path);
    return false;
}

void UploadedRecordGate::clear()
{
    m_held.clear();
    m_timer.stop();
}

void UploadedRecordGate::poll()
{
    if (!m_record->isLoaded()) {
        return;
    }
    m_timer.stop();
    if (const QSet<QString> held = std::exchange(m_held, {}); !held.isEmpty()) {
        m_release(held);
    }
}

} // namespace ondrix
