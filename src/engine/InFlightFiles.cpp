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

qint64 InFlightFiles::backOffMs(int failures) const
{
    qint64 wait = m_firstBackOffMs;
    for (int i = 1; i < failures && wait < m_maxBackOffMs; ++i) {
        wait *= 2;
    }
    return std::min(wait, m_maxBackOffMs);
}

void InFlightFiles::failed(const QString& path, qint64 nowMs, qint64 versionStamp)
{
    BackOff& backOff = m_backOffs[path];
    backOff.failures = std::min(backOff.failures + 1, 30);
    backOff.notBeforeMs = nowMs + backOffMs(backOff.failures);
    backOff.versionStamp = versionStamp;
    // Only the first failure and the failure of a file let through on its turn make the run longer: files
    // that were under way together when a server went down are one failure, and their retry must not wait
    // as if the server had refused them one after another for hours.
    if (m_failuresInARow == 0 || m_turnTaken) {
        m_failuresInARow = std::min(m_failuresInARow + 1, 30);
        m_turnTaken = false;
    }
    m_nextTurnMs = std::max(m_nextTurnMs, nowMs + backOffMs(m_failuresInARow));
}

bool InFlightFiles::isHeldBack(const QString& path, qint64 nowMs, qint64 versionStamp)
{
    const auto it = m_backOffs.constFind(path);
    if (it == m_backOffs.constEnd() || it->versionStamp != versionStamp) {
        return false;
    }
    if (nowMs < it->notBeforeMs || nowMs < m_nextTurnMs) {
        return true;
    }
    // This file's turn: the next failed file waits until this attempt has had time to fail.
    m_nextTurnMs = nowMs + backOffMs(m_failuresInARow);
    m_turnTaken = true;
    return false;
}

void InFlightFiles::succeeded(const QString& path)
{
    m_backOffs.remove(path);
    m_failuresInARow = 0;
    m_nextTurnMs = 0;
    m_turnTaken = false;
}

void InFlightFiles::clearBackOffs()
{
    m_backOffs.clear();
    m_failuresInARow = 0;
    m_nextTurnMs = 0;
    m_turnTaken = false;
}

} // namespace ondrix
