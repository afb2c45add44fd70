#include "engine/FileStabilityChecker.h"

#include "platform/FileName.h"

#include <QFile>
#include <QMetaObject>
#include <QTimerEvent>

#include <sys/stat.h>

#include <cmath>
#include <limits>

namespace ondrix {

namespace {

int intervalToMs(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0.0) {
        return 0;
    }
    // Timers take int milliseconds; a wait longer than that is beyond any sensible setting.
    return int(std::min(std::ceil(seconds * 1000.0), double(std::numeric_limits<int>::max())));
}

} // namespace

void FileStabilityChecker::Handle::cancel() const
{
    if (m_checker) {
        m_checker->cancel(m_id);
    }
}

bool FileStabilityChecker::Handle::isActive() const
{
    return m_checker && m_checker->m_waits.contains(m_id);
}

FileStabilityChecker::FileStabilityChecker(QObject* parent)
    : QObject(parent)
{}

FileStabilityChecker::~FileStabilityChecker() = default;

FileStabilityChecker::Handle FileStabilityChecker::waitForStability(const QString& filePath,
                                                                    std::optional<double> intervalSeconds,
                                                                    QObject* context, AnswerHandler onAnswer)
{
    const quint64 id = m_nextId++;
    Wait wait;
    wait.path = filePath;
    wait.intervalMs = intervalToMs(intervalSeconds.value_or(m_checkInterval));
    wait.started.start();
    wait.context = context;
    wait.hasContext = context != nullptr;
    wait.onAnswer = std::move(onAnswer);
    // The first reading happens on the next turn of the event loop, so the answer never arrives inside this
    // call.
    wait.timerId = startTimer(0);
    m_waitByTimer.emplace(wait.timerId, id);
    m_waits.emplace(id, std::move(wait));
    Q_EMIT activeWaitsChanged(activeWaits());
    return Handle(this, id);
}

void FileStabilityChecker::timerEvent(QTimerEvent* event)
{
    const auto it = m_waitByTimer.find(event->timerId());
    if (it == m_waitByTimer.end()) {
        QObject::timerEvent(event);
        return;
    }
    const quint64 id = it->second;
    killTimer(event->timerId());
    m_waitByTimer.erase(it);
    if (auto wait = m_waits.find(id); wait != m_waits.end()) {
        wait->second.timerId = 0;
    }
    step(id);
}

void FileStabilityChecker::step(quint64 id)
{
    const auto it = m_waits.find(id);
    if (it == m_waits.end()) {
        return;
    }
    Wait& wait = it->second;
    if (wait.hasContext && !wait.context) {
        // Nobody is left to hear the answer.
        wait.onAnswer = nullptr;
        answer(id, Answer::Cancelled);
        return;
    }
    if (hasTimedOut(wait)) {
        answer(id, Answer::NotStable);
        return;
    }
    const std::optional<qint64> size = sizeOf(wait.path);
    if (!size) {
        answer(id, Answer::NotStable);
        return;
    }
    if (wait.previousSize && *wait.previousSize == *size) {
        answer(id, Answer::Stable);
        return;
    }
    wait.previousSize = size;
    wait.timerId = startTimer(wait.intervalMs);
    m_waitByTimer.emplace(wait.timerId, id);
}

bool FileStabilityChecker::hasTimedOut(const Wait& wait) const
{
    return double(wait.started.elapsed()) / 1000.0 > m_maxWaitSeconds;
}

void FileStabilityChecker::cancel(quint64 id)
{
    if (m_waits.contains(id)) {
        answer(id, Answer::Cancelled);
    }
}

void FileStabilityChecker::answer(quint64 id, Answer result)
{
    const auto it = m_waits.find(id);
    Wait wait = std::move(it->second);
    m_waits.erase(it);
    if (wait.timerId != 0) {
        killTimer(wait.timerId);
        m_waitByTimer.erase(wait.timerId);
    }
    Q_EMIT activeWaitsChanged(activeWaits());
    if (!wait.onAnswer) {
        return;
    }
    // Queued on this object so the answer never re-enters the caller; dropped when the context is gone.
    QMetaObject::invokeMethod(
        this,
        [context = wait.context, hasContext = wait.hasContext, handler = std::move(wait.onAnswer), result] {
            if (hasContext && !context) {
                return;
            }
            handler(result);
        },
        Qt::QueuedConnection);
}

std::optional<qint64> FileStabilityChecker::sizeOf(const QString& path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(FileName::encode(path).constData(), &info) != 0 || info.st_size < 0) {
        return std::nullopt;
    }
    return qint64(info.st_size);
}

} // namespace ondrix
