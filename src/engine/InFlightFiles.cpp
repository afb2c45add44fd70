#include "engine/InFlightFiles.h"

#include <algorithm>

namespace ondrix {

std::optional<InFlightFiles::Stage> InFlightFiles::stage(const QString& path) const
{
    const auto it = m_entries.constFind(path);
    return it == m_entries.constEnd() ? std::nullopt : std::optional<Stage>(it->stage);
}

void InFlightFiles::setStage(Entry& entry, const QString& path, Stage stage)
{
    if (entry.stage == Stage::awaitingStability && stage != Stage::awaitingStability) {
        ++m_queuedOrUploading;
    } else if (entry.stage != Stage::awaitingStability && stage == Stage::awaitingStability) {
        --m_queuedOrUploading;
    }
    if (entry.stage == Stage::uploading && stage != Stage::uploading) {
        m_uploading.erase(entry.startOrder);
    } else if (entry.stage != Stage::uploading && stage == Stage::uploading) {
        entry.startOrder = m_nextStart++;
        m_uploading.emplace(entry.startOrder, path);
    }
    entry.stage = stage;
}

void InFlightFiles::forget(const Entry& entry)
{
    if (entry.stage != Stage::awaitingStability) {
        --m_queuedOrUploading;
    }
    if (entry.stage == Stage::uploading) {
        m_uploading.erase(entry.startOrder);
    }
}

void InFlightFiles::awaitStability(const QString& path)
{
    Entry& entry = m_entries[path];
    setStage(entry, path, Stage::awaitingStability);
    entry.job.reset();
}

void InFlightFiles::queue(const QString& path, const UploadJob& job)
{
    Entry& entry = m_entries[path];
    setStage(entry, path, Stage::queued);
    entry.job = job;
}

bool InFlightFiles::updateJob(const UploadJob& job)
{
    const auto it = m_entries.find(job.localPath);
    if (it == m_entries.end() || !it->job || it->job->id != job.id) {
        return false;
    }
    setStage(*it, job.localPath, Stage::uploading);
    it->job = job;
    return true;
}

void InFlightFiles::remove(const QString& path)
{
    const auto it = m_entries.constFind(path);
    if (it != m_entries.constEnd()) {
        forget(*it);
        m_entries.erase(it);
    }
}

QStringList InFlightFiles::dropWaiting()
{
    QStringList dropped;
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (it->stage == Stage::uploading) {
            ++it;
        } else {
            forget(*it);
            dropped.append(it.key());
            it = m_entries.erase(it);
        }
    }
    return dropped;
}

QList<UploadJob> InFlightFiles::activeJobs() const
{
    QList<UploadJob> jobs;
    jobs.reserve(qsizetype(m_uploading.size()));
    for (const auto& [order, path] : m_uploading) {
        const auto it = m_entries.constFind(path);
        if (it != m_entries.constEnd() && it->job) {
            jobs.append(*it->job);
        }
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
