#include "engine/InFlightFiles.h"

#include <algorithm>

namespace ondrix {

std::optional<InFlightFiles::Stage> InFlightFiles::stage(const QString& path) const
{
    const auto it = m_entries.constFind(path);
    return it == m_entries.constEnd() ? std::nullopt : std::optional<Stage>(it->stage);
}

void InFlightFiles::awaitStability(const QString& path)
{
    m_entries.insert(path, Entry{Stage::awaitingStability, std::nullopt, 0});
}

void InFlightFiles::queue(const QString& path, const UploadJob& job)
{
    m_entries.insert(path, Entry{Stage::queued, job, 0});
}

bool InFlightFiles::updateJob(const UploadJob& job)
{
    const auto it = m_entries.find(job.localPath);
    if (it == m_entries.end() || !it->job || it->job->id != job.id) {
        return false;
    }
    if (it->stage != Stage::uploading) {
        it->stage = Stage::uploading;
        it->startOrder = m_nextStart++;
    }
    it->job = job;
    return true;
}

void InFlightFiles::remove(const QString& path)
{
    m_entries.remove(path);
}

QStringList InFlightFiles::dropWaiting()
{
    QStringList dropped;
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (it->stage == Stage::uploading) {
            ++it;
        } else {
            dropped.append(it.key());
            it = m_entries.erase(it);
        }
    }
    return dropped;
}

int InFlightFiles::queuedCount() const
{
    return int(std::count_if(m_entries.cbegin(), m_entries.cend(),
                             [](const Entry& entry) { return entry.stage != Stage::awaitingStability; }));
}

QList<UploadJob> InFlightFiles::activeJobs() const
{
    QList<const Entry*> uploading;
    for (const Entry& entry : m_entries) {
        if (entry.stage == Stage::uploading) {
            uploading.append(&entry);
        }
    }
    std::sort(uploading.begin(), uploading.end(),
              [](const Entry* a, const Entry* b) { return a->startOrder < b->startOrder; });
    QList<UploadJob> jobs;
    for (const Entry* entry : uploading) {
        jobs.append(*entry->job);
    }
    return jobs;
}

void InFlightFiles::failed(const QString& path, qint64 nowMs, qint64 versionStamp)
{
    BackOff& backOff = m_backOffs[path];
    backOff.failures = std::min(backOff.failures + 1, 30);
    qint64 wait = m_firstBackOffMs;
    for (int i = 1; i < backOff.failures && wait < m_maxBackOffMs; ++i) {
        wait *= 2;
    }
    backOff.notBeforeMs = nowMs + std::min(wait, m_maxBackOffMs);
    backOff.versionStamp = versionStamp;
}

bool InFlightFiles::isHeldBack(const QString& path, qint64 nowMs, qint64 versionStamp) const
{
    const auto it = m_backOffs.constFind(path);
    return it != m_backOffs.constEnd() && nowMs < it->notBeforeMs && it->versionStamp == versionStamp;
}

} // namespace ondrix
