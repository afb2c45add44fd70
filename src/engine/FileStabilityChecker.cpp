#include "engine/FileStabilityChecker.h"

#include "engine/MonotonicClock.h"
#include "platform/ReadLease.h"
#include "platform/WatchedTree.h"

#include <QMetaObject>
#include <QMutex>
#include <QThreadPool>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace ondrix {

struct FileStabilityChecker::Link {
    QMutex mutex;
    FileStabilityChecker* checker = nullptr;
};

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
    , m_link(std::make_shared<Link>())
{
    m_link->checker = this;
    setClock(new MonotonicClock(this));
}

FileStabilityChecker::~FileStabilityChecker()
{
    // Readings still under way on the pool are dropped.
    const QMutexLocker lock(&m_link->mutex);
    m_link->checker = nullptr;
}

void FileStabilityChecker::setClock(MonotonicClock* clock)
{
    if (m_clock != nullptr) {
        disconnect(m_clock, nullptr, this, nullptr);
    }
    m_clock = clock;
    connect(m_clock, &MonotonicClock::advanced, this, &FileStabilityChecker::fireDueTimers);
}

FileStabilityChecker::Handle FileStabilityChecker::waitForStability(const QString& filePath,
                                                                    std::optional<double> intervalSeconds,
                                                                    QObject* context, AnswerHandler onAnswer,
                                                                    Reading firstReading)
{
    const quint64 id = m_nextId++;
    Wait wait;
    wait.path = filePath;
    wait.intervalMs = intervalToMs(intervalSeconds.value_or(m_checkInterval));
    wait.startedMs = m_clock->nowMs();
    wait.context = context;
    wait.hasContext = context != nullptr;
    wait.onAnswer = std::move(onAnswer);
    wait.given = std::move(firstReading);
    // The first reading happens on the next turn of the event loop, so the answer never arrives inside this
    // call.
    if (m_firstReadingTimer == 0) {
        m_firstReadingTimer = startGroup(0);
    }
    wait.timerId = m_firstReadingTimer;
    m_waitsByTimer[m_firstReadingTimer].ids.push_back(id);
    m_waits.emplace(id, std::move(wait));
    Q_EMIT activeWaitsChanged(activeWaits());
    return Handle(this, id);
}

int FileStabilityChecker::startGroup(int intervalMs)
{
    const int timerId = startTimer(intervalMs);
    m_waitsByTimer[timerId].dueMs = m_clock->nowMs() + intervalMs;
    return timerId;
}

void FileStabilityChecker::timerEvent(QTimerEvent* event)
{
    const auto it = m_waitsByTimer.find(event->timerId());
    if (it == m_waitsByTimer.end()) {
        QObject::timerEvent(event);
        return;
    }
    const qint64 remainingMs = it->second.dueMs - m_clock->nowMs();
    if (remainingMs <= 0) {
        fire(event->timerId());
        return;
    }
    // The clock runs slower than the system's: wait again for what is left.
    killTimer(event->timerId());
    TimerGroup group = std::move(it->second);
    m_waitsByTimer.erase(it);
    const int timerId = startTimer(int(std::min<qint64>(remainingMs, std::numeric_limits<int>::max())));
    for (const quint64 id : group.ids) {
        m_waits.at(id).timerId = timerId;
    }
    m_waitsByTimer.emplace(timerId, std::move(group));
}

void FileStabilityChecker::fireDueTimers()
{
    std::vector<int> due;
    for (const auto& [timerId, group] : m_waitsByTimer) {
        if (group.dueMs <= m_clock->nowMs()) {
            due.push_back(timerId);
        }
    }
    std::sort(due.begin(), due.end());
    for (const int timerId : due) {
        if (m_waitsByTimer.contains(timerId)) {
            fire(timerId);
        }
    }
}

void FileStabilityChecker::fire(int timerId)
{
    const auto it = m_waitsByTimer.find(timerId);
    killTimer(timerId);
    if (timerId == m_firstReadingTimer) {
        m_firstReadingTimer = 0;
    }
    const std::vector<quint64> ids = std::move(it->second.ids);
    m_waitsByTimer.erase(it);
    std::vector<Read> reads;
    std::unordered_map<int, int> next;
    for (const quint64 id : ids) {
        if (auto wait = m_waits.find(id); wait != m_waits.end()) {
            wait->second.timerId = 0;
            step(id, reads, next);
        }
    }
    if (reads.empty()) {
        return;
    }
    if (m_pool == nullptr) {
        take(reads, m_tree.get());
        readingsTaken(reads);
        return;
    }
    m_pool->start([reads = std::move(reads), tree = m_tree, link = m_link]() mutable {
        take(reads, tree.get());
        const QMutexLocker lock(&link->mutex);
        if (FileStabilityChecker* checker = link->checker) {
            QMetaObject::invokeMethod(
                checker, [checker, reads = std::move(reads)] { checker->readingsTaken(reads); },
                Qt::QueuedConnection);
        }
    });
}

void FileStabilityChecker::step(quint64 id, std::vector<Read>& reads, std::unordered_map<int, int>& next)
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
    if (wait.given || wait.path.isEmpty()) {
        conclude(id, std::exchange(wait.given, std::nullopt), false, next);
        return;
    }
    reads.push_back(Read{id,
                         wait.path,
                         wait.previous ? std::optional<qint64>(wait.previous->version.size) : std::nullopt,
                         {},
                         false});
}

void FileStabilityChecker::take(std::vector<Read>& reads, const WatchedTree* tree)
{
    for (Read& read : reads) {
        read.reading = FolderScan::stat(read.path, tree);
        // A writer that pauses longer than the interval between two pieces still holds the file open: only
        // its close says it is done.
        read.openForWriting = read.reading && read.previousSize == read.reading->version.size &&
                              ReadLease::isOpenForWriting(read.path, tree);
    }
}

void FileStabilityChecker::readingsTaken(const std::vector<Read>& reads)
{
    // Waits of one turn that go on share their next timer.
    std::unordered_map<int, int> next;
    for (const Read& read : reads) {
        // A wait cancelled meanwhile has had its answer.
        if (m_waits.contains(read.id)) {
            conclude(read.id, read.reading, read.openForWriting, next);
        }
    }
}

void FileStabilityChecker::conclude(quint64 id, Reading reading, bool openForWriting,
                                    std::unordered_map<int, int>& next)
{
    Wait& wait = m_waits.at(id);
    if (!reading || !reading->version.isValid()) {
        answer(id, Answer::NotStable);
        return;
    }
    if (wait.previous && wait.previous->version.size == reading->version.size && !openForWriting) {
        answer(id, Answer::Stable, std::move(reading));
        return;
    }
    wait.previous = std::move(reading);
    int& timerId = next[wait.intervalMs];
    if (timerId == 0) {
        timerId = startGroup(wait.intervalMs);
    }
    wait.timerId = timerId;
    m_waitsByTimer[timerId].ids.push_back(id);
}

bool FileStabilityChecker::hasTimedOut(const Wait& wait) const
{
    return double(m_clock->nowMs() - wait.startedMs) / 1000.0 > m_maxWaitSeconds;
}

void FileStabilityChecker::cancel(quint64 id)
{
    if (m_waits.contains(id)) {
        answer(id, Answer::Cancelled);
    }
}

void FileStabilityChecker::answer(quint64 id, Answer result, Reading reading)
{
    const auto it = m_waits.find(id);
    Wait wait = std::move(it->second);
    m_waits.erase(it);
    if (wait.timerId != 0) {
        leaveTimer(id, wait.timerId);
    }
    Q_EMIT activeWaitsChanged(activeWaits());
    if (!wait.onAnswer) {
        return;
    }
    // Queued on this object so the answer never re-enters the caller; dropped when the context is gone.
    m_answers.push_back(
        Delivery{wait.context, wait.hasContext, std::move(wait.onAnswer), result, std::move(reading)});
    m_answering.request();
}

void FileStabilityChecker::leaveTimer(quint64 id, int timerId)
{
    const auto it = m_waitsByTimer.find(timerId);
    if (it == m_waitsByTimer.end()) {
        return;
    }
    std::erase(it->second.ids, id);
    // A timer nobody waits on any more goes, or a cancelled hour-long wait would keep it.
    if (it->second.ids.empty()) {
        killTimer(timerId);
        m_waitsByTimer.erase(it);
        if (timerId == m_firstReadingTimer) {
            m_firstReadingTimer = 0;
        }
    }
}

void FileStabilityChecker::deliverAnswers()
{
    const std::vector<Delivery> answers = std::exchange(m_answers, {});
    for (const Delivery& delivery : answers) {
        if (delivery.hasContext && !delivery.context) {
            continue;
        }
        delivery.onAnswer(delivery.answer, delivery.reading);
    }
}

} // namespace ondrix
